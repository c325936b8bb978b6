// The drawing every picture of the program is made of, written once: exact
// pixel lines, bevel rings, the block picture, fonts chosen by the height of
// their character cell, and text placed by its cell. Everything paints on a
// QPainter it is given, so the screen, the printer and test images alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

class QPaintDevice;

namespace trulp {

// A line in the classic move-to / line-to manner: it covers its start pixel
// and stops short of its end pixel. Horizontal and vertical only, filled as
// one-pixel rectangles, so no device antialiases it.
void GdiLine(QPainter& canvas, QPoint from, QPoint to, const QColor& colour);

// Ring i of a bevel on the rectangle: light along the top and left (its
// top-right pixel included), dark along the bottom and right (its
// bottom-left pixel included).
void BevelRing(QPainter& canvas, const QRect& r, int i, const QColor& light, const QColor& dark);
// Rings 0..rings - 1.
void Bevel(QPainter& canvas, const QRect& r, int rings, const QColor& light, const QColor& dark);

// The largest face of `family` whose character cell (ascent + descent) fits
// `cell` pixels of the device (the screen when none is given).
QFont CellFont(const QString& family, int cell, bool bold = false, bool italic = false,
               const QPaintDevice* device = nullptr);
// The plain sans-serif face of the program, and the face of the arrows.
QFont Arial(int cell, bool bold = false, bool italic = false, const QPaintDevice* device = nullptr);
QFont ArrowFont(int cell, const QPaintDevice* device = nullptr);

// Text with the top-left corner of its character cell at (x, y), in the
// painter's font and pen, without a background.
void TextOut(QPainter& canvas, int x, int y, const QString& text);

// How a block is drawn: its fill, its bevel and its lettering.
struct BlockLook {
    QColor fill, light, dark;
    int rings;
    QFont font; // the letter's
    int shadow; // offset of the letter's black shadow, down and right
};

// A block on the rectangle: filled, bevelled, and its letter centred in
// white over a black shadow.
void PaintBlock(QPainter& canvas, const QRect& r, QChar letter, const BlockLook& look);

// An off-screen picture of a logical size at the screen's density, so that
// what is drawn into it stays sharp on a screen of twice the density.
// Made for a surface drawn at `scale`, it covers `logical` pixels of the
// screen one to one, and a painter on it (see KeepLogicalPixels) works in
// the surface's design pixels.
QImage ScreenImage(QSize logical, qreal devicePixelRatio, double scale = 1);
// QPainter applies a picture's density itself only from one up; this
// applies one below it, so that a painter on any picture (a ScreenImage
// made for a surface scaled down, too) works in its logical pixels.
void KeepLogicalPixels(QPainter& canvas);
// Copies the part `r` (logical pixels) of such a picture to the same place,
// one to one at `devicePixelRatio` (the picture's own unless given; the
// screen's for a picture made for a scaled surface).
void DrawImagePart(QPainter& canvas, const QRect& r, const QImage& image, qreal devicePixelRatio = 0);

} // namespace trulp
