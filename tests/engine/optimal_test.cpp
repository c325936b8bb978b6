#include "optimal.h"
#include "puzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

using namespace trulp;

namespace {

struct Table {
    Block table[kBlocks + 1];
};

Table StartBoard() {
    Table b;
    std::copy(startTable, startTable + kBlocks + 1, b.table);
    return b;
}

// Makes the steps on the board, every one of them checked against the rules;
// returns the number of the first step that is not legal, 0 when all are.
int Replay(Table& board, const std::vector<MoveRecord>& line, size_t steps) {
    trulp::Board b;
    std::memcpy(b.blockTable, board.table, sizeof board.table);
    b.MakeKey();
    for (size_t i = 0; i < steps; ++i) {
        if ((b.PossibleDirections(line[i].block) & line[i].direction) == 0)
            return int(i + 1);
        b.ApplyStep(line[i].block, line[i].direction);
    }
    std::memcpy(board.table, b.blockTable, sizeof board.table);
    return 0;
}

} // namespace

TEST(Optimal, FromTheStartTheShortestLineHas116Steps) {
    const OptimalResult r = SolveOptimal(startTable);
    ASSERT_TRUE(r.solved);
    EXPECT_EQ(r.positions, 25955);
    ASSERT_EQ(r.line.size(), 116u);
    Table b = StartBoard();
    ASSERT_EQ(Replay(b, r.line, r.line.size()), 0);
    EXPECT_EQ(b.table[kXBlock].field, kGoalField);
    for (const MoveRecord& m : r.line)
        EXPECT_EQ(m.dirSet, 0);
}

TEST(Optimal, DistanceFromPositionsOnAShortestLine) {
    const OptimalResult fromStart = SolveOptimal(startTable);
    ASSERT_EQ(fromStart.line.size(), 116u);
    for (size_t done : {size_t(1), size_t(60), size_t(113), size_t(116)}) {
        Table b = StartBoard();
        ASSERT_EQ(Replay(b, fromStart.line, done), 0);
        const OptimalResult r = SolveOptimal(b.table);
        ASSERT_TRUE(r.solved) << done;
        EXPECT_EQ(r.line.size(), 116 - done) << done;
        // Every position of one line lies in the same set of reachable ones.
        EXPECT_EQ(r.positions, 25955) << done;
        ASSERT_EQ(Replay(b, r.line, r.line.size()), 0) << done;
        EXPECT_EQ(b.table[kXBlock].field, kGoalField) << done;
    }
}

TEST(Optimal, LineNamesTheRealBlocksWhenBlocksOfAShapeAreExchanged) {
    Table b = StartBoard();
    std::swap(b.table[7].field, b.table[8].field); // F and G
    std::swap(b.table[1].field, b.table[6].field); // A and E
    const OptimalResult r = SolveOptimal(b.table);
    ASSERT_EQ(r.line.size(), 116u);
    ASSERT_EQ(Replay(b, r.line, r.line.size()), 0);
    EXPECT_EQ(b.table[kXBlock].field, kGoalField);
    // Keys do not tell F from G, so both searches walk the same positions:
    // each step moves whichever block stands on the same field.
    const OptimalResult plain = SolveOptimal(startTable);
    ASSERT_EQ(plain.line.size(), 116u);
    Table swapped = StartBoard();
    std::swap(swapped.table[7].field, swapped.table[8].field);
    std::swap(swapped.table[1].field, swapped.table[6].field);
    Table start = StartBoard();
    int differentBlocks = 0;
    for (size_t i = 0; i < r.line.size(); ++i) {
        ASSERT_EQ(swapped.table[r.line[i].block].field, start.table[plain.line[i].block].field) << i;
        ASSERT_EQ(r.line[i].direction, plain.line[i].direction) << i;
        differentBlocks += r.line[i].block != plain.line[i].block;
        ASSERT_EQ(Replay(swapped, {r.line[i]}, 1), 0) << i;
        ASSERT_EQ(Replay(start, {plain.line[i]}, 1), 0) << i;
    }
    EXPECT_GT(differentBlocks, 0);
}

TEST(Optimal, DepthFirstLinesAreNeverShorter) {
    const size_t shortest = SolveOptimal(startTable).line.size();
    for (int limit : {116, 150}) {
        auto p = std::make_unique<Puzzle>();
        p->ResetBoard(limit);
        p->ClearMoves();
        while (p->SearchStep(100000) == kBudgetSpent) {
        }
        ASSERT_TRUE(p->GoalReached()) << limit;
        EXPECT_GE(size_t(p->lastMove()), shortest) << limit;
        // Nor is the rest of a depth-first line ever shorter than the
        // shortest line from where it stands.
        const std::vector<MoveRecord> line(p->movesList() + 1, p->movesList() + 1 + p->lastMove());
        for (size_t done = 10; done < line.size(); done += 25) {
            Table b = StartBoard();
            ASSERT_EQ(Replay(b, line, done), 0);
            EXPECT_LE(SolveOptimal(b.table).line.size(), line.size() - done) << limit << " after " << done;
        }
    }
}

TEST(Optimal, ImpossibleBoardsAreRefused) {
    Table overlap = StartBoard();
    overlap.table[7].field = 14; // F onto G
    EXPECT_FALSE(SolveOptimal(overlap.table).solved);
    EXPECT_EQ(SolveOptimal(overlap.table).positions, 0);

    Table outside = StartBoard();
    outside.table[4].field = 17; // C would stand below the bottom row
    EXPECT_EQ(SolveOptimal(outside.table).positions, 0);

    Table wrongShape = StartBoard();
    wrongShape.table[7].shape = 4;
    EXPECT_EQ(SolveOptimal(wrongShape.table).positions, 0);
}
