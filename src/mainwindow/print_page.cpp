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

using trulp::Arial;
using trulp::TextOut;

// Text whose right end is at x.
void TextOutRight(QPainter& canvas, int right, int y, const QString& text) {
    TextOut(canvas, right - canvas.fontMetrics().horizontalAdvance(text), y, text);
}

bool ValidBlock(const trulp::Block& b) {
    return trulp::FitsOnBoard(b.shape, b.field);
}

} // namespace

void PrintPosition(QPainter& canvas, int left, int top, const trulp::Block (&table)[trulp::kBlocks + 1],
                   float r) {
    // Lit top and left, shaded bottom and right, 0.1 r deep.
    const trulp::BlockLook look{{},
                                QColor(160, 160, 160),
                                QColor(64, 64, 64),
                                Units(0.1, r),
                                Arial(Units(0.5, r), true, false, canvas.device()),
                                Units(1.0 / 40, r)};
    for (int n = 1; n <= trulp::kBlocks; ++n) {
        const trulp::Block& block = table[n];
        if (!ValidBlock(block))
            continue; // a damaged table draws nothing rather than garbage
        const trulp::BlockShape& shape = trulp::shapeTable[block.shape];
        const int col = block.field % trulp::kColumns;
        const int row = block.field / trulp::kColumns;
        const int l = left + Units(col * 0.75, r);
        const int t = top + Units(row * 0.75, r);
        trulp::BlockLook blockLook = look;
        blockLook.fill = trulp::ShapeColour(block.shape);
        // Right and bottom edges are exclusive.
        trulp::PaintBlock(canvas, QRect(l, t, Units(shape.width * 0.75, r), Units(shape.height * 0.75, r)),
                          QChar::fromLatin1(block.letter), blockLook);
    }
}

void PaintMovesPage(QPainter& canvas, int printableWidth, const GameRecord& game, const QString& date) {
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
        if (&line == &kLines[0] && !game.puzzle.isEmpty())
            //: The printed page's title for a puzzle other than the classic.
            text = QCoreApplication::translate("PrintPage", "TRULP puzzle: %1").arg(game.puzzle);
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
    const QFont arrowFont = trulp::ArrowFont(Units(0.4, r), device);
    const int last = std::clamp(game.lastMove, 0, trulp::kMaxMoves);
    for (int n = 1; n <= last; ++n) {
        const int c = (n - 1) / 30;
        const int w = (n - 1) % 30;
        const int y = Units(0.6 * w + 6, r);
        const trulp::MoveRecord& move = game.movesList[n];

        canvas.setFont(entryFont);
        TextOutRight(canvas, Units(2.5 * c + 2.25, r), y, QString::number(n));
        // Damaged entries keep their number but show no letter or arrow.
        if (move.block >= 1 && move.block <= trulp::kBlocks)
            TextOutRight(canvas, Units(2.5 * c + 3.1, r), y,
                         QString(QChar::fromLatin1(trulp::startTable[move.block].letter)));
        if (trulp::IsDirection(move.direction)) {
            canvas.setFont(arrowFont);
            TextOutRight(canvas, Units(2.5 * c + 3.7, r), y, QString(trulp::Wording::arrow(move.direction)));
        }
    }

    PrintPosition(canvas, Units(12.5, r), Units(1.5, r), game.start, r);
    PrintPosition(canvas, Units(16.5, r), Units(1.5, r), game.board, r);
    canvas.restore();
}
