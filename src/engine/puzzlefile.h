// The puzzle file: a plain text a person can type from a book.
//
//   TRULP puzzle
//   name: Century
//   by: John H. Conway
//   note: any text, one line
//   start:
//   A X X B
//   ...
//   goal:
//   . . . .
//   ...
//
// Key lines (name: required), then the start's rows (. free, # wall, a
// letter a piece's field; single spaces between fields allowed), then the
// goal's rows (a letter where that piece must stand, anything else "don't
// care"). Blank lines are ignored. A game of such a puzzle is kept as the
// same text under the mark "TRULP moves", with its moves after "moves:"
// (letter and R, U, L or D). Everything is checked before anything is made.
#pragma once

#include "board.h"
#include "puzzledef.h"
#include "said.h"

#include <string>
#include <string_view>
#include <vector>

namespace trulp {

inline constexpr std::string_view kPuzzleMark = "TRULP puzzle";
inline constexpr std::string_view kGameMark = "TRULP moves";
constexpr size_t kLargestPuzzleText = 64 * 1024;

struct ReadPuzzle {
    bool ok = false;
    PuzzleDef def;
    Said error;                    // what is wrong, when not ok
    std::vector<MoveRecord> moves; // a game's moves (dirSet 0), checked against the start
};

// A puzzle text. With `mark` kGameMark, a game: the puzzle and its moves,
// which must be made one after the other from the start.
ReadPuzzle ReadPuzzleText(std::string_view text, std::string_view mark = kPuzzleMark);
// Whether a text begins with the mark.
bool HasMark(std::string_view text, std::string_view mark);

// The puzzle as text, from its start or from the anchors given (the board
// as it stands), which then become the start.
std::string PuzzleText(const PuzzleDef& def, const uint8_t* anchors = nullptr);
// A game: the puzzle from its start and moves 1..count of a 1-based list.
std::string GameText(const PuzzleDef& def, const MoveRecord* list, int count);

// A list as the files write it: "AR XD ..." (letters, R U L D).
std::string MovesText(const PuzzleDef& def, const MoveRecord* list, int count);

} // namespace trulp
