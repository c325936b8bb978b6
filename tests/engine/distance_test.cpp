// The distance table against the rules: along random walks every step
// changes the distance by at most one, and the best moves are exactly the
// steps that lower it.
#include "distance.h"
#include "optimal.h"
#include "start.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

using namespace trulp;

namespace {

struct Board {
    Block table[kBlocks + 1];
};

Board StartBoard() {
    Board b;
    std::copy(startTable, startTable + kBlocks + 1, b.table);
    return b;
}

// The steps the rules allow, as a set of StepBit.
uint64_t LegalSteps(const Board& b) {
    uint32_t occupied = 0;
    for (int i = 1; i <= kBlocks; ++i)
        occupied |= shapeTable[b.table[i].shape].mask << b.table[i].field;
    uint64_t steps = 0;
    for (int i = 1; i <= kBlocks; ++i)
        for (int k = 0; k < 4; ++k)
            if (!(detail::kStepNeeds.need[b.table[i].shape][b.table[i].field][k] &
                  (occupied | detail::kBlocked)))
                steps |= StepBit(i, 1u << k);
    return steps;
}

Board Stepped(Board b, int bit) {
    Block& k = b.table[bit / 4 + 1];
    k.field = uint8_t(StepField(k.field, 1u << (bit % 4)));
    return b;
}

int BitOf(const MoveRecord& m) {
    return __builtin_ctzll(StepBit(m.block, m.direction));
}

} // namespace

TEST(Distance, CoversEveryPlacementOfTheBlocks) {
    // Our own count of the placements, their families and distances.
    const DistanceTable& t = DistanceTable::Shared();
    EXPECT_EQ(t.size(), 65880);
    EXPECT_EQ(t.families(), 898);
    EXPECT_EQ(t.solvable(), 53954);
    EXPECT_EQ(t.MaxDistance(), 126);
    EXPECT_EQ(t.FamilySize(startTable), 25955);
    // Every position listed at a distance has that distance, and the lists
    // hold the positions with a way to the goal exactly once each.
    int listed = 0;
    for (int d = -1; d <= 127; ++d) {
        const int count = t.CountAt(d);
        EXPECT_EQ(count > 0, d >= 0 && d <= 126) << d;
        listed += count;
        Board b;
        for (int n : {0, count / 2, count - 1})
            if (count > 0) {
                ASSERT_TRUE(t.PositionAt(d, n, b.table)) << d;
                EXPECT_EQ(t.Distance(b.table), d) << d << " " << n;
            }
        EXPECT_FALSE(t.PositionAt(d, count, b.table)) << d;
    }
    EXPECT_EQ(listed, t.solvable());
}

TEST(Distance, BestMovesFromTheStartReachTheGoal) {
    const DistanceTable& t = DistanceTable::Shared();
    Board b = StartBoard();
    ASSERT_EQ(t.Distance(b.table), 116);
    for (int left = 116; left > 0; --left) {
        const MoveRecord m = t.BestMove(b.table);
        ASSERT_NE(m.block, 0) << left;
        ASSERT_TRUE(LegalSteps(b) & StepBit(m.block, m.direction)) << left;
        b = Stepped(b, BitOf(m));
        ASSERT_EQ(t.Distance(b.table), left - 1);
    }
    EXPECT_EQ(b.table[kXBlock].field, kGoalField);
    EXPECT_EQ(t.BestMove(b.table).block, 0);
    EXPECT_EQ(t.BestMoves(b.table), 0u);
}

TEST(Distance, EveryStepOfRandomWalksChangesTheDistanceByAtMostOne) {
    const DistanceTable& t = DistanceTable::Shared();
    std::mt19937 random(1161);
    for (int n = 0; n < 1000; ++n) {
        // Part of the way along best moves, so that the walks end at every
        // distance from the goal, then a few random steps.
        Board b = StartBoard();
        for (int best = int(random() % 117); best > 0; --best) {
            const MoveRecord m = t.BestMove(b.table);
            ASSERT_NE(m.block, 0) << n;
            b = Stepped(b, BitOf(m));
        }
        for (int steps = int(random() % 12); steps > 0; --steps) {
            uint64_t legal = LegalSteps(b);
            for (int skip = int(random() % unsigned(__builtin_popcountll(legal))); skip > 0; --skip)
                legal &= legal - 1;
            b = Stepped(b, __builtin_ctzll(legal));
        }
        const int d = t.Distance(b.table);
        ASSERT_GE(d, 0) << n;
        EXPECT_EQ(d == 0, b.table[kXBlock].field == kGoalField) << n;
        uint64_t lower = 0;
        for (uint64_t legal = LegalSteps(b); legal; legal &= legal - 1) {
            const int after = t.Distance(Stepped(b, __builtin_ctzll(legal)).table);
            ASSERT_GE(after, 0) << n;
            ASSERT_LE(std::abs(after - d), 1) << n;
            if (after == d - 1)
                lower |= legal & -legal;
        }
        ASSERT_EQ(t.BestMoves(b.table), lower) << n;
        const MoveRecord m = t.BestMove(b.table);
        if (d == 0) {
            EXPECT_EQ(m.block, 0) << n;
        } else {
            ASSERT_NE(lower, 0u) << n;
            EXPECT_EQ(StepBit(m.block, m.direction), lower & -lower) << n;
            EXPECT_EQ(m.dirSet, 0) << n;
        }
    }
}

TEST(Distance, PositionsOutsideTheTableHaveNoDistance) {
    struct Change {
        int block; // 0: none
        uint8_t field;
        uint8_t shape;
    };
    struct Case {
        const char* what;
        Change changes[2];
        int family; // positions connected with it, 0 for no real board
    };
    const Case cases[] = {
        {"F onto G", {{7, 14, 1}}, 0},
        {"C below the bottom row", {{4, 17, 3}}, 0},
        {"H far off the board", {{9, 200, 1}}, 0},
        {"F as a 2 x 2 block", {{7, 13, 4}}, 0},
        {"a real board without a way to the goal", {}, 118},
    };
    const DistanceTable& t = DistanceTable::Shared();
    for (const Case& c : cases) {
        Board b = StartBoard();
        if (c.family != 0) {
            const ParsedStart trapped = ParseStart("A15 X1 B0 C12 D8 E14 F11 G3 H10 I13");
            ASSERT_EQ(trapped.error.words, Words::NoWay);
            std::copy(trapped.start, trapped.start + kBlocks + 1, b.table);
        }
        for (const Change& change : c.changes)
            if (change.block != 0) {
                b.table[change.block].field = change.field;
                b.table[change.block].shape = change.shape;
            }
        EXPECT_EQ(t.Distance(b.table), kNoDistance) << c.what;
        EXPECT_EQ(t.BestMoves(b.table), 0u) << c.what;
        EXPECT_EQ(t.BestMove(b.table).block, 0) << c.what;
        const OptimalResult r = SolveOptimal(b.table);
        EXPECT_FALSE(r.solved) << c.what;
        EXPECT_EQ(r.positions, c.family) << c.what;
        EXPECT_EQ(t.FamilySize(b.table), c.family) << c.what;
        EXPECT_TRUE(r.line.empty()) << c.what;
    }
}
