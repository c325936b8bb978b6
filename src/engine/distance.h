// The number of moves to the goal from every position reachable from the
// start, built once by breadth-first search. Blocks of the same shape count
// as interchangeable, as in the board key; a move is a single-field step.
#pragma once

#include "board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trulp {

// Distance of a position that is not in the table: an impossible board, or
// one that cannot be reached from the start.
constexpr int kNoDistance = -1;

// A set of steps: bit 4 * (block - 1) + k stands for the step of `block` in
// direction 1 << k. Ascending bits follow the candidate order: blocks 1 to
// 10, and per block right, up, left, down.
constexpr uint64_t StepBit(int block, unsigned direction) {
    return uint64_t(1) << (4 * (block - 1) + __builtin_ctz(direction));
}

class DistanceTable {
public:
    // Builds a table of its own (a few milliseconds); most callers want Shared().
    DistanceTable();

    // The one table of the program, built on first use.
    static const DistanceTable& Shared();

    // Moves from the position in `table` (1-based, 10 blocks) to the goal, or
    // kNoDistance.
    int Distance(const Block (&table)[kBlocks + 1]) const;

    // Every step that brings the position one move nearer the goal; none on
    // the goal or for a position not in the table.
    uint64_t BestMoves(const Block (&table)[kBlocks + 1]) const;

    // The first of BestMoves (dirSet 0), or a record with block 0 when there
    // is none.
    MoveRecord BestMove(const Block (&table)[kBlocks + 1]) const;

    // The distance after each move of a 1-based list replayed from the
    // start: out[0] at the start, out[n] after move n. Returns the number of
    // moves replayed; the first the board cannot make ends the line.
    int LineDistances(const MoveRecord* list, int count, int (&out)[kMaxMoves + 1]) const;

    int size() const { return count_; }
    size_t memoryBytes() const;

private:
    int distanceOf(uint64_t code) const;

    std::vector<uint64_t> codes_;    // open addressing, empty slots hold kNoCode
    std::vector<uint8_t> distances_; // by slot
    int count_ = 0;
};

} // namespace trulp
