// How the puzzle looks on screen and on paper: the size of a field, the
// colours of the shapes and a block's rectangle. The engine knows fields; the pictures know pixels.
#pragma once

#include "board.h"
#include "paintkit.h"

#include <QChar>
#include <QColor>
#include <QRect>

namespace trulp {

// A field on the board picture, in design pixels.
constexpr int kFieldPixels = 100;
constexpr QRect kBoardArea{0, 0, kColumns* kFieldPixels, kRows* kFieldPixels};

// A block's fill: blue, and red for X.
QColor ShapeColour(int shape);
// The rectangle a block covers on a board whose fields are `field` pixels.
QRect BlockRect(const Block& b, int field = kFieldPixels);
// A block on the board picture: its shape's colour with light and dark
// bevels derived per channel, four rings, a 40-pixel bold letter.
BlockLook BoardLook(int shape);

} // namespace trulp
