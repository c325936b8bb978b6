// The solver's memory: backward and forward buffers, field stacks, and what
// the resets empty or keep.
#include "puzzle.h"
#include "tenblock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace trulp;

namespace {
constexpr int F = 7, G = 8;

Board Start() {
    return Board(PuzzleDef::Classic());
}

// A history as a reset leaves it: the start position in backward entry 0.
std::unique_ptr<SearchHistory> Fresh() {
    auto h = std::make_unique<SearchHistory>();
    h->backward.SetStart(Start().boardKey());
    h->ClearBuffers();
    return h;
}

PositionKey At(const Board& b) {
    return PositionKey::Of(b);
}

// Keys no position has, all in the start position's bucket.
PositionKey Fake(uint32_t i) {
    BoardKey k = Start().boardKey();
    std::memcpy(k.anchors + 20, &i, sizeof i); // slots past the ten blocks
    return PositionKey::Of(k, 0);
}
} // namespace

TEST(ForwardBuffer, StoredNumberOnlyFalls) {
    auto h = Fresh();
    const PositionKey start = At(Start());
    ASSERT_TRUE(h->forward.ForwardStore(start, 40));
    const int e = h->forward.ForwardFind(start);
    ASSERT_EQ(e, 1);
    EXPECT_TRUE(h->forward.ForwardStore(start, 45));
    EXPECT_EQ(h->forward.entry(0, e).storedNr, 40u);
    EXPECT_TRUE(h->forward.ForwardStore(start, 35));
    EXPECT_EQ(h->forward.entry(0, e).storedNr, 35u);
    EXPECT_EQ(h->forward.count(0), 1);
}

TEST(ForwardBuffer, HitOnlyWithoutMoreMovesToSpare) {
    auto h = Fresh();
    Board b = Start();
    b.ApplyStep(F, Down); // a position that is not on the line
    ASSERT_TRUE(h->forward.ForwardStore(At(b), 40));
    EXPECT_FALSE(h->PositionAllowed(At(b), 40));
    EXPECT_EQ(h->counters.forwardHits, 1u);
    EXPECT_TRUE(h->PositionAllowed(At(b), 39));
    EXPECT_EQ(h->counters.forwardHits, 1u);
    EXPECT_EQ(h->counters.backwardHits, 0u);
}

TEST(ForwardBuffer, AFullBucketTakesNoNewKey) {
    auto h = Fresh();
    const PositionKey start = At(Start());
    ASSERT_TRUE(h->forward.ForwardStore(start, 50)); // the real position, entry 1
    for (uint32_t i = 2; i <= kBucketCapacity; ++i)
        ASSERT_TRUE(h->forward.ForwardStore(Fake(i), 50));
    EXPECT_EQ(h->forward.count(0), kBucketCapacity);
    EXPECT_FALSE(h->forward.ForwardStore(Fake(999999), 50));
    EXPECT_EQ(h->forward.count(0), kBucketCapacity);
    EXPECT_EQ(h->forward.ForwardFind(Fake(999999)), 0);
    // A key already there is still found and its number still lowered.
    EXPECT_TRUE(h->forward.ForwardStore(start, 20));
    EXPECT_EQ(h->forward.entry(0, 1).storedNr, 20u);
    // Other buckets are not affected.
    Board b = Start();
    b.ApplyStep(9, Right); // H from 16 to 17 changes the bucket
    ASSERT_EQ(b.ForwardBucket(), 1);
    ASSERT_EQ(At(b).bucket, 1);
    EXPECT_TRUE(h->forward.ForwardStore(At(b), 50));
}

