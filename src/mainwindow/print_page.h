// The printed page of a game: title, date, start and final position pictures
// and the grid of moves. Everything is measured in r = printable width / 20,
// so the page looks the same on any resolution; it paints on any QPainter.
#pragma once

#include "board.h"
#include "puzzle.h"

#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

// Draws the ten blocks of a table as a small board picture with its top left
// at (left, top), fields 0.75 r wide, bevelled and lettered.
void PrintPosition(QPainter& canvas, int left, int top, const trulp::Block (&table)[trulp::kBlocks + 1],
                   float r);

// Draws the whole page for the puzzle's moves list and board.
void PaintMovesPage(QPainter& canvas, int printableWidth, const trulp::Puzzle& puzzle, const QString& date);

// The largest font of the family whose character cell (ascent + descent) on
// the device fits cellHeight device pixels.
QFont CellHeightFont(const QString& family, int cellHeight, bool bold, const QPaintDevice* device);
