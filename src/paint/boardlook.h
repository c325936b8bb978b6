// How a puzzle looks on screen and on paper: the size of a field, the
// colours of the pieces, and the board picture itself - free fields, walls,
// pieces of any shape as outlined shapes with their letters, the keyboard's
// ring. The engine knows fields; the pictures know pixels. The classic's
// rectangles are drawn as they always were.
#pragma once

#include "paintkit.h"
#include "puzzledef.h"

#include <QChar>
#include <QColor>
#include <QRect>

namespace trulp {

// A field of the classic's board picture, in design pixels, and the area
// every board picture fills.
constexpr int kFieldPixels = 100;
constexpr QRect kBoardArea{0, 0, 4 * kFieldPixels, 5 * kFieldPixels};

// Where a board is drawn in an area: the largest whole field that fits,
// the board centred.
struct BoardGeometry {
    int columns = 4;
    int rows = 5;
    int field = kFieldPixels;
    QPoint origin;
    QRect fieldRect(int f) const {
        return {origin.x() + f % columns * field, origin.y() + f / columns * field, field, field};
    }
    QRect board() const { return {origin, QSize(columns * field, rows * field)}; }
};
BoardGeometry GeometryOf(const PuzzleDef& def, const QRect& area);

// A piece's fill: red for the goal's pieces, blue for the others.
QColor PieceColour(bool goal);
// A piece on the board picture: its colour with light and dark bevels
// derived per channel, rings and letter in proportion to the field.
BlockLook BoardLook(bool goal, int field = kFieldPixels);
// The field of a shape (dx, dy) its letter and ring stand on: the middle of
// a rectangle, else the covered field nearest the middle.
QPoint LetterField(const ShapeDef& shape);
// The middle of that field for a piece drawn at `at` (a rectangle's middle).
QPoint LetterCentre(const ShapeDef& shape, QPoint at, int field);
// The rectangle around a piece standing with its anchor on `anchor`.
QRect PieceRect(const PuzzleDef& def, int piece, int anchor, const BoardGeometry& g);

// A piece of any shape with the top left of its rectangle at `at`: a
// rectangle as the classic's blocks, any other shape filled as one and
// bevelled along its outline, its letter on LetterField.
void PaintPiece(QPainter& canvas, const ShapeDef& shape, QPoint at, int field, QChar letter,
                const BlockLook& look);

// The board's fields: free ones white, walls dark, the area around grey.
void PaintFields(QPainter& canvas, const PuzzleDef& def, const BoardGeometry& g, const QRect& area);

} // namespace trulp
