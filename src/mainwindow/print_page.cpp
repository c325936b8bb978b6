#include "print_page.h"

#include "maker.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>

namespace {

const QString kTextFamily = QStringLiteral("Arial");
const QString kArrowFamily = QStringLiteral("DejaVu Sans");

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
    {0.75, 1.5, 1.5, "TRULP puzzle"},    {0.35, 12.5, 1.0, "start position"},
    {0.35, 16.5, 1.0, "final position"}, {0.4, 1.5, 5.25, "moves"},
    {0.6, 1.5, 26.0, trulp::kMakerName}, {0.5, 10.0, 26.0, trulp::kMakerWebAddress},
};

const QColor kLight(160, 160, 160);
const QColor kDark(64, 64, 64);

// Text with its cell's top left at (x, y).
void TextOut(QPainter& canvas, int x, int y, const QString& text) {
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
}

// Text whose right end is at x.
void TextOutRight(QPainter& canvas, int right, int y, const QString& text) {
    TextOut(canvas, right - canvas.fontMetrics().horizontalAdvance(text), y, text);
}

bool ValidBlock(const trulp::Block& b) {
    if (b.shape < 1 || b.shape > trulp::kShapes)
        return false;
    const trulp::BlockShape& s = trulp::shapeTable[b.shape];
    return b.field % trulp::kColumns + s.width <= trulp::kColumns &&
           b.field / trulp::kColumns + s.height <= trulp::kRows;
}

} // namespace

QFont CellHeightFont(const QString& family, int cellHeight, bool bold, const QPaintDevice* device) {
    QFont font(family);
    font.setBold(bold);
    const auto cellOf = [&](int size) {
        font.setPixelSize(size);
        return device != nullptr ? QFontMetrics(font, device).height() : QFontMetrics(font).height();
    };
    // Cells of these faces run about 1.1 to 1.2 em; start there and walk to
    // the largest size whose cell still fits.
    int size = std::max(1, int(std::lround(cellHeight / 1.149)));
    while (size > 1 && cellOf(size) > cellHeight)
        --size;
    while (cellOf(size + 1) <= cellHeight)
        ++size;
    font.setPixelSize(size);
    return font;
}

void PrintPosition(QPainter& canvas, int left, int top, const trulp::Block (&table)[trulp::kBlocks + 1],
                   float r) {
    const int b = Units(0.1, r);
    const int shadow = Units(1.0 / 40, r);
    canvas.setFont(CellHeightFont(kTextFamily, Units(0.5, r), true, canvas.device()));
    const QFontMetrics fm = canvas.fontMetrics();

    for (int n = 1; n <= trulp::kBlocks; ++n) {
        const trulp::Block& block = table[n];
        if (!ValidBlock(block))
            continue; // a damaged table draws nothing rather than garbage
        const trulp::BlockShape& shape = trulp::shapeTable[block.shape];
        const int col = block.field % trulp::kColumns;
        const int row = block.field / trulp::kColumns;
        const int l = left + Units(col * 0.75, r);
        const int t = top + Units(row * 0.75, r);
        const int rt = l + Units(shape.width * 0.75, r);
        const int bt = t + Units(shape.height * 0.75, r);

        // Right and bottom edges are exclusive throughout.
        canvas.fillRect(QRect(l, t, rt - l, bt - t), QColor(QRgb(shape.colour)));

        // Inset frames: each ring is lit along top and left, shaded along
        // bottom and right; the top-right corner pixel belongs to the light
        // part and the bottom-left one to the dark part.
        for (int i = 0; i < b; ++i) {
            const int x0 = l + i, y0 = t + i, x1 = rt - 1 - i, y1 = bt - 1 - i;
            if (x1 < x0 || y1 < y0)
                break;
            canvas.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y0)), kLight);
            canvas.fillRect(QRect(QPoint(x0, y0), QPoint(x0, y1 - 1)), kLight);
            canvas.fillRect(QRect(QPoint(x0, y1), QPoint(x1 - 1, y1)), kDark);
            canvas.fillRect(QRect(QPoint(x1, y0 + 1), QPoint(x1, y1)), kDark);
        }

        const QString letter(QChar::fromLatin1(block.letter));
        const int tx = l + (rt - l - fm.horizontalAdvance(letter)) / 2;
        const int ty = t + (bt - t - fm.height()) / 2;
        canvas.setPen(Qt::black);
        TextOut(canvas, tx + shadow, ty + shadow, letter);
        canvas.setPen(Qt::white);
        TextOut(canvas, tx, ty, letter);
    }
}

void PaintMovesPage(QPainter& canvas, int printableWidth, const trulp::Puzzle& puzzle, const QString& date) {
    const float r = float(printableWidth) / 20;
    const QPaintDevice* device = canvas.device();
    canvas.save();
    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(Qt::black);

    for (const Tline& line : kLines) {
        canvas.setFont(CellHeightFont(kTextFamily, Units(line.height, r), false, device));
        TextOut(canvas, Units(line.x, r), Units(line.y, r), QString::fromUtf8(line.text));
    }
    canvas.setFont(CellHeightFont(kTextFamily, Units(0.5, r), false, device));
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

    const QFont entryFont = CellHeightFont(kTextFamily, Units(0.4, r), false, device);
    const QFont arrowFont = CellHeightFont(kArrowFamily, Units(0.4, r), false, device);
    const int last = std::clamp(int(puzzle.lastMove), 0, trulp::kMaxMoves);
    for (int n = 1; n <= last; ++n) {
        const int c = (n - 1) / 30;
        const int w = (n - 1) % 30;
        const int y = Units(0.6 * w + 6, r);
        const trulp::MoveRecord& move = puzzle.movesList[n];

        canvas.setFont(entryFont);
        TextOutRight(canvas, Units(2.5 * c + 2.25, r), y, QString::number(n));
        // Damaged entries keep their number but show no letter or arrow.
        if (move.block >= 1 && move.block <= trulp::kBlocks)
            TextOutRight(canvas, Units(2.5 * c + 3.1, r), y,
                         QString(QChar::fromLatin1(trulp::startTable[move.block].letter)));
        if (trulp::IsDirection(move.direction)) {
            canvas.setFont(arrowFont);
            TextOutRight(canvas, Units(2.5 * c + 3.7, r), y,
                         QString(QChar(trulp::ArrowGlyphs[move.direction])));
        }
    }

    PrintPosition(canvas, Units(12.5, r), Units(1.5, r), trulp::startTable, r);
    PrintPosition(canvas, Units(16.5, r), Units(1.5, r), puzzle.blockTable, r);
    canvas.restore();
}
