// The toolbar icons and the logo are stored as plain 24-bit pictures whose
// background colour is the colour of their bottom-left pixel; on the window
// that colour is not drawn.
#pragma once

#include <QImage>
#include <QPixmap>

// The picture with every pixel of its bottom-left pixel's colour made fully
// transparent.
QImage TransparentImage(const QImage& picture);
QPixmap TransparentPicture(const QImage& picture);

// A toolbar picture or the logo (resource path without ".png"), made
// transparent unless asked not to, to show at `shown` logical pixels on a
// screen of the density: the one drawn at twice the size where the density
// asks for more than one and a quarter of it, shrunk or enlarged smoothly
// where it must.
QPixmap ToolbarPicture(const QString& base, QSize shown, qreal devicePixelRatio, bool transparent = true);
