#include "paintkit.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>

#include <cmath>

namespace trulp {

namespace {

// A line one pixel thick. Under a painter that scales it below a pixel of
// the device it might fall between the device's pixels and vanish; there it
// is one device pixel thick, in the row or column where its middle falls.
void FillLine(QPainter& canvas, int x, int y, int w, int h, const QColor& colour) {
    const QTransform& t = canvas.deviceTransform();
    const bool thin = t.type() <= QTransform::TxScale && (h == 1 ? t.m22() : t.m11()) < 1;
    if (!thin) {
        canvas.fillRect(x, y, w, h, colour);
        return;
    }
    QRectF r(x, y, w, h);
    if (h == 1) {
        const double row = std::floor(t.m22() * (y + 0.5) + t.dy());
        r.setTop((row - t.dy()) / t.m22());
        r.setHeight(1 / t.m22());
    } else {
        const double column = std::floor(t.m11() * (x + 0.5) + t.dx());
        r.setLeft((column - t.dx()) / t.m11());
        r.setWidth(1 / t.m11());
    }
    canvas.fillRect(r, colour);
}

} // namespace

void GdiLine(QPainter& canvas, QPoint from, QPoint to, const QColor& colour) {
    if (from.y() == to.y()) {
        if (from.x() < to.x())
            FillLine(canvas, from.x(), from.y(), to.x() - from.x(), 1, colour);
        else if (from.x() > to.x())
            FillLine(canvas, to.x() + 1, from.y(), from.x() - to.x(), 1, colour);
    } else if (from.x() == to.x()) {
        if (from.y() < to.y())
            FillLine(canvas, from.x(), from.y(), 1, to.y() - from.y(), colour);
        else
            FillLine(canvas, from.x(), to.y() + 1, 1, from.y() - to.y(), colour);
    }
}

void BevelRing(QPainter& canvas, const QRect& r, int i, const QColor& light, const QColor& dark) {
    const QPoint topRight(r.right() - i, r.top() + i), topLeft(r.left() + i, r.top() + i);
    const QPoint bottomLeft(r.left() + i, r.bottom() - i), bottomRight(r.right() - i, r.bottom() - i);
    GdiLine(canvas, topRight, topLeft, light);
    GdiLine(canvas, topLeft, bottomLeft, light);
    GdiLine(canvas, bottomLeft, bottomRight, dark);
    GdiLine(canvas, bottomRight, topRight, dark);
}

void Bevel(QPainter& canvas, const QRect& r, int rings, const QColor& light, const QColor& dark) {
    for (int i = 0; i < rings && 2 * i < r.width() && 2 * i < r.height(); ++i)
        BevelRing(canvas, r, i, light, dark);
}

QFont CellFont(const QString& family, int cell, bool bold, bool italic, const QPaintDevice* device) {
    // Fitting measures a few sizes; a window asks for the same few fonts
    // again and again, so the sizes found are kept per device resolution.
    static QHash<QString, int> cache;
    const int dpi = device != nullptr ? device->logicalDpiY() : 0;
    const QString key = QStringLiteral("%1/%2/%3%4/%5").arg(family).arg(cell).arg(bold).arg(italic).arg(dpi);
    QFont font(family);
    // fontconfig maps Arial to its metric twin; name both so either works.
    if (family == QLatin1String("Arial"))
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) {
        font.setPixelSize(*it);
        return font;
    }
    const auto cellOf = [&](int size) {
        font.setPixelSize(size);
        return device != nullptr ? QFontMetrics(font, device).height() : QFontMetrics(font).height();
    };
    // Cells of these faces run about 1.15 em; start there and walk to the
    // largest size whose cell still fits.
    int size = std::max(1, int(std::lround(cell / 1.149)));
    while (size > 1 && cellOf(size) > cell)
        --size;
    while (cellOf(size + 1) <= cell)
        ++size;
    font.setPixelSize(size);
    cache.insert(key, size);
    return font;
}

QFont Arial(int cell, bool bold, bool italic, const QPaintDevice* device) {
    return CellFont(QStringLiteral("Arial"), cell, bold, italic, device);
}

QFont ArrowFont(int cell, const QPaintDevice* device) {
    return CellFont(QStringLiteral("DejaVu Sans"), cell, false, false, device);
}

void TextOut(QPainter& canvas, int x, int y, const QString& text) {
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
}

void PaintBlock(QPainter& canvas, const QRect& r, QChar letter, const BlockLook& look) {
    canvas.fillRect(r, look.fill);
    Bevel(canvas, r, look.rings, look.light, look.dark);
    canvas.setFont(look.font);
    const QString text(letter);
    const QFontMetrics fm = canvas.fontMetrics();
    const int tx = r.left() + (r.width() - fm.horizontalAdvance(text)) / 2;
    const int ty = r.top() + (r.height() - fm.height()) / 2;
    canvas.setPen(Qt::black);
    TextOut(canvas, tx + look.shadow, ty + look.shadow, text);
    canvas.setPen(Qt::white);
    TextOut(canvas, tx, ty, text);
}

QImage ScreenImage(QSize logical, qreal devicePixelRatio, double scale) {
    QImage image(logical * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio * scale);
    image.fill(Qt::white);
    return image;
}

void KeepLogicalPixels(QPainter& canvas) {
    const qreal density = canvas.device()->devicePixelRatio();
    if (density < 1)
        canvas.scale(density, density);
}

void DrawImagePart(QPainter& canvas, const QRect& r, const QImage& image, qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : image.devicePixelRatio();
    canvas.drawImage(QRectF(r), image, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
}

} // namespace trulp
