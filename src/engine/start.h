// A puzzle's start position: the one rule that says whether a start can be
// played, and its text form "A0 X1 B3 C8 D9 E11 F13 G14 H16 I19" (each
// block's letter and the field of its top-left square, in block order), for
// files, the command line and the window alike.
#pragma once

#include "board.h"
#include "said.h"

#include <string>
#include <string_view>

namespace trulp {

enum class StartVerdict : uint8_t {
    Playable,
    WrongShape, // a block that is not its own shape
    OffBoard,   // a block not wholly on the board
    Overlap,    // two blocks on one field
    Solved,     // X already on the goal
    NoWay,      // no line of moves leads to the goal
};

struct StartCheck {
    StartVerdict verdict = StartVerdict::Playable;
    int block = 0; // the block at fault
    int other = 0; // the block it overlaps
    bool playable() const { return verdict == StartVerdict::Playable; }
};

// Playable: every block its own shape, inside the board, no two overlapping,
// X not on the goal, and a way to the goal.
StartCheck CheckStart(const Block (&start)[kBlocks + 1]);
inline bool IsPlayable(const Block (&start)[kBlocks + 1]) {
    return CheckStart(start).playable();
}
// What the program says of a start: how far the goal is when it can be
// played, otherwise what is wrong with it.
Said StartSaid(const StartCheck& check, const Block (&start)[kBlocks + 1]);

// Block by block: the same fields for the same numbers.
bool SameStart(const Block (&a)[kBlocks + 1], const Block (&b)[kBlocks + 1]);
inline bool IsClassicStart(const Block (&start)[kBlocks + 1]) {
    return SameStart(start, startTable);
}

std::string FormatStart(const Block (&start)[kBlocks + 1]);

struct ParsedStart {
    bool ok = false;
    Block start[kBlocks + 1] = {}; // the fields read, also when only the playable rule refused them
    Said error;                    // what is wrong, when not ok
};

// Exactly ten tokens separated by blanks, in block order, each the block's
// capital letter and a field 0..19; then the start must be playable.
ParsedStart ParseStart(std::string_view text);

} // namespace trulp
