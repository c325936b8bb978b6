// Shortest solutions, walked along the distance table (distance.h). Blocks of
// the same shape count as interchangeable, as in the board key.
#pragma once

#include "board.h"

#include <vector>

namespace trulp {

struct OptimalResult {
    bool solved = false;          // a line to the goal exists
    int positions = 0;            // positions reachable from the given one; 0 for an impossible board
    std::vector<MoveRecord> line; // single-field steps (dirSet 0), empty when not solved
};

// Answers for the position in `table` (1-based, 10 blocks).
OptimalResult SolveOptimal(const Block (&table)[kBlocks + 1]);

} // namespace trulp
