#include "puzzle.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace trulp;

namespace {

std::unique_ptr<Puzzle> SearchReady(int limit) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(limit);
    p->ClearMoves();
    return p;
}

uint8_t RunToEnd(Puzzle& p, int32_t slice) {
    uint8_t r;
    do
        r = p.SearchStep(slice);
    while (r == kBudgetSpent);
    return r;
}

std::string LineText(const Puzzle& p) {
    std::string s;
    for (int i = 1; i <= p.lastMove; ++i) {
        s += startTable[p.movesList[i].block].letter;
        s += DirectionLetters[p.movesList[i].direction];
        s += ' ';
    }
    return s;
}

} // namespace

TEST(Solver, LimitOneFiftyFindsTheKnownLine) {
    auto p = SearchReady(150);
    ASSERT_EQ(RunToEnd(*p, 10000), kSolved);
    EXPECT_EQ(p->lastMove, 148);
    EXPECT_EQ(LineText(*p).substr(0, 24), "FD FR GL HR CD DL EL IU ");
    EXPECT_EQ(p->counters.trialMoves, 506873u);
    EXPECT_EQ(p->counters.forwardHits, 118195u);
    EXPECT_EQ(p->counters.backwardHits, 3058u);
    EXPECT_EQ(p->forwardLength(), 18113);
    EXPECT_EQ(p->movesList[148].block, kXBlock);
    EXPECT_EQ(p->movesList[148].direction, Left);
    EXPECT_TRUE(p->GoalReached());
}
