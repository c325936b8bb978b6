// The number of moves to the goal from every placement of the ten blocks of
// the classic family on their board, built by breadth-first search from all
// goal positions, with the family (the positions connected by moves) of
// each: what new puzzles are drawn from. Blocks of the same shape count as
// interchangeable; a move is a single-field step.
#pragma once

#include "distance.h"
#include "tenblock.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trulp {

class TenBlockTable {
public:
    // A few milliseconds.
    TenBlockTable();

    // Moves from the position in `table` (1-based, 10 blocks) to the goal, or
    // kNoDistance.
    int Distance(const Block (&table)[kBlocks + 1]) const;

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
