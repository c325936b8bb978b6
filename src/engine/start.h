// A puzzle's start: the one rule that says whether a start can be played,
// and, for the classic's ten blocks, its text form "A0 X1 B3 C8 D9 E11 F13
// G14 H16 I19" (each block's letter and the field of its top-left square,
// in block order), for files, the command line and the window alike.
#pragma once

#include "puzzledef.h"
#include "said.h"

#include <string>
#include <string_view>

namespace trulp {

enum class StartVerdict : uint8_t {
    Playable,
    OffBoard, // a piece not wholly on the board
    OnWall,   // a piece on a wall
    Overlap,  // two pieces on one field
    Solved,   // the goal met already
    NoWay,    // no line of moves leads to the goal (the coach's finding)
};

struct StartCheck {
    StartVerdict verdict = StartVerdict::Playable;
    int piece = 0; // the piece at fault
    int other = 0; // the piece it overlaps
    bool playable() const { return verdict == StartVerdict::Playable; }
};

// Playable as far as the board tells: every piece on the board, off the
// walls, none overlapping, the goal not met. Whether a way leads to the goal
// is for the coach's table to say.
StartCheck CheckStart(const PuzzleDef& def);
// What the program says of a start: how far the goal is when it can be
// played (`distance`, or kNoDistance for no way, or -1 while unknown),
// otherwise what is wrong with it.
Said StartSaid(const StartCheck& check, const PuzzleDef& def, int distance);

// The classic family's text form.
std::string FormatStart(const PuzzleDef& def);

struct ParsedStart {
    bool ok = false;
    PuzzleDef def; // the blocks read, also when only the playable rule refused them
    Said error;    // what is wrong, when not ok
};

// Exactly ten tokens separated by blanks, in block order, each the block's
// capital letter and a field 0..19; then the start must be playable.
ParsedStart ParseStart(std::string_view text);

} // namespace trulp
