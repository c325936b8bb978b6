#include "boardlook.h"

#include <algorithm>
#include <cmath>

namespace trulp {

BoardGeometry GeometryOf(const PuzzleDef& def, const QRect& area) {
    BoardGeometry g;
    g.columns = std::max(1, def.columns());
    g.rows = std::max(1, def.rows());
    g.field = std::max(1, std::min(area.width() / g.columns, area.height() / g.rows));
    g.origin = area.topLeft() +
               QPoint((area.width() - g.columns * g.field) / 2, (area.height() - g.rows * g.field) / 2);
    return g;
}

QColor PieceColour(bool goal) {
    return goal ? QColor(0xFF, 0x00, 0x00) : QColor(0x00, 0x60, 0xFF);
}

BlockLook BoardLook(bool goal, int field) {
    const QColor c = PieceColour(goal);
    return {c,
            QColor(c.red() | 0xA0, c.green() | 0xA0, c.blue() | 0xA0),
            QColor(c.red() & 0xC0, c.green() & 0xC0, c.blue() & 0xC0),
            std::max(1, field * 4 / kFieldPixels),
            Arial(std::max(6, field * 40 / kFieldPixels), true),
            std::max(1, field * 2 / kFieldPixels)};
}

QPoint LetterField(const ShapeDef& shape) {
    const double cx = (shape.width - 1) / 2.0, cy = (shape.height - 1) / 2.0;
    QPoint best;
    double nearest = 1e9;
    for (int dy = 0; dy < shape.height; ++dy)
        for (int dx = 0; dx < shape.width; ++dx)
            if (shape.covers(dx, dy)) {
                const double d = std::hypot(dx - cx, dy - cy);
                if (d < nearest - 1e-9) {
                    nearest = d;
                    best = {dx, dy};
                }
            }
    return best;
}

QPoint LetterCentre(const ShapeDef& shape, QPoint at, int field) {
    if (shape.rectangle())
        return at + QPoint(shape.width * field / 2, shape.height * field / 2);
    const QPoint l = LetterField(shape);
    return at + QPoint(l.x() * field + field / 2, l.y() * field + field / 2);
}

QRect PieceRect(const PuzzleDef& def, int piece, int anchor, const BoardGeometry& g) {
    const ShapeDef& s = def.shape(def.piece(piece).shape);
    return {g.fieldRect(anchor).topLeft(), QSize(s.width * g.field, s.height * g.field)};
}

void PaintPiece(QPainter& canvas, const ShapeDef& shape, QPoint at, int field, QChar letter,
                const BlockLook& look) {
    if (shape.rectangle()) {
        PaintBlock(canvas, QRect(at, QSize(shape.width * field, shape.height * field)), letter, look);
        return;
    }
    const auto cell = [&](int dx, int dy) {
        return QRect(at + QPoint(dx * field, dy * field), QSize(field, field));
    };
    for (int dy = 0; dy < shape.height; ++dy)
        for (int dx = 0; dx < shape.width; ++dx)
            if (shape.covers(dx, dy))
                canvas.fillRect(cell(dx, dy), look.fill);
    // The bevel follows the outline: lit where the shape ends above or to
    // the left, shaded where it ends below or to the right.
    const int w = look.rings;
    for (int dy = 0; dy < shape.height; ++dy)
        for (int dx = 0; dx < shape.width; ++dx) {
            if (!shape.covers(dx, dy))
                continue;
            const QRect c = cell(dx, dy);
            if (!shape.covers(dx, dy - 1))
                canvas.fillRect(c.left(), c.top(), field, w, look.light);
            if (!shape.covers(dx - 1, dy))
                canvas.fillRect(c.left(), c.top(), w, field, look.light);
            if (!shape.covers(dx, dy + 1))
                canvas.fillRect(c.left(), c.bottom() - w + 1, field, w, look.dark);
            if (!shape.covers(dx + 1, dy))
                canvas.fillRect(c.right() - w + 1, c.top(), w, field, look.dark);
        }
    const QPoint l = LetterField(shape);
    canvas.save();
    canvas.setClipRect(cell(l.x(), l.y()));
    const QRect c = cell(l.x(), l.y());
    canvas.setFont(look.font);
    const QString text(letter);
    const QFontMetrics fm = canvas.fontMetrics();
    const int tx = c.left() + (c.width() - fm.horizontalAdvance(text)) / 2;
    const int ty = c.top() + (c.height() - fm.height()) / 2;
    canvas.setPen(Qt::black);
    TextOut(canvas, tx + look.shadow, ty + look.shadow, text);
    canvas.setPen(Qt::white);
    TextOut(canvas, tx, ty, text);
    canvas.restore();
}

void PaintFields(QPainter& canvas, const PuzzleDef& def, const BoardGeometry& g, const QRect& area) {
    const QRect board = g.board();
    if (board != area)
        canvas.fillRect(area, QColor(0xA8, 0xA8, 0xA8));
    canvas.fillRect(board, Qt::white);
    const QColor wall(0x58, 0x58, 0x58);
    const QColor wallLight(0x80, 0x80, 0x80), wallDark(0x38, 0x38, 0x38);
    const int rings = std::max(1, g.field / 25);
    ForEachField(def.walls(), [&](int f) {
        const QRect r = g.fieldRect(f);
        canvas.fillRect(r, wall);
        Bevel(canvas, r, rings, wallLight, wallDark);
    });
}

} // namespace trulp
