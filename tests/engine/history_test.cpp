// The solver's memory: backward and forward buffers, field stacks, and what
// the resets empty or keep.
#include "puzzle.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trulp;

namespace {
constexpr int A = 1, E = 6, F = 7, G = 8;

std::unique_ptr<Puzzle> Fresh() {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(150);
    p->ClearMoves();
    return p;
}
} // namespace

TEST(ForwardBuffer, StoredNumberOnlyFalls) {
    auto p = Fresh();
    p->moveNr = 40;
    ASSERT_TRUE(p->ForwardStore());
    const int e = p->ForwardFind();
    ASSERT_EQ(e, 1);
    p->moveNr = 45;
    EXPECT_TRUE(p->ForwardStore());
    EXPECT_EQ(p->forward[0][e - 1].storedNr, 40u);
    p->moveNr = 35;
    EXPECT_TRUE(p->ForwardStore());
    EXPECT_EQ(p->forward[0][e - 1].storedNr, 35u);
    EXPECT_EQ(p->forwardCount[0], 1);
}

TEST(ForwardBuffer, HitOnlyWithoutMoreMovesToSpare) {
    auto p = Fresh();
    p->ApplyStep(F, Down); // a position that is not on the line
    p->moveNr = 40;
    ASSERT_TRUE(p->ForwardStore());
    EXPECT_FALSE(p->PositionAllowed());
    EXPECT_EQ(p->counters.forwardHits, 1u);
    p->moveNr = 39;
    EXPECT_TRUE(p->PositionAllowed());
    EXPECT_EQ(p->counters.forwardHits, 1u);
    EXPECT_EQ(p->counters.backwardHits, 0u);
}

TEST(ForwardBuffer, AFullBucketTakesNoNewKey) {
    auto p = Fresh();
    const BoardKey start = p->boardKey;
    p->moveNr = 50;
    ASSERT_TRUE(p->ForwardStore()); // the real position, entry 1
    for (uint32_t i = 2; i <= kBucketCapacity; ++i) {
        p->boardKey.key[0] = i;
        ASSERT_TRUE(p->ForwardStore());
    }
    EXPECT_EQ(p->forwardCount[0], kBucketCapacity);
    p->boardKey.key[0] = 999999;
    EXPECT_FALSE(p->ForwardStore());
    EXPECT_EQ(p->forwardCount[0], kBucketCapacity);
    EXPECT_EQ(p->ForwardFind(), 0);
    // A key already there is still found and its number still lowered.
    p->boardKey = start;
    p->moveNr = 20;
    EXPECT_TRUE(p->ForwardStore());
    EXPECT_EQ(p->forward[0][0].storedNr, 20u);
    // Other buckets are not affected.
    p->ApplyStep(9, Right); // H from 16 to 17 changes the bucket
    ASSERT_EQ(p->ForwardBucket(), 1);
    EXPECT_TRUE(p->ForwardStore());
}

TEST(BackwardBuffer, NoPositionTwiceInOneLine) {
    auto p = Fresh();
    // The start position with two standing blocks exchanged is the start.
    std::swap(p->blockTable[A].field, p->blockTable[E].field);
    p->MakeKey();
    for (int moveNr : {1, 2, 100, 200}) {
        p->moveNr = moveNr;
        EXPECT_FALSE(p->BackwardFree()) << moveNr;
    }
    // A position stored at entry 5 is seen from moveNr 6 on.
    auto q = Fresh();
    q->ApplyStep(G, Down);
    q->moveNr = 5;
    q->BackwardStore();
    EXPECT_TRUE(q->BackwardFree());
    q->moveNr = 6;
    EXPECT_FALSE(q->BackwardFree());
    EXPECT_FALSE(q->PositionAllowed());
    EXPECT_EQ(q->counters.backwardHits, 1u);
    EXPECT_EQ(q->counters.forwardHits, 0u); // one candidate, one counter
}

TEST(BackwardBuffer, ClearBuffersKeepsTheStart) {
    auto p = Fresh();
    p->ClearBuffers();
    EXPECT_EQ(p->backward[0][0], 0x96000u);
    EXPECT_EQ(p->backward[3][0], 0x66u);
    EXPECT_FALSE(p->BackwardFree()); // a return to the start is always refused
    EXPECT_EQ(p->forwardLength(), 0);
}

TEST(FieldStacks, PushPopAndTest) {
    auto p = Fresh();
    const uint32_t fields = (1u << 17) | (1u << 13);
    EXPECT_FALSE(p->StackTest(fields, F)); // empty stacks: no block left a field
    p->StackPush(1u << 13, F);
    p->StackPush(1u << 17, 0);
    EXPECT_TRUE(p->StackTest(1u << 13, F));
    EXPECT_TRUE(p->StackTest(fields, F));
    EXPECT_FALSE(p->StackTest(1u << 17, F));
    EXPECT_FALSE(p->StackTest(fields, G));
    p->StackPop(fields);
    EXPECT_EQ(p->stackPtr[13], 0);
    EXPECT_EQ(p->stackPtr[17], 0);
    EXPECT_FALSE(p->StackTest(1u << 13, F));
}

TEST(FieldStacks, CannotOverflow) {
    auto p = Fresh();
    for (int i = 0; i < 1000; ++i)
        p->StackPush(1u << 5, uint8_t(1 + i % 10));
    EXPECT_LT(p->stackPtr[5], kStackSlots);
    for (int f = 0; f < kFields; ++f) {
        if (f != 5) {
            EXPECT_EQ(p->stackPtr[f], 0);
        }
    }
    for (int i = 0; i < 1000; ++i)
        p->StackPop(1u << 5);
    EXPECT_EQ(p->stackPtr[5], 0);
}

TEST(Resets, ClearMovesEmptiesAndResetBoardKeepsTheList) {
    Puzzle p;
    p.ResetBoard(150);
    p.ClearMoves();
    p.SearchStep(120); // some moves, stacks and counters
    ASSERT_GT(p.lastMove, 0);
    p.ClearMoves();
    EXPECT_EQ(p.moveNr, 1);
    EXPECT_EQ(p.lastMove, 0);
    EXPECT_EQ(p.counters.trialMoves, 0u);
    for (int f = 0; f < kFields; ++f)
        for (uint8_t v = 1; v <= kBlocks; ++v)
            EXPECT_FALSE(p.StackTest(1u << f, v));

    // ResetBoard: start position, moveNr 1, the list and counters kept.
    p.ResetBoard(150);
    p.ClearMoves();
    p.SearchStep(120);
    const int last = p.lastMove;
    const MoveRecord first = p.movesList[1];
    const uint32_t trials = p.counters.trialMoves;
    p.ResetBoard(170);
    EXPECT_EQ(p.lastMove, last);
    EXPECT_EQ(p.movesList[1].block, first.block);
    EXPECT_EQ(p.counters.trialMoves, trials);
    EXPECT_EQ(p.moveNr, 1);
    EXPECT_EQ(p.maxMove, 170);
    EXPECT_EQ(p.forwardLength(), 0);
    for (int b = 1; b <= kBlocks; ++b)
        EXPECT_EQ(p.blockTable[b].field, startTable[b].field);
}
