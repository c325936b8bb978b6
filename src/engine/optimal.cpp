#include "optimal.h"

namespace trulp {

OptimalResult SolveOptimal(const DistanceTable& table, const Board& from) {
    OptimalResult result;
    const DistanceTable::Reach reach = table.Find(from);
    if (!reach.known)
        return result;
    result.positions = table.positions();
    if (reach.moves == kNoDistance)
        return result;
    result.line = table.ShortestLine(from);
    result.pieceMoves = reach.pieceMoves;
    result.solved = int(result.line.size()) == reach.moves;
    return result;
}

int PieceMoves(const MoveRecord* list, int count) {
    int pieces = 0;
    for (int i = 1; i <= count; ++i)
        if (i == 1 || list[i].block != list[i - 1].block)
            ++pieces;
    return pieces;
}

} // namespace trulp
