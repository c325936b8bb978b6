// Shortest solutions, walked along a distance table (distance.h). Alike
// pieces count as interchangeable, as in the board key.
#pragma once

#include "distance.h"

#include <vector>

namespace trulp {

struct OptimalResult {
    bool solved = false;          // a line to the goal exists
    int64_t positions = 0;        // positions reachable from the given one
    int pieceMoves = 0;           // the fewest piece moves of any line to the goal
    std::vector<MoveRecord> line; // a shortest line in moves (dirSet 0), empty when not solved
};

// Answers for a position the table knows (one reachable from the start it
// was built for); nothing solved for any other.
OptimalResult SolveOptimal(const DistanceTable& table, const Board& from);

// The piece moves of a line: consecutive moves of one piece count once.
int PieceMoves(const MoveRecord* list, int count);

} // namespace trulp
