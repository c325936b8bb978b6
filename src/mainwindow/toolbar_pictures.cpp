#include "toolbar_pictures.h"

QImage TransparentImage(const QImage& picture) {
    if (picture.isNull())
        return {};
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

QPixmap TransparentPicture(const QImage& picture) {
    return QPixmap::fromImage(TransparentImage(picture));
}

QPixmap ToolbarPicture(const QString& base, QSize shown, qreal devicePixelRatio, bool transparent) {
    const QImage plain(base + QStringLiteral(".png"));
    const QSize pixels = shown * devicePixelRatio;
    const bool dense = pixels.width() * 4 > plain.width() * 5;
    QImage picture = dense ? QImage(base + QStringLiteral("@2x.png")) : plain;
    if (transparent)
        picture = TransparentImage(picture);
    if (!picture.isNull() && picture.size() != pixels) {
        // Premultiplied, so that the transparent background does not darken the edges.
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                      .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