TEST(BackwardBuffer, NoPositionTwiceInOneLine) {
    auto h = Fresh();
    // The start position with two standing blocks exchanged is the start.
    const PuzzleDef swappedDef = TenBlockPuzzle({0, 11, 1, 3, 8, 9, 0, 13, 14, 16, 19});
    const Board swapped(swappedDef);
    for (int moveNr : {1, 2, 100, 200})
        EXPECT_FALSE(h->backward.BackwardFree(At(swapped), moveNr)) << moveNr;
    // A position stored at entry 5 is seen from moveNr 6 on.
    auto q = Fresh();
    Board b = Start();
    b.ApplyStep(G, Down);
    q->backward.BackwardStore(At(b), 5);
    EXPECT_TRUE(q->backward.BackwardFree(At(b), 5));
    EXPECT_FALSE(q->backward.BackwardFree(At(b), 6));
    EXPECT_FALSE(q->PositionAllowed(At(b), 6));
    EXPECT_EQ(q->counters.backwardHits, 1u);
    EXPECT_EQ(q->counters.forwardHits, 0u); // one candidate, one counter
    // Taking moves back drops the entries above the line.
    q->backward.BackwardStore(At(b), 1);
    EXPECT_FALSE(q->backward.BackwardFree(At(b), 2));
    q->backward.BackwardTrim(1);
    EXPECT_TRUE(q->backward.BackwardFree(At(b), 1));
}

TEST(BackwardBuffer, ClearBuffersKeepsTheStart) {
    auto h = Fresh();
    h->ClearBuffers();
    EXPECT_EQ(h->backward.entry(0), Start().boardKey());
    EXPECT_FALSE(h->backward.BackwardFree(At(Start()), 1)); // a return to the start is always refused
    EXPECT_EQ(h->forward.length(), 0);
}

TEST(FieldStacks, PushPopAndTest) {
    FieldStacks s;
    const FieldSet fields = FieldBit(17) | FieldBit(13);
    EXPECT_FALSE(s.StackTest(fields, F)); // empty stacks: no block left a field
    s.StackPush(FieldBit(13), F);
    s.StackPush(FieldBit(17), 0);
    EXPECT_TRUE(s.StackTest(FieldBit(13), F));
    EXPECT_TRUE(s.StackTest(fields, F));
    EXPECT_FALSE(s.StackTest(FieldBit(17), F));
    EXPECT_FALSE(s.StackTest(fields, G));
    s.StackPop(fields);
    EXPECT_EQ(s.pointer(13), 0);
    EXPECT_EQ(s.pointer(17), 0);
    EXPECT_FALSE(s.StackTest(FieldBit(13), F));
}

TEST(FieldStacks, CannotOverflow) {
    FieldStacks s;
    for (int i = 0; i < 1000; ++i)
        s.StackPush(FieldBit(5), uint8_t(1 + i % 10));
    EXPECT_LT(s.pointer(5), kStackSlots);
    for (int f = 0; f < kFields; ++f) {
        if (f != 5) {
            EXPECT_EQ(s.pointer(f), 0);
        }
    }
    for (int i = 0; i < 1000; ++i)
        s.StackPop(FieldBit(5));
    EXPECT_EQ(s.pointer(5), 0);
}

TEST(Resets, ClearMovesEmptiesAndResetBoardKeepsTheList) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(150);
    p->ClearMoves();
    p->SearchStep(120); // some moves, stacks and counters
    ASSERT_GT(p->lastMove(), 0);
    p->ClearMoves();
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->lastMove(), 0);
    EXPECT_EQ(p->counters().trialMoves, 0u);
    for (int f = 0; f < kFields; ++f)
        for (uint8_t v = 1; v <= kBlocks; ++v)
            EXPECT_FALSE(p->history().stacks.StackTest(FieldBit(f), v));

    // ResetBoard: start position, moveNr 1, the list and counters kept.
    p->ResetBoard(150);
    p->ClearMoves();
    p->SearchStep(120);
    const int last = p->lastMove();
    const MoveRecord first = p->movesList()[1];
    const uint32_t trials = p->counters().trialMoves;
    p->ResetBoard(170);
    EXPECT_EQ(p->lastMove(), last);
    EXPECT_EQ(p->movesList()[1].block, first.block);
    EXPECT_EQ(p->counters().trialMoves, trials);
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->maxMove(), 170);
    EXPECT_EQ(p->forwardLength(), 0);
    for (int b = 1; b <= kBlocks; ++b)
        EXPECT_EQ(p->board().anchor(b), startTable[b].field);
}
