#include "optimal.h"

#include "distance.h"
#include "position_code.h"

#include <algorithm>

namespace trulp {

OptimalResult SolveOptimal(const Block (&table)[kBlocks + 1]) {
    OptimalResult result;
    const DistanceTable& distances = DistanceTable::Shared();
    result.positions = distances.FamilySize(table);
    const int distance = distances.Distance(table);
    if (distance == kNoDistance)
        return result;

    // Each step is the best move of the same position with the blocks of a
    // shape numbered by field, so the line depends on the position alone; the
    // real block standing on that field makes it.
    Block real[kBlocks + 1];
    std::copy(table, table + kBlocks + 1, real);
    result.line.reserve(size_t(distance));
    for (int left = distance; left > 0; --left) {
        Block plain[kBlocks + 1];
        detail::TableOf(detail::CodeOf(real), plain);
        const MoveRecord m = distances.BestMove(plain);
        if (m.block == 0)
            break;
        const Block& moved = plain[m.block];
        for (int b = 1; b <= kBlocks; ++b)
            if (real[b].shape == moved.shape && real[b].field == moved.field) {
                real[b].field = uint8_t(StepField(real[b].field, m.direction));
                result.line.push_back({uint8_t(b), m.direction, 0});
                break;
            }
    }
    result.solved = result.line.size() == size_t(distance) && real[kXBlock].field == kGoalField;
    if (!result.solved)
        result.line.clear(); // cannot happen for a table that agrees with itself
    return result;
}

} // namespace trulp
