// The distance tables against the rules: the classic family's table of
// every placement, and the coach's table of a start, which must agree with
// it; along random walks every step changes the distance by at most one, and
// the best moves are exactly the steps that lower it.
#include "distance.h"
#include "optimal.h"
#include "start.h"
#include "tables.h"
#include "tenblocktable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace trulp;

namespace {

// The steps the rules allow, as a set of StepBit.
FieldSet LegalSteps(const Board& b) {
    FieldSet steps = 0;
    for (int p = 1; p <= b.def().pieceCount(); ++p)
        for (unsigned d = Right; d <= Down; d <<= 1)
            if (b.PossibleDirections(p) & d)
                steps |= StepBit(p, d);
    return steps;
}

Board Stepped(Board b, int bit) {
    b.ApplyStep(bit / 4 + 1, 1u << (bit % 4));
    return b;
}

// The family table's view of a position of the ten blocks.
int FamilyDistance(const TenBlockTable& t, const Board& b) {
    Block table[kBlocks + 1];
    std::copy(startTable, startTable + kBlocks + 1, table);
    for (int p = 1; p <= kBlocks; ++p)
        table[p].field = uint8_t(b.anchor(p));
    return t.Distance(table);
}

} // namespace

TEST(Distance, CoversEveryPlacementOfTheBlocks) {
    // Our own count of the placements, their families and distances.
    const TenBlockTable t;
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
        Block b[kBlocks + 1];
        for (int n : {0, count / 2, count - 1})
            if (count > 0) {
                ASSERT_TRUE(t.PositionAt(d, n, b)) << d;
                EXPECT_EQ(t.Distance(b), d) << d << " " << n;
            }
        EXPECT_FALSE(t.PositionAt(d, count, b)) << d;
    }
    EXPECT_EQ(listed, t.solvable());
}

TEST(Distance, BestMovesFromTheStartReachTheGoal) {
    const DistanceTable& t = *tables::TableOf(PuzzleDef::Classic());
    Board b(PuzzleDef::Classic());
    ASSERT_EQ(t.Distance(b), 116);
    ASSERT_EQ(t.PieceDistance(b), 81);
    for (int left = 116; left > 0; --left) {
        const MoveRecord m = t.BestMove(b);
        ASSERT_NE(m.block, 0) << left;
        ASSERT_TRUE(LegalSteps(b) & StepBit(m.block, m.direction)) << left;
        b = Stepped(b, LowestField(StepBit(m.block, m.direction)));
        ASSERT_EQ(t.Distance(b), left - 1);
    }
    EXPECT_TRUE(b.GoalReached());
    EXPECT_EQ(t.BestMove(b).block, 0);
    EXPECT_EQ(t.BestMoves(b), FieldSet(0));
}

TEST(Distance, EveryStepOfRandomWalksChangesTheDistanceByAtMostOne) {
    const DistanceTable& t = *tables::TableOf(PuzzleDef::Classic());
    const TenBlockTable family;
    std::mt19937 random(1161);
    for (int n = 0; n < 1000; ++n) {
        // Part of the way along best moves, so that the walks end at every
        // distance from the goal, then a few random steps.
        Board b(PuzzleDef::Classic());
        for (int best = int(random() % 117); best > 0; --best) {
            const MoveRecord m = t.BestMove(b);
            ASSERT_NE(m.block, 0) << n;
            b.ApplyStep(m.block, m.direction);
        }
        for (int steps = int(random() % 12); steps > 0; --steps) {
            FieldSet legal = LegalSteps(b);
            for (int skip = int(random() % unsigned(FieldCount(legal))); skip > 0; --skip)
                legal &= legal - 1;
            b = Stepped(b, LowestField(legal));
        }
        const int d = t.Distance(b);
        ASSERT_GE(d, 0) << n;
        EXPECT_EQ(d, FamilyDistance(family, b)) << n;
        EXPECT_EQ(d == 0, b.GoalReached()) << n;
        // A piece move is at least one move, and one move is at most one piece move.
        EXPECT_LE(t.PieceDistance(b), d) << n;
        FieldSet lower = 0;
        for (FieldSet legal = LegalSteps(b); legal; legal &= legal - 1) {
            const Board next = Stepped(b, LowestField(legal));
            const int after = t.Distance(next);
            ASSERT_GE(after, 0) << n;
            ASSERT_LE(std::abs(after - d), 1) << n;
            ASSERT_LE(std::abs(t.PieceDistance(next) - t.PieceDistance(b)), 1) << n;
            if (after == d - 1)
                lower |= legal & -legal;
        }
        ASSERT_EQ(t.BestMoves(b), lower) << n;
        const MoveRecord m = t.BestMove(b);
        if (d == 0) {
            EXPECT_EQ(m.block, 0) << n;
        } else {
            ASSERT_NE(lower, FieldSet(0)) << n;
            EXPECT_EQ(StepBit(m.block, m.direction), lower & -lower) << n;
            EXPECT_EQ(m.dirSet, 0) << n;
        }
    }
}

TEST(Distance, PositionsWithoutAWayOrOutsideTheTable) {
    // A real board of its own family without a way to the goal.
    const ParsedStart trapped = ParseStart("A15 X1 B0 C12 D8 E14 F11 G3 H10 I13");
    ASSERT_TRUE(trapped.ok);
    const DistanceTable& own = *tables::TableOf(trapped.def);
    const Board b(trapped.def);
    EXPECT_EQ(own.Distance(b), kNoDistance);
    EXPECT_EQ(own.BestMoves(b), FieldSet(0));
    EXPECT_EQ(own.BestMove(b).block, 0);
    const OptimalResult r = SolveOptimal(own, b);
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.positions, 118);
    EXPECT_TRUE(r.line.empty());
    // The classic's table does not know it.
    const DistanceTable::Reach reach = tables::TableOf(PuzzleDef::Classic())->Find(b);
    EXPECT_FALSE(reach.known);
    EXPECT_EQ(reach.moves, kNoDistance);
}
