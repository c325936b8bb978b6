// Shortest solutions by breadth-first search over every position reachable
// from a given one. Blocks of the same shape count as interchangeable, as in
// the board key.
#pragma once

#include "puzzle.h"

#include <vector>

namespace trulp {

struct OptimalResult {
    bool solved = false;          // a line to the goal exists
    int positions = 0;            // positions reachable from the given one
    std::vector<MoveRecord> line; // single-field steps (dirSet 0), empty when not solved
};

// Searches from the position in `table` (1-based, 10 blocks).
OptimalResult SolveOptimal(const Block (&table)[kBlocks + 1]);

} // namespace trulp
