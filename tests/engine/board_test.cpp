// The board model: keys, buckets, the directions a piece can step, and the
// goal, on the classic's board and on boards with walls and other shapes.
#include "position.h"
#include "puzzlefile.h"

#include <gtest/gtest.h>

#include <deque>

using namespace trulp;

namespace {
constexpr int A = 1, X = 2, B = 3, C = 4, D = 5, E = 6, F = 7, G = 8, H = 9, I = 10;

// A board of the ten blocks on these fields (blocks A X B C D E F G H I);
// the puzzles live as long as the test program.
Board At(std::initializer_list<int> fields) {
    static std::deque<PuzzleDef> defs;
    std::array<uint8_t, 11> f{};
    int b = 1;
    for (int field : fields)
        f[size_t(b++)] = uint8_t(field);
    return Board(defs.emplace_back(TenBlockPuzzle(f)));
}

FieldSet Fields(std::initializer_list<int> fields) {
    FieldSet s = 0;
    for (int f : fields)
        s |= FieldBit(f);
    return s;
}

const FieldSet kAll = FieldBit(20) - 1;
} // namespace

TEST(Board, StartPosition) {
    const Board p(PuzzleDef::Classic());
    EXPECT_EQ(p.ForwardBucket(), 0);
    EXPECT_EQ(p.occupied(), kAll & ~Fields({17, 18}));
    for (int b : {A, X, B, C, D, E})
        EXPECT_EQ(p.PossibleDirections(b), 0) << b;
    EXPECT_EQ(p.PossibleDirections(F), Down);
    EXPECT_EQ(p.PossibleDirections(G), Down);
    EXPECT_EQ(p.PossibleDirections(H), Right);
    EXPECT_EQ(p.PossibleDirections(I), Left);
    EXPECT_FALSE(p.GoalReached());
}

TEST(Board, BlocksOfOneShapeAreOneInTheKey) {
    const Board start(PuzzleDef::Classic());
    // F and G swapped, A and E swapped: the same position.
    const Board swapped = At({11, 1, 3, 8, 9, 0, 14, 13, 16, 19});
    EXPECT_EQ(swapped.boardKey(), start.boardKey());
    EXPECT_EQ(swapped.ForwardBucket(), 0);
    EXPECT_FALSE(At({0, 1, 3, 8, 9, 11, 13, 14, 16, 18}).boardKey() == start.boardKey());
}

TEST(Board, EdgesAndNeighboursCloseDirections) {
    // D lying in columns 2 and 3 of the bottom row; 16 and 17 free.
    const Board p = At({0, 1, 3, 8, 18, 11, 9, 10, 13, 14});
    EXPECT_EQ(p.occupied(), kAll & ~Fields({16, 17}));
    EXPECT_EQ(p.PossibleDirections(D), Left);
    // Row 0 never goes up.
    EXPECT_FALSE(p.PossibleDirections(A) & Up);

    // X on the goal (rows 3 and 4) and A standing in rows 3 and 4; 10 and 19 free.
    const Board q = At({12, 13, 0, 3, 1, 11, 5, 6, 8, 9});
    EXPECT_EQ(q.occupied(), kAll & ~Fields({10, 19}));
    EXPECT_TRUE(q.GoalReached());
    EXPECT_FALSE(q.PossibleDirections(X) & Down);
    EXPECT_FALSE(q.PossibleDirections(A) & Down);
    EXPECT_FALSE(q.PossibleDirections(X) & Left); // A stands there
    EXPECT_EQ(q.PossibleDirections(I), Right);    // below it stands X
}

TEST(Board, TheBigBlockNeedsBothFieldsFree) {
    // X on 5, with 4 and 8 to its left both free.
    EXPECT_EQ(At({3, 5, 11, 12, 1, 13, 0, 14, 18, 19}).PossibleDirections(X), Left);
    // F from 0 to 8: only one of the two free.
    EXPECT_EQ(At({3, 5, 11, 12, 1, 13, 8, 14, 18, 19}).PossibleDirections(X), 0);
}

TEST(Board, StepsAndTheirReverse) {
    const PuzzleDef& def = PuzzleDef::Classic();
    for (unsigned d : {1u, 2u, 4u, 8u})
        for (int f = 4; f < 16; ++f)
            EXPECT_EQ(def.UnstepField(def.StepField(f, d), d), f);
    EXPECT_EQ(def.StepField(6, Right), 7);
    EXPECT_EQ(def.StepField(6, Up), 2);
    EXPECT_EQ(def.StepField(6, Left), 5);
    EXPECT_EQ(def.StepField(6, Down), 10);
    EXPECT_EQ(OppositeDir[Right], Left);
    EXPECT_EQ(OppositeDir[Up], Down);
}

TEST(Board, ApplyAndUndoKeepTheKey) {
    Board p(PuzzleDef::Classic());
    p.ApplyStep(F, Down);
    EXPECT_EQ(p.anchor(F), 17);
    EXPECT_EQ(p.ForwardBucket(), (17 ^ 14 ^ 16 ^ 19) & 3);
    const BoardKey moved = p.boardKey();
    p.MakeKey();
    EXPECT_EQ(p.boardKey(), moved);
    p.UndoStep(F, Down);
    EXPECT_EQ(p.boardKey(), Board(PuzzleDef::Classic()).boardKey());
}

TEST(Board, GoalIsXOnThirteenWhateverElse) {
    EXPECT_TRUE(At({0, 13, 3, 8, 9, 11, 1, 2, 16, 19}).GoalReached());
    EXPECT_FALSE(At({0, 14, 3, 8, 9, 11, 1, 2, 16, 19}).GoalReached());
}

// Any board: walls close steps like pieces, an L steps where all its new
// fields are free, and alike pieces are one in the key unless the goal
// names one of them.
TEST(Board, WallsShapesAndNamedPieces) {
    const ReadPuzzle read = ReadPuzzleText("TRULP puzzle\nname: walls\nstart:\n"
                                           "L L . #\n"
                                           "L . A A\n"
                                           "# B . C\n"
                                           "goal:\n"
                                           ". . . .\n"
                                           ". . . .\n"
                                           ". . B .\n");
    ASSERT_TRUE(read.ok) << int(read.error.words);
    const PuzzleDef& def = read.def;
    const Board b(def);
    const int a = def.pieceOf('A'), bb = def.pieceOf('B'), c = def.pieceOf('C'), l = def.pieceOf('L');
    EXPECT_EQ(b.PossibleDirections(l), Right); // its corner and the field below its arm are free
    EXPECT_EQ(b.PossibleDirections(a), Left);  // the wall above, the edge beside
    EXPECT_EQ(b.PossibleDirections(c), Left);  // A stands above it
    EXPECT_EQ(b.PossibleDirections(bb), Up | Right);
    // B is named by the goal: it is a kind of its own, and C is not alike to it.
    EXPECT_NE(def.piece(bb).kind, def.piece(c).kind);
    EXPECT_FALSE(b.GoalReached());
    Board moved = b;
    moved.ApplyStep(bb, Right);
    EXPECT_TRUE(moved.GoalReached());
}
