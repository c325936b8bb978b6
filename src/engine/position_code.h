// A position in 50 bits, for the distance table and the shortest-line solver:
// the 1 x 1 blocks' fields (bits 0..19), the top squares of the 1 x 2 blocks
// (bits 20..39), D's field (40..44) and X's field (45..49). Like the board key
// it does not say which block of a shape is where.
#pragma once

#include "tenblock.h"

#include <algorithm>
#include <cstdint>

namespace trulp::detail {

constexpr int kTopsShift = 20;
constexpr int kDShift = 40;
constexpr int kXShift = 45;
constexpr uint64_t kNoCode = ~uint64_t(0); // no board has this code

// Field offsets by direction index k (direction code 1 << k).
constexpr int kStepDelta[4] = {1, -4, -1, 4};

// Where a table fails to be a real board of this puzzle: every block with
// its own shape, inside the board, no two on one field. `block` is the
// first block at fault, `other` the earlier block it overlaps.
enum class Placement : uint8_t { Ok, WrongShape, OffBoard, Overlap };
struct PlacementCheck {
    Placement placement;
    int block = 0;
    int other = 0;
};

inline PlacementCheck CheckPlacement(const Block (&table)[kBlocks + 1]) {
    uint32_t occupied = 0;
    for (int b = 1; b <= kBlocks; ++b) {
        const Block& k = table[b];
        if (k.shape != startTable[b].shape)
            return {Placement::WrongShape, b};
        if (!FitsOnBoard(k.shape, k.field))
            return {Placement::OffBoard, b};
        const BlockShape& s = shapeTable[k.shape];
        const uint32_t mask = s.mask << k.field;
        if (mask & occupied) {
            int other = 1;
            while (!((shapeTable[table[other].shape].mask << table[other].field) & mask))
                ++other;
            return {Placement::Overlap, b, other};
        }
        occupied |= mask;
    }
    return {Placement::Ok};
}

// Only a real board of this puzzle can be coded.
inline bool IsValidTable(const Block (&table)[kBlocks + 1]) {
    return CheckPlacement(table).placement == Placement::Ok;
}

// For valid tables only.
inline uint64_t CodeOf(const Block (&table)[kBlocks + 1]) {
    uint64_t code = 0;
    for (int b = 1; b <= kBlocks; ++b) {
        const uint64_t f = table[b].field;
        switch (table[b].shape) {
        case 1:
            code |= uint64_t(1) << f;
            break;
        case 2:
            code |= f << kDShift;
            break;
        case 3:
            code |= uint64_t(1) << (f + kTopsShift);
            break;
        default:
            code |= f << kXShift;
            break;
        }
    }
    return code;
}

// The board of a code with the blocks of each shape numbered in the order of
// their fields, as in the start position. Any two tables with one code give
// the same board here.
inline void TableOf(uint64_t code, Block (&table)[kBlocks + 1]) {
    std::copy(startTable, startTable + kBlocks + 1, table);
    uint32_t singles = uint32_t(code) & kFieldBits;
    uint32_t tops = uint32_t(code >> kTopsShift) & kFieldBits;
    for (int b = 1; b <= kBlocks; ++b) {
        uint8_t& field = table[b].field;
        switch (table[b].shape) {
        case 1:
            field = uint8_t(__builtin_ctz(singles));
            singles &= singles - 1;
            break;
        case 2:
            field = uint8_t((code >> kDShift) & 31);
            break;
        case 3:
            field = uint8_t(__builtin_ctz(tops));
            tops &= tops - 1;
            break;
        default:
            field = uint8_t((code >> kXShift) & 31);
            break;
        }
    }
}

inline uint32_t OccupiedOf(uint64_t code) {
    const uint32_t singles = uint32_t(code) & kFieldBits;
    const uint32_t tops = uint32_t(code >> kTopsShift) & kFieldBits;
    const unsigned d = unsigned(code >> kDShift) & 31;
    const unsigned x = unsigned(code >> kXShift) & 31;
    return singles | tops | tops << 4 | shapeTable[2].mask << d | shapeTable[4].mask << x;
}

inline bool IsGoalCode(uint64_t code) {
    return (unsigned(code >> kXShift) & 31) == unsigned(kGoalField);
}

// The code after a block of `shape` on `field` steps in direction 1 << k; the
// caller has checked that the step can be made.
inline uint64_t StepCode(uint64_t code, int shape, int field, int k) {
    const uint64_t to = uint64_t(field + kStepDelta[k]);
    switch (shape) {
    case 1:
        return code ^ (uint64_t(1) << field | uint64_t(1) << to);
    case 2:
        return code ^ (uint64_t(field) ^ to) << kDShift;
    case 3:
        return code ^ (uint64_t(1) << field | uint64_t(1) << to) << kTopsShift;
    default:
        return code ^ (uint64_t(field) ^ to) << kXShift;
    }
}

} // namespace trulp::detail
