#include "helprenderer.h"

#include "paintkit.h"

#include <QPainter>
#include <QPen>
#include <QRegularExpression>

#include <algorithm>

namespace trulp {

namespace {

int heightIndex(int cellHeight) {
    switch (cellHeight) {
    case kHelpSmallHeight:
        return 1;
    case kHelpLargeHeight:
        return 2;
    default:
        return 0;
    }
}

constexpr int kHeights[] = {kHelpNormalHeight, kHelpSmallHeight, kHelpLargeHeight};

// In right-to-left text a size like "4 x 5" would be torn apart by the
// bidirectional order (its first number joins the Hebrew, the rest reads
// left to right), and a run of Latin text alone, such as a puzzle file's
// "start:", would take its colon to the other end: each is kept whole, left
// to right.
QString KeepLeftToRightWhole(const QString& run) {
    static const QRegularExpression size(QStringLiteral("([0-9]+(?: ?[x\\x{00D7}] ?[0-9]+)+)"));
    const auto rightToLeft = [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    };
    const auto leftToRight = [](QChar c) { return c.direction() == QChar::DirL; };
    if (std::any_of(run.begin(), run.end(), rightToLeft))
        return QString(run).replace(size, QStringLiteral("\u2066\\1\u2069"));
    if (std::any_of(run.begin(), run.end(), leftToRight))
        return QChar(0x2066) + run + QChar(0x2069);
    return run;
}

} // namespace

HelpRenderer::HelpRenderer(TitleSink titleSink) : m_titleSink(std::move(titleSink)) {
    for (int h = 0; h < 3; ++h) {
        for (int s = 0; s < 3; ++s) {
            m_faces[h * 3 + s] = Arial(kHeights[h], s == int(HelpStyle::Bold), s == int(HelpStyle::Italic));
        }
    }
}

const QFont& HelpRenderer::font(int cellHeight, HelpStyle style) const {
    return m_faces[heightIndex(cellHeight) * 3 + int(style)];
}

void HelpRenderer::SetLineDefaults(QPainter& painter) {
    m_row.fontHeight = kHelpNormalHeight;
    m_row.style = HelpStyle::Normal;
    painter.setPen(kHelpTextColour);
    painter.setBackgroundMode(Qt::TransparentMode);
}

void HelpRenderer::FrameEdge(QPainter& painter, FrameMode mode, int& x, int y) {
    if (mode == FrameMode::Close) {
        FrameOpen = false;
        return;
    }
    if (mode == FrameMode::Extend && !FrameOpen) {
        return;
    }
    const QPen textPen = painter.pen();
    painter.setPen(QPen(kHelpFrameColour, 2, Qt::SolidLine));
    const int top = y - 5;
    const int bottom = y + 25;
    if (FrameOpen) {
        painter.drawLine(FrameStartX, top, x, top);
        painter.drawLine(FrameStartX, bottom, x, bottom);
    }
    if (mode == FrameMode::Edge) {
        FrameOpen = true;
        painter.drawLine(x, top, x, bottom);
        FrameStartX = x;
        x += kHelpFrameGap;
    } else {
        FrameStartX = x;
    }
    painter.setPen(textPen);
}

void HelpRenderer::applyCode(QPainter& painter, char code) {
    switch (code) {
    case 'F':
        m_row.style = HelpStyle::Bold;
        break;
    case 'I':
        m_row.style = HelpStyle::Italic;
        break;
    case 'N':
        m_row.fontHeight = kHelpNormalHeight;
        m_row.style = HelpStyle::Normal;
        m_row.offset = 0;
        FrameEdge(painter, FrameMode::Close, m_row.x, m_row.y);
        break;
    case 'L':
        m_row.fontHeight = kHelpLargeHeight;
        m_row.offset = 0;
        break;
    case 'S':
        m_row.fontHeight = kHelpSmallHeight;
        m_row.offset = 0;
        break;
    case 'B':
        m_row.fontHeight = kHelpSmallHeight;
        m_row.offset = 7;
        break;
    case 'P':
        m_row.fontHeight = kHelpSmallHeight;
        m_row.offset = -5;
        break;
    case 'T':
        m_row.x = (m_row.x / kHelpTabWidth + 1) * kHelpTabWidth;
        break;
    case '[':
        frameEdge(painter, FrameMode::Edge);
        break;
    default:
        // unknown codes are swallowed so that a typo never shows up as text
        break;
    }
}

void HelpRenderer::frameEdge(QPainter& painter, FrameMode mode) {
    if (!m_rightToLeft) {
        FrameEdge(painter, mode, m_row.x, m_row.y);
        return;
    }
    painter.save();
    painter.translate(kHelpBoxWidth, 0);
    painter.scale(-1, 1);
    FrameEdge(painter, mode, m_row.x, m_row.y);
    painter.restore();
}

void HelpRenderer::flushRun(QPainter& painter) {
    if (m_run.isEmpty())
        return;
    painter.setFont(font(m_row.fontHeight, m_row.style));
    const QString run = KeepLeftToRightWhole(m_run);
    const int width = painter.fontMetrics().horizontalAdvance(run);
    painter.save();
    painter.setLayoutDirection(Qt::RightToLeft);
    TextOut(painter, kHelpBoxWidth - m_row.x - width, m_row.y + m_row.offset, run);
    painter.restore();
    m_row.x += width;
    frameEdge(painter, FrameMode::Extend);
    m_run.clear();
}

void HelpRenderer::drawCharacter(QPainter& painter, QChar c) {
    if (m_rightToLeft) {
        m_run += c;
        return;
    }
    // One character at a time: positions never depend on kerning or shaping.
    painter.setFont(font(m_row.fontHeight, m_row.style));
    const QString text(c);
    TextOut(painter, m_row.x, m_row.y + m_row.offset, text);
    FrameEdge(painter, FrameMode::Extend, m_row.x, m_row.y);
    m_row.x += painter.fontMetrics().horizontalAdvance(text);
}

void HelpRenderer::WriteHelpLine(QPainter& painter, const QString& line, int row) {
    if (row == 0) {
        if (m_titleSink) {
            m_titleSink(line);
        }
        return;
    }
    m_row = RowState{};
    m_row.y = row * kHelpRowHeight;
    m_rightToLeft = painter.layoutDirection() == Qt::RightToLeft;
    m_run.clear();
    FrameEdge(painter, FrameMode::Close, m_row.x, m_row.y);
    SetLineDefaults(painter);

    const qsizetype length = std::min<qsizetype>(line.size(), kHelpMaxLineLength);
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = line.at(i);
        if (c == u'\\') {
            // a second backslash only keeps the code pending: one can't be drawn
            m_row.escapePending = true;
        } else if (m_row.escapePending) {
            m_row.escapePending = false;
            flushRun(painter);
            applyCode(painter, c.toUpper().toLatin1());
        } else {
            drawCharacter(painter, c);
        }
    }
    flushRun(painter);
}

void HelpRenderer::WriteHelpPage(QPainter& painter, const QStringList& lines, int helpPage) {
    if (helpPage < 1) {
        return;
    }
    const qsizetype first = qsizetype(helpPage - 1) * kHelpPageLines;
    for (int row = 0; row < kHelpPageLines && first + row < lines.size(); ++row) {
        WriteHelpLine(painter, lines.at(first + row), row);
    }
}

void HelpRenderer::ClearHelpPage(QPainter& painter, QSize box) {
    painter.fillRect(QRect(5, 5, box.width() - 10, box.height() - 10), kHelpPageColour);
}

void HelpRenderer::paintBackground(QPainter& painter, QSize box) {
    const int w = box.width();
    const int h = box.height();
    painter.fillRect(QRect(0, 0, w, h), kHelpPageColour);
    // Sunken, three pixels wide: dark along the top and left.
    Bevel(painter, QRect(0, 0, w, h), 3, kHelpBevelDark, kHelpBevelLight);
}

} // namespace trulp
