#include "print_page.h"

#include "boardlook.h"
#include "maker.h"
#include "paintkit.h"
#include "words.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>

namespace {

// Trunc(x * r). The nudge keeps products like 0.35 * 240 from landing a hair
// below the whole number they stand for.
int Units(double x, float r) {
    return int(std::trunc(x * double(r) + 1e-6));
}

struct Tline {
    double height; // all in units of r
    double x;
    double y;
    const char* text;
};

const Tline kLines[6] = {
    {0.75, 1.5, 1.5, QT_TRANSLATE_NOOP("PrintPage", "TRULP puzzle")},
    {0.35, 12.5, 1.0, QT_TRANSLATE_NOOP("PrintPage", "start position")},
    {0.35, 16.5, 1.0, QT_TRANSLATE_NOOP("PrintPage", "final position")},
    {0.4, 1.5, 5.25, QT_TRANSLATE_NOOP("PrintPage", "moves")},
    {0.6, 1.5, 26.0, trulp::kMakerName},
    {0.5, 10.0, 26.0, trulp::kMakerWebAddress},
};

} // namespace

namespace trulp {

namespace {

constexpr int kMovesPerPage = 7 * 30;

// Text whose right end is at x.
void TextOutRight(QPainter& canvas, int right, int y, const QString& text) {
    TextOut(canvas, right - canvas.fontMetrics().horizontalAdvance(text), y, text);
}

} // namespace

void PrintPosition(QPainter& canvas, int left, int top, const PuzzleDef& def, const uint8_t* anchors,
                   float r) {
    // The classic's fields are 0.75 r; a larger board keeps within 3 r by 3.75 r.
    const double unit = std::min({0.75, 3.0 / def.columns(), 3.75 / def.rows()});
    const double scale = unit / 0.75;
    // Lit top and left, shaded bottom and right, 0.1 r deep.
    const BlockLook look{{},
                         QColor(160, 160, 160),
                         QColor(64, 64, 64),
                         std::max(1, Units(0.1 * scale, r)),
                         Arial(std::max(1, Units(0.5 * scale, r)), true, false, canvas.device()),
                         Units(scale / 40, r)};
    const auto corner = [&](int field) {
        return QPoint(left + Units(field % def.columns() * unit, r),
                      top + Units(field / def.columns() * unit, r));
    };
    if (!def.tenBlock()) {
        // The board's outline and its walls; the classic's board is its blocks.
        canvas.fillRect(QRect(corner(0), QSize(Units(def.columns() * unit, r), Units(def.rows() * unit, r))),
                        QColor(235, 235, 235));
        ForEachField(def.walls(), [&](int f) {
            canvas.fillRect(QRect(corner(f), QSize(Units(unit, r), Units(unit, r))), QColor(90, 90, 90));
        });
    }
    for (int n = 1; n <= def.pieceCount(); ++n) {
        const PieceDef& piece = def.piece(n);
        const int anchor = anchors[n];
        if (anchor >= def.fields() || def.Place(piece.shape, anchor) == 0)
            continue; // a damaged position draws nothing rather than garbage
        const ShapeDef& shape = def.shape(piece.shape);
        BlockLook pieceLook = look;
        pieceLook.fill = PieceColour(piece.goal != kNoGoal);
        if (shape.rectangle()) {
            // Right and bottom edges are exclusive.
            PaintBlock(
                canvas,
                QRect(corner(anchor), QSize(Units(shape.width * unit, r), Units(shape.height * unit, r))),
                QChar::fromLatin1(piece.letter), pieceLook);
        } else {
            PaintPiece(canvas, shape, corner(anchor), std::max(1, Units(unit, r)),
                       QChar::fromLatin1(piece.letter), pieceLook);
        }
    }
}

int Pages(const GameRecord& game) {
    return std::max(1, (int(game.list.moves.size()) + kMovesPerPage - 1) / kMovesPerPage);
}

void PaintMovesPage(QPainter& canvas, int printableWidth, const GameRecord& game, const QString& date,
                    int page) {
    const float r = float(printableWidth) / 20;
    const QPaintDevice* device = canvas.device();
    canvas.save();
    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(Qt::black);

    for (const Tline& line : kLines) {
        canvas.setFont(Arial(Units(line.height, r), false, false, device));
        // The maker's name and address stay as they are; the title names any
        // puzzle but the classic.
        const bool words = &line < &kLines[4];
        QString text =
            words ? QCoreApplication::translate("PrintPage", line.text) : QString::fromUtf8(line.text);
        if (&line == &kLines[0] && !game.puzzle.isEmpty()) {
            //: The printed page's title for a puzzle other than the classic.
            text = QCoreApplication::translate("PrintPage", "TRULP puzzle: %1").arg(game.puzzle);
            // A long name takes a smaller type, then is cut, rather than
            // run into the start position's picture.
            const int room = Units(kLines[1].x - 0.5 - line.x, r);
            for (double height = line.height;
                 canvas.fontMetrics().horizontalAdvance(text) > room && height > 0.45; height -= 0.05)
                canvas.setFont(Arial(Units(height - 0.05, r), false, false, device));
            text = canvas.fontMetrics().elidedText(text, Qt::ElideRight, room);
        }
        TextOut(canvas, Units(line.x, r), Units(line.y, r), text);
    }
    canvas.setFont(Arial(Units(0.5, r), false, false, device));
    TextOut(canvas, Units(1.5, r), Units(3.5, r), date);

    // Lines are filled rectangles so that their pixels are the same on every
    // device: a pen of width w covers w pixels across, the end point is not
    // drawn.
    const int frameLeft = Units(1.5, r), frameTop = Units(6, r);
    const int frameRight = Units(19, r), frameBottom = Units(24, r);
    canvas.fillRect(QRect(frameLeft, frameTop, frameRight - frameLeft, 1), Qt::black);
    canvas.fillRect(QRect(frameLeft, frameBottom - 1, frameRight - frameLeft, 1), Qt::black);
    canvas.fillRect(QRect(frameLeft, frameTop, 1, frameBottom - frameTop), Qt::black);
    canvas.fillRect(QRect(frameRight - 1, frameTop, 1, frameBottom - frameTop), Qt::black);

    // Pen width r / 120 rounded half up; a width of 0 still draws one pixel.
    const int pen = std::max(1, int(std::trunc(double(r) / 120 + 0.5)));
    for (int i = 1; i <= 6; ++i) {
        const int x = Units(2.5 * i + 1.5, r);
        canvas.fillRect(QRect(x - pen / 2, frameTop, pen, frameBottom - frameTop), Qt::black);
    }

    const QFont entryFont = Arial(Units(0.4, r), false, false, device);
    const QFont arrowFont = ArrowFont(Units(0.4, r), device);
    const int first = page * kMovesPerPage + 1;
    const int last = std::min(int(game.list.moves.size()), first + kMovesPerPage - 1);
    for (int n = first; n <= last; ++n) {
        const int c = (n - first) / 30;
        const int w = (n - first) % 30;
        const int y = Units(0.6 * w + 6, r);
        const MoveShown& move = game.list.moves[size_t(n - 1)];

        canvas.setFont(entryFont);
        TextOutRight(canvas, Units(2.5 * c + 2.25, r), y, QString::number(n));
        // Damaged entries keep their number but show no letter or arrow.
        if (move.letter >= 'A' && move.letter <= 'Z')
            TextOutRight(canvas, Units(2.5 * c + 3.1, r), y, QString(QChar::fromLatin1(move.letter)));
        if (IsDirection(move.direction)) {
            canvas.setFont(arrowFont);
            TextOutRight(canvas, Units(2.5 * c + 3.7, r), y, QString(Wording::arrow(move.direction)));
        }
    }

    const PuzzleDef& def = *game.board.def;
    uint8_t start[kMaxPieces + 1] = {};
    for (int p = 1; p <= def.pieceCount(); ++p)
        start[p] = def.piece(p).start;
    PrintPosition(canvas, Units(12.5, r), Units(1.5, r), def, start, r);
    PrintPosition(canvas, Units(16.5, r), Units(1.5, r), def, game.board.anchors.data(), r);
    canvas.restore();
}

} // namespace trulp
