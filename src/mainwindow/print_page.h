// The printed page of a game: title, date, start and final position pictures
// and the grid of moves. Everything is measured in r = printable width / 20,
// so the page looks the same on any resolution; it paints on any QPainter.
#pragma once

#include "puzzledef.h"
#include "session.h"

#include <QString>

class QPainter;

namespace trulp {

// Draws a position of a puzzle as a small board picture with its top left
// at (left, top): fields 0.75 r wide, or smaller for a board wider than 4 or
// taller than 5 fields, pieces bevelled and lettered.
void PrintPosition(QPainter& canvas, int left, int top, const PuzzleDef& def, const uint8_t* anchors,
                   float r);

// What the page records of a game: its moves, its puzzle with the board as
// it stands, and the puzzle's name (none for the classic).
struct GameRecord {
    const ListShown& list;
    const BoardShown& board;
    QString puzzle = {};
};

// Draws the whole page, or page `page` (from 0) of a list longer than one
// page holds; Pages tells how many there are.
void PaintMovesPage(QPainter& canvas, int printableWidth, const GameRecord& game, const QString& date,
                    int page = 0);
int Pages(const GameRecord& game);

} // namespace trulp
