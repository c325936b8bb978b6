// The ten blocks of the classic on its 4 x 5 board: their shapes, the
// classic start and the goal, as fixed tables. The family's own table of
// every placement (distance.h) and its puzzle definitions are made from
// them; everything that plays works on PuzzleDef.
#pragma once

#include "board.h"

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
