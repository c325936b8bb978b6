// What every puzzle shares: fields on a board of up to 10 x 10, sets of
// fields, the four directions of a step and one move of a line. A puzzle's
// own board, pieces and goal are its PuzzleDef (puzzledef.h).
#pragma once

#include <cstdint>

namespace trulp {

// A set of fields: bit n is field n, numbered row by row from the top left
// (row * columns + column).
__extension__ typedef unsigned __int128 FieldSet;

constexpr int kMaxSide = 10;
constexpr int kMaxFields = kMaxSide * kMaxSide;
constexpr int kMaxPieces = 26;
constexpr int kMaxPieceFields = 9;

// A step that would leave the board: never free, whatever stands where.
constexpr FieldSet kOffBoard = FieldSet(1) << 127;

constexpr FieldSet FieldBit(int field) {
    return FieldSet(1) << field;
}
inline int LowestField(FieldSet s) {
    const uint64_t low = uint64_t(s);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(uint64_t(s >> 64));
}
inline int FieldCount(FieldSet s) {
    return __builtin_popcountll(uint64_t(s)) + __builtin_popcountll(uint64_t(s >> 64));
}
// Calls visit(field) for each field of the set, lowest first.
template <class Visit> inline void ForEachField(FieldSet s, Visit&& visit) {
    for (uint64_t low = uint64_t(s); low != 0; low &= low - 1)
        visit(__builtin_ctzll(low));
    for (uint64_t high = uint64_t(s >> 64); high != 0; high &= high - 1)
        visit(64 + __builtin_ctzll(high));
}

// The moves list holds this many moves; the classic's move limit stops at 200.
constexpr int kMaxMoves = 500;
constexpr int kMinMoveLimit = 100; // range of the move-limit control
constexpr int kMaxMoveLimit = 200;
constexpr int kDefaultMoveLimit = 150;

// Direction codes; a set of directions is their OR.
enum Direction : uint8_t { Right = 1, Up = 2, Left = 4, Down = 8 };

// Indexed by direction code; only the four codes are valid indexes.
inline constexpr uint8_t OppositeDir[9] = {0, Left, Down, 0, Right, 0, 0, 0, Up};

// One-letter name of a direction in lists for people and files.
inline constexpr char DirectionLetters[9] = {0, 'R', 'U', 0, 'L', 0, 0, 0, 'D'};

constexpr bool IsDirection(unsigned d) {
    return d == Right || d == Up || d == Left || d == Down;
}

// The direction of a letter R, U, L or D; 0 for any other.
constexpr unsigned DirectionOfLetter(char c) {
    return c == 'R' ? Right : c == 'U' ? Up : c == 'L' ? Left : c == 'D' ? Down : 0;
}

// One move of a line: the piece, the direction it went, and a direction set
// whose meaning depends on who made the move (see the moves list).
struct MoveRecord {
    uint8_t block;
    uint8_t direction;
    uint8_t dirSet;
    friend bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

} // namespace trulp
