// The printed page of a game: title, date, start and final position pictures
// and the grid of moves. Everything is measured in r = printable width / 20,
// so the page looks the same on any resolution; it paints on any QPainter.
#pragma once

#include "board.h"

#include <QString>

class QPainter;

// Draws the ten blocks of a table as a small board picture with its top left
// at (left, top), fields 0.75 r wide, bevelled and lettered.
void PrintPosition(QPainter& canvas, int left, int top, const trulp::Block (&table)[trulp::kBlocks + 1],
                   float r);

// What the page records of a game: moves 1..lastMove of a 1-based list, the
// board as it stands, the puzzle's start and its name (none for the classic).
struct GameRecord {
    const trulp::MoveRecord* movesList;
    int lastMove;
    const trulp::Block (&board)[trulp::kBlocks + 1];
    const trulp::Block (&start)[trulp::kBlocks + 1] = trulp::startTable;
    QString puzzle = {};
};

// Draws the whole page.
void PaintMovesPage(QPainter& canvas, int printableWidth, const GameRecord& game, const QString& date);
