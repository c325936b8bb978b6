// Exact pixel lines in the classic move-to / line-to manner: a line covers
// its start pixel and stops short of its end pixel. Only horizontal and
// vertical lines are needed, so they are filled as one-pixel rectangles,
// free of any antialiasing.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>

namespace trulp {

inline void GdiLine(QPainter& canvas, QPoint from, QPoint to, const QColor& colour) {
    if (from.y() == to.y()) {
        if (from.x() < to.x())
            canvas.fillRect(from.x(), from.y(), to.x() - from.x(), 1, colour);
        else if (from.x() > to.x())
            canvas.fillRect(to.x() + 1, from.y(), from.x() - to.x(), 1, colour);
    } else if (from.x() == to.x()) {
        if (from.y() < to.y())
            canvas.fillRect(from.x(), from.y(), 1, to.y() - from.y(), colour);
        else
            canvas.fillRect(from.x(), to.y() + 1, 1, from.y() - to.y(), colour);
    }
}

// Ring i of a bevel on the rectangle (x, y, w, h): light along the top and
// left, dark along the bottom and right.
inline void BevelRing(QPainter& canvas, int x, int y, int w, int h, int i, const QColor& light,
                      const QColor& dark) {
    const QPoint topRight(x + w - 1 - i, y + i), topLeft(x + i, y + i);
    const QPoint bottomLeft(x + i, y + h - 1 - i), bottomRight(x + w - 1 - i, y + h - 1 - i);
    GdiLine(canvas, topRight, topLeft, light);
    GdiLine(canvas, topLeft, bottomLeft, light);
    GdiLine(canvas, bottomLeft, bottomRight, dark);
    GdiLine(canvas, bottomRight, topRight, dark);
}

} // namespace trulp
