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

QPixmap ToolbarPicture(const QString& base, qreal devicePixelRatio) {
    const bool dense = devicePixelRatio > 1.25;
    QPixmap picture =
        TransparentPicture(QImage(base + (dense ? QStringLiteral("@2x.png") : QStringLiteral(".png"))));
    picture.setDevicePixelRatio(dense ? 2 : 1);
    return picture;
}
