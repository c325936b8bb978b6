#include "targetview.h"

#include "paintkit.h"

#include <QPainter>

namespace trulp {

namespace {
constexpr QSize kSize(60, 75);
}

TargetView::TargetView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox2"));
    setAccessibleName(tr("target"));
    setAccessibleDescription(tr("block X must stand on the two centre fields of the two bottom rows"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TargetView::paintTarget(QPainter& canvas) {
    const int w = kSize.width(), h = kSize.height();
    canvas.fillRect(0, 0, w, h, Qt::white);
    const QColor grid(0xC0, 0xC0, 0xC0);
    for (int x : {15, 30, 45})
        GdiLine(canvas, {x, 0}, {x, h}, grid);
    for (int y : {15, 30, 45, 60})
        GdiLine(canvas, {0, y}, {w, y}, grid);
    const QRect goal(15, 45, 30, 30);
    canvas.fillRect(goal, QColor(0xFF, 0, 0));
    Bevel(canvas, goal, 2, QColor(0xFF, 0x80, 0x80), QColor(0x70, 0, 0));
    canvas.setFont(Arial(20, true));
    canvas.setPen(Qt::black);
    TextOut(canvas, 25, 52, QStringLiteral("X"));
    canvas.setPen(Qt::white);
    TextOut(canvas, 23, 50, QStringLiteral("X"));
}

void TargetView::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    canvas.scale(width() / double(kSize.width()), height() / double(kSize.height()));
    paintTarget(canvas);
}

QImage TargetView::picture() const {
    QImage image(kSize, QImage::Format_RGB32);
    QPainter canvas(&image);
    paintTarget(canvas);
    return image;
}

} // namespace trulp
