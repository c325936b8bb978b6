// The puzzle's fixed facts: fields, shapes, blocks, directions and the start
// position. Nothing here has state; Puzzle (puzzle.h) holds the live tables.
#pragma once

#include <cstdint>

namespace trulp {

constexpr int kColumns = 4;
constexpr int kRows = 5;
constexpr int kFields = kColumns * kRows;
constexpr int kBlocks = 10;
constexpr int kShapes = 4;
constexpr int kGoalField = 13;
constexpr int kXBlock = 2;
constexpr uint32_t kFieldBits = (1u << kFields) - 1;

constexpr int kMaxMoves = 200;     // capacity of the moves list
constexpr int kMinMoveLimit = 100; // range of the move-limit control
constexpr int kMaxMoveLimit = 200;
constexpr int kDefaultMoveLimit = 150;

// Direction codes; a set of directions is their OR.
enum Direction : uint8_t { Right = 1, Up = 2, Left = 4, Down = 8 };

struct BlockShape {
    uint8_t width;  // in fields
    uint8_t height; // in fields
    uint32_t mask;  // covered squares with the top-left square at bit 0
};

struct Block {
    uint8_t shape; // 1..4
    uint8_t field; // 0..19, the top-left square
    char letter;
};

// Index 0 is unused so that shapes and blocks keep their 1-based numbers.
inline constexpr BlockShape shapeTable[kShapes + 1] = {
    {0, 0, 0}, {1, 1, 0x01}, {2, 1, 0x03}, {1, 2, 0x11}, {2, 2, 0x33},
};

inline constexpr Block startTable[kBlocks + 1] = {
    {0, 0, ' '},  {3, 0, 'A'},  {4, 1, 'X'},  {3, 3, 'B'},  {3, 8, 'C'},  {2, 9, 'D'},
    {3, 11, 'E'}, {1, 13, 'F'}, {1, 14, 'G'}, {1, 16, 'H'}, {1, 19, 'I'},
};

// Indexed by direction code; only the four codes are valid indexes.
inline constexpr uint8_t OppositeDir[9] = {0, Left, Down, 0, Right, 0, 0, 0, Up};

// One-letter name of a direction in the command line tool's lists.
inline constexpr char DirectionLetters[9] = {0, 'R', 'U', 0, 'L', 0, 0, 0, 'D'};

constexpr bool IsDirection(unsigned d) {
    return d == Right || d == Up || d == Left || d == Down;
}

// Field offset of a step, by direction code; other codes do not move.
// A table rather than a switch: the solver steps blocks in unpredictable
// directions millions of times.
inline constexpr int8_t kStepOffset[16] = {0, 1, -4, 0, -1, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0};

constexpr int StepOffset(unsigned direction) {
    return direction < 16 ? kStepOffset[direction] : 0;
}

constexpr int StepField(int field, unsigned direction) {
    return field + StepOffset(direction);
}

constexpr int UnstepField(int field, unsigned direction) {
    return field - StepOffset(direction);
}

// A block of this shape with its top-left square on `field` lies wholly
// on the board.
constexpr bool FitsOnBoard(int shape, int field) {
    if (shape < 1 || shape > kShapes || field < 0 || field >= kFields)
        return false;
    const BlockShape& s = shapeTable[shape];
    return field % kColumns + s.width <= kColumns && field / kColumns + s.height <= kRows;
}

// One move of a line: the block, the direction it went, and a direction set
// whose meaning depends on who made the move (see the moves list).
struct MoveRecord {
    uint8_t block;
    uint8_t direction;
    uint8_t dirSet;
};

namespace detail {
// For each shape, field and direction: the fields a step would newly cover,
// or kBlocked when the step would leave the board.
constexpr uint32_t kBlocked = 1u << 31;
struct alignas(16) StepNeeds {
    uint32_t need[kShapes + 1][kFields][4];
};
constexpr StepNeeds MakeStepNeeds() {
    StepNeeds t{};
    for (int s = 1; s <= kShapes; ++s) {
        const BlockShape& sh = shapeTable[s];
        for (int f = 0; f < kFields; ++f) {
            const uint32_t m = sh.mask << f;
            const int column = f % kColumns, row = f / kColumns;
            t.need[s][f][0] = column + sh.width - 1 < 3 ? (m << 1) & ~m : kBlocked;
            t.need[s][f][1] = row > 0 ? (m >> 4) & ~m : kBlocked;
            t.need[s][f][2] = column > 0 ? (m >> 1) & ~m : kBlocked;
            t.need[s][f][3] = row + sh.height - 1 < 4 ? (m << 4) & ~m : kBlocked;
        }
    }
    return t;
}
inline constexpr StepNeeds kStepNeeds = MakeStepNeeds();
} // namespace detail

} // namespace trulp
