// The board model: keys, buckets, the directions a block can step, and the
// goal.
#include "position.h"

#include <gtest/gtest.h>

using namespace trulp;

namespace {
constexpr int A = 1, X = 2, B = 3, C = 4, D = 5, E = 6, F = 7, G = 8, H = 9, I = 10;

// Puts every block on a field and rebuilds the key.
void Place(Board& p, std::initializer_list<int> fields) {
    int b = 1;
    for (int f : fields)
        p.blockTable[b++].field = uint8_t(f);
    p.MakeKey();
}
} // namespace

TEST(Board, StartPosition) {
    Board p;
    EXPECT_EQ(p.boardKey.word(1), 0x96000u);
    EXPECT_EQ(p.boardKey.word(2), 0x600u);
    EXPECT_EQ(p.boardKey.word(3), 0x9999u);
    EXPECT_EQ(p.boardKey.word(4), 0x66u);
    EXPECT_EQ(p.ForwardBucket(), 0);
    EXPECT_EQ(p.boardKey.occupied(), kFieldBits & ~((1u << 17) | (1u << 18)));
    for (int b : {A, X, B, C, D, E})
        EXPECT_EQ(p.PossibleDirections(b), 0) << b;
    EXPECT_EQ(p.PossibleDirections(F), Down);
    EXPECT_EQ(p.PossibleDirections(G), Down);
    EXPECT_EQ(p.PossibleDirections(H), Right);
    EXPECT_EQ(p.PossibleDirections(I), Left);
    EXPECT_FALSE(p.GoalReached());
}

TEST(Board, BlocksOfOneShapeAreOneInTheKey) {
    Board p;
    const BoardKey start = p.boardKey;
    std::swap(p.blockTable[F].field, p.blockTable[G].field);
    p.MakeKey();
    EXPECT_EQ(p.boardKey, start);
    EXPECT_EQ(p.ForwardBucket(), 0);
    std::swap(p.blockTable[A].field, p.blockTable[E].field);
    p.MakeKey();
    EXPECT_EQ(p.boardKey, start);
}

TEST(Board, EdgesAndNeighboursCloseDirections) {
    Board p;
    // D lying in columns 2 and 3 of the bottom row; 16 and 17 free.
    Place(p, {0, 1, 3, 8, 18, 11, 9, 10, 13, 14});
    EXPECT_EQ(p.boardKey.occupied(), kFieldBits & ~((1u << 16) | (1u << 17)));
    EXPECT_EQ(p.PossibleDirections(D), Left);
    // Row 0 never goes up.
    EXPECT_FALSE(p.PossibleDirections(A) & Up);

    Board q;
    // X on the goal (rows 3 and 4) and A standing in rows 3 and 4; 10 and 19 free.
    Place(q, {12, 13, 0, 3, 1, 11, 5, 6, 8, 9});
    EXPECT_EQ(q.boardKey.occupied(), kFieldBits & ~((1u << 10) | (1u << 19)));
    EXPECT_TRUE(q.GoalReached());
    EXPECT_FALSE(q.PossibleDirections(X) & Down);
    EXPECT_FALSE(q.PossibleDirections(A) & Down);
    EXPECT_FALSE(q.PossibleDirections(X) & Left); // A stands there
    EXPECT_EQ(q.PossibleDirections(I), Right);    // below it stands X
}

TEST(Board, TheBigBlockNeedsBothFieldsFree) {
    Board p;
    // X on 5, with 4 and 8 to its left both free.
    Place(p, {3, 5, 11, 12, 1, 13, 0, 14, 18, 19});
    EXPECT_EQ(p.boardKey.occupied(), kFieldBits & ~((1u << 4) | (1u << 8)));
    EXPECT_EQ(p.PossibleDirections(X), Left);
    p.blockTable[F].field = 8; // F from 0 to 8: only one of the two free
    p.MakeKey();
    EXPECT_EQ(p.PossibleDirections(X), 0);
}

TEST(Board, StepsAndTheirReverse) {
    for (unsigned d : {1u, 2u, 4u, 8u})
        for (int f = 4; f < 16; ++f)
            EXPECT_EQ(UnstepField(StepField(f, d), d), f);
    EXPECT_EQ(StepField(6, Right), 7);
    EXPECT_EQ(StepField(6, Up), 2);
    EXPECT_EQ(StepField(6, Left), 5);
    EXPECT_EQ(StepField(6, Down), 10);
    // Anything but the four codes leaves the field where it is.
    for (unsigned d : {0u, 3u, 5u, 16u, 17u, 255u})
        EXPECT_EQ(StepField(6, d), 6);
    EXPECT_EQ(OppositeDir[Right], Left);
    EXPECT_EQ(OppositeDir[Up], Down);
}

TEST(Board, ApplyAndUndoKeepTheKey) {
    Board p;
    p.ApplyStep(F, Down);
    EXPECT_EQ(p.blockTable[F].field, 17);
    EXPECT_EQ(p.ForwardBucket(), (17 ^ 14 ^ 16 ^ 19) & 3);
    const BoardKey moved = p.boardKey;
    p.MakeKey();
    EXPECT_EQ(p.boardKey, moved);
    p.UndoStep(F, Down);
    EXPECT_EQ(p.boardKey.word(1), 0x96000u);
}

TEST(Board, GoalIsXOnThirteenWhateverElse) {
    Board p;
    p.blockTable[X].field = 13;
    EXPECT_TRUE(p.GoalReached());
    p.blockTable[X].field = 14;
    EXPECT_FALSE(p.GoalReached());
}
