// The operations every input goes through: a move by hand with its
// outcomes, taking back (cutting the list in play only), replay, and the
// move limit that never falls below the moves made.
#include "optimal.h"
#include "puzzle.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trulp;

namespace {
constexpr int F = 7, G = 8, I = 10;

// F down and up again, n moves, by hand.
void Shuffle(Puzzle& p, int n) {
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(p.PlayMove(F, i % 2 ? Up : Down).made());
}
} // namespace

TEST(PlayMove, RecordsCutsRefusesAndFills) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(150);
    // A closed step changes nothing.
    EXPECT_EQ(p->PlayMove(F, Up).result, PlayResult::Closed);
    EXPECT_EQ(p->PlayMove(11, Down).result, PlayResult::Closed);
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->board().anchor(F), 13);

    // Made: recorded at moveNr with the directions open before it.
    const PlayOutcome o = p->PlayMove(F, Down);
    EXPECT_EQ(o.result, PlayResult::Moved);
    EXPECT_EQ(o.number, 1);
    EXPECT_EQ(o.fromField, 13);
    EXPECT_EQ(p->board().anchor(F), 17);
    EXPECT_EQ(p->movesList()[1].dirSet, Down);
    ASSERT_TRUE(p->PlayMove(G, Down).made());
    EXPECT_EQ(p->movesList()[2].dirSet, Down | Left);

    // After a take-back that keeps the list, a new move replaces what followed.
    ASSERT_TRUE(p->TakeBack(ListRule::Keep).made);
    EXPECT_EQ(p->lastMove(), 2);
    ASSERT_EQ(p->PlayMove(I, Left).number, 2);
    EXPECT_EQ(p->lastMove(), 2);
    EXPECT_EQ(p->movesList()[2].block, I);

    // The move that reaches the limit says so; the next one is refused.
    auto q = std::make_unique<Puzzle>();
    q->ResetBoard(100);
    Shuffle(*q, 99);
    EXPECT_EQ(q->PlayMove(F, Up).result, PlayResult::MovedListFull);
    EXPECT_TRUE(q->ListFull());
    EXPECT_EQ(q->PlayMove(F, Down).result, PlayResult::ListFull);
    EXPECT_EQ(q->lastMove(), 100);
    EXPECT_EQ(q->board().anchor(F), 13);

    // The goal.
    auto r = std::make_unique<Puzzle>();
    r->ResetBoard(150);
    const std::vector<MoveRecord> line = tables::ShortestLine(PuzzleDef::Classic());
    for (size_t i = 0; i + 1 < line.size(); ++i)
        ASSERT_EQ(r->PlayMove(line[i].block, line[i].direction).result, PlayResult::Moved);
    EXPECT_EQ(r->PlayMove(line.back().block, line.back().direction).result, PlayResult::Solved);
    EXPECT_TRUE(r->GoalReached());
}

TEST(PlayMove, TakeBackReplayAndTheMoveLimit) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(150);
    EXPECT_FALSE(p->TakeBack(ListRule::Cut).made); // nothing to take back
    Shuffle(*p, 120);
    // The limit holds at the moves made, and rises again.
    EXPECT_EQ(p->SetMoveLimit(110), 120);
    EXPECT_TRUE(p->ListFull());
    EXPECT_EQ(p->SetMoveLimit(180), 180);

    // Replay keeps the list: back and forward again give the same move.
    const StepMade back = p->TakeBack(ListRule::Keep);
    ASSERT_TRUE(back.made);
    EXPECT_EQ(back.direction, Down); // move 120 was F up
    EXPECT_EQ(p->moveNr(), 120);
    EXPECT_EQ(p->lastMove(), 120);
    const StepMade forward = p->ReplayMove();
    ASSERT_TRUE(forward.made);
    EXPECT_EQ(forward.direction, Up);
    EXPECT_FALSE(p->ReplayMove().made); // past the end

    // Play drops the move taken back.
    ASSERT_TRUE(p->TakeBack(ListRule::Cut).made);
    EXPECT_EQ(p->lastMove(), 119);
    EXPECT_EQ(p->moveNr(), 120);
    EXPECT_FALSE(p->ReplayMove().made);
}
