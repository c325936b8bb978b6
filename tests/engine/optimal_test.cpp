// Shortest lines: 116 moves and 81 piece moves from the classic start, from
// any position of a shortest line, with alike blocks exchanged, never longer
// than a depth-first line; and the piece moves of a line.
#include "optimal.h"
#include "puzzle.h"
#include "tables.h"
#include "tenblock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace trulp;

namespace {

// Makes the steps on the board, every one of them checked against the rules;
// returns the number of the first step that is not legal, 0 when all are.
int Replay(Board& b, const std::vector<MoveRecord>& line, size_t steps) {
    for (size_t i = 0; i < steps; ++i) {
        if ((b.PossibleDirections(line[i].block) & line[i].direction) == 0)
            return int(i + 1);
        b.ApplyStep(line[i].block, line[i].direction);
    }
    return 0;
}

const DistanceTable& Classic() {
    return *tables::TableOf(PuzzleDef::Classic());
}

} // namespace

TEST(Optimal, FromTheStartTheShortestLineHas116Steps) {
    const OptimalResult r = SolveOptimal(Classic(), Board(PuzzleDef::Classic()));
    ASSERT_TRUE(r.solved);
    EXPECT_EQ(r.positions, 25955);
    EXPECT_EQ(r.pieceMoves, 81);
    ASSERT_EQ(r.line.size(), 116u);
    Board b(PuzzleDef::Classic());
    ASSERT_EQ(Replay(b, r.line, r.line.size()), 0);
    EXPECT_TRUE(b.GoalReached());
    for (const MoveRecord& m : r.line)
        EXPECT_EQ(m.dirSet, 0);
}

TEST(Optimal, DistanceFromPositionsOnAShortestLine) {
    const Board start(PuzzleDef::Classic());
    const OptimalResult fromStart = SolveOptimal(Classic(), start);
    ASSERT_EQ(fromStart.line.size(), 116u);
    for (size_t done : {size_t(1), size_t(60), size_t(113), size_t(116)}) {
        Board b = start;
        ASSERT_EQ(Replay(b, fromStart.line, done), 0);
        const OptimalResult r = SolveOptimal(Classic(), b);
        ASSERT_TRUE(r.solved) << done;
        EXPECT_EQ(r.line.size(), 116 - done) << done;
        // Every position of one line lies in the same set of reachable ones.
        EXPECT_EQ(r.positions, 25955) << done;
        ASSERT_EQ(Replay(b, r.line, r.line.size()), 0) << done;
        EXPECT_TRUE(b.GoalReached()) << done;
    }
}

TEST(Optimal, LineNamesTheRealBlocksWhenBlocksOfAShapeAreExchanged) {
    // F and G, A and E exchanged: the same position.
    const PuzzleDef swappedDef = TenBlockPuzzle({0, 11, 1, 3, 8, 9, 0, 14, 13, 16, 19});
    const OptimalResult r = SolveOptimal(Classic(), Board(swappedDef));
    ASSERT_EQ(r.line.size(), 116u);
    // Keys do not tell F from G, so both walk the same positions: each step
    // moves whichever block stands on the same field.
    const OptimalResult plain = SolveOptimal(Classic(), Board(PuzzleDef::Classic()));
    ASSERT_EQ(plain.line.size(), 116u);
    Board swapped(swappedDef), start(PuzzleDef::Classic());
    int differentBlocks = 0;
    for (size_t i = 0; i < r.line.size(); ++i) {
        ASSERT_EQ(swapped.anchor(r.line[i].block), start.anchor(plain.line[i].block)) << i;
        ASSERT_EQ(r.line[i].direction, plain.line[i].direction) << i;
        differentBlocks += r.line[i].block != plain.line[i].block;
        ASSERT_EQ(Replay(swapped, {r.line[i]}, 1), 0) << i;
        ASSERT_EQ(Replay(start, {plain.line[i]}, 1), 0) << i;
    }
    EXPECT_TRUE(swapped.GoalReached());
    EXPECT_GT(differentBlocks, 0);
}

TEST(Optimal, DepthFirstLinesAreNeverShorter) {
    const Board start(PuzzleDef::Classic());
    const size_t shortest = SolveOptimal(Classic(), start).line.size();
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
            Board b = start;
            ASSERT_EQ(Replay(b, line, done), 0);
            EXPECT_LE(SolveOptimal(Classic(), b).line.size(), line.size() - done)
                << limit << " after " << done;
        }
    }
}

TEST(Optimal, PositionsOfAnotherFamilyAreNotKnown) {
    // The start of "sidestep", of another family than the classic's.
    const PuzzleDef other = TenBlockPuzzle({0, 0, 14, 1, 2, 10, 8, 3, 9, 13, 16});
    const OptimalResult r = SolveOptimal(Classic(), Board(other));
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.positions, 0);
}

TEST(Optimal, PieceMovesCountRunsOfOnePiece) {
    const std::vector<MoveRecord> line = {{},           {7, Down, 0}, {7, Right, 0},
                                          {8, Left, 0}, {7, Up, 0},   {7, Up, 0}};
    EXPECT_EQ(PieceMoves(line.data(), 0), 0);
    EXPECT_EQ(PieceMoves(line.data(), 2), 1);
    EXPECT_EQ(PieceMoves(line.data(), 5), 3);
}
