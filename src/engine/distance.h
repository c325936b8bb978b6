// The number of moves to the goal from every placement of the ten blocks on
// the board, built once by breadth-first search from all goal positions,
// with the family (the positions connected by moves) of each. Blocks of the
// same shape count as interchangeable, as in the board key; a move is a
// single-field step.
#pragma once

#include "board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trulp {

// Distance of a position from which the goal cannot be reached, or of a
// table that is not a real board.
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
    // Whether Shared() has been built: a window asks before it shows
    // anything of the table, so that it can show itself first.
    static bool SharedBuilt();

    // Moves from the position in `table` (1-based, 10 blocks) to the goal, or
    // kNoDistance.
    int Distance(const Block (&table)[kBlocks + 1]) const;

    // Every step that brings the position one move nearer the goal; none on
    // the goal or for a position without a way there.
    uint64_t BestMoves(const Block (&table)[kBlocks + 1]) const;

    // The first of BestMoves (dirSet 0), or a record with block 0 when there
    // is none.
    MoveRecord BestMove(const Block (&table)[kBlocks + 1]) const;

    // The distance after each move of a 1-based list replayed from `start`:
    // out[0] at the start, out[n] after move n. Returns the number of moves
    // replayed; the first the board cannot make ends the line.
    int LineDistances(const Block (&start)[kBlocks + 1], const MoveRecord* list, int count,
                      int (&out)[kMaxMoves + 1]) const;
    // The same from the classic start.
    int LineDistances(const MoveRecord* list, int count, int (&out)[kMaxMoves + 1]) const;

    // How many positions the position's family holds, itself included; 0
    // for a table that is not a real board.
    int FamilySize(const Block (&table)[kBlocks + 1]) const;

    // The positions exactly `distance` moves from the goal: how many, and
    // the n-th of them (0-based, blocks of a shape numbered in the order of
    // their fields). PositionAt is false for an n out of range.
    int CountAt(int distance) const;
    bool PositionAt(int distance, int n, Block (&table)[kBlocks + 1]) const;
    // The greatest distance any position has.
    int MaxDistance() const { return int(firstAt_.size()) - 2; }

    int size() const { return int(distances_.size()); } // every placement
    int families() const { return int(familySizes_.size()); }
    int solvable() const { return int(byDistance_.size()); } // positions with a way to the goal
    size_t memoryBytes() const;

private:
    // A position is its frame (where X, D and the 1 x 2 blocks stand) and
    // which four of the frame's six free fields the 1 x 1 blocks take; its
    // index is frame * 15 + the rank of that choice.
    int indexOf(uint64_t code) const;
    int indexIn(int frame, uint64_t code) const; // for a code of that frame
    uint64_t codeAt(int index) const;
    int distanceOf(uint64_t code) const;

    std::vector<uint64_t> frameCodes_; // the code of each frame, no 1 x 1 block in it
    std::vector<uint32_t> frameFree_;  // its six free fields
    std::vector<uint16_t> frameSlots_; // open addressing: frame + 1, 0 when empty
    std::vector<uint8_t> distances_;   // by index
    std::vector<uint16_t> family_;     // by index
    std::vector<int32_t> familySizes_; // by family
    std::vector<uint32_t> byDistance_; // indexes of the positions with a way to the goal, nearest first
    std::vector<uint32_t> firstAt_;    // where each distance begins in byDistance_, and the end
};

} // namespace trulp
