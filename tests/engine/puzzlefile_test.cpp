// The puzzle file: a text typed from a book reads as its puzzle, written out
// it reads back the same, and every fault of a bad text is named with its
// line; a game of a puzzle keeps its moves, checked from the start.
#include "movesfile.h"
#include "position.h"
#include "puzzlefile.h"

#include <gtest/gtest.h>

#include <string>

using namespace trulp;

namespace {

const char* const kTyped = "TRULP puzzle\n"
                           "name: Century\n"
                           "by: John H. Conway\n"
                           "note: any text, one line\n"
                           "start:\n"
                           "A X X B\n"
                           "A X X B\n"
                           "C D D E\n"
                           "CFGE\n"
                           "H . . I\n"
                           "\n"
                           "goal:\n"
                           ". . . .\n"
                           ". . . .\n"
                           ". . . .\n"
                           ". X X .\n"
                           ". X X .\n";

std::string With(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

} // namespace

TEST(PuzzleFile, ATypedTextIsThePuzzleAndReadsBackAsWritten) {
    const ReadPuzzle read = ReadPuzzleText(kTyped);
    ASSERT_TRUE(read.ok) << int(read.error.words) << " " << read.error.number;
    const PuzzleDef& def = read.def;
    EXPECT_EQ(def.name(), "Century");
    EXPECT_EQ(def.by(), "John H. Conway");
    EXPECT_EQ(def.note(), "any text, one line");
    EXPECT_EQ(def.columns(), 4);
    EXPECT_EQ(def.rows(), 5);
    // The classic's ten blocks and goal: its family, by any name.
    EXPECT_TRUE(def.tenBlock());
    EXPECT_TRUE(def.SameStart(PuzzleDef::Classic()));
    const ReadPuzzle again = ReadPuzzleText(PuzzleText(def));
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.def.Identity(), def.Identity());
    EXPECT_EQ(again.def.note(), def.note());
    // Written from a position on the board: that position is the start.
    Board b(def);
    b.ApplyStep(def.pieceOf('F'), Down);
    const ReadPuzzle moved = ReadPuzzleText(PuzzleText(def, b.anchors()));
    ASSERT_TRUE(moved.ok);
    EXPECT_EQ(Board(moved.def).boardKey(), b.boardKey());
}

TEST(PuzzleFile, EachFaultIsNamedWithItsLine) {
    const std::string good = kTyped;
    const struct {
        const char* what;
        std::string text;
        Words words;
        int line; // or the number the words carry
        char letter;
    } cases[] = {
        {"no mark", With(good, "TRULP puzzle", "TRULP puzle"), Words::PuzzleNoMagic, 1, 0},
        {"no name", With(good, "name: Century\n", ""), Words::PuzzleNoName, 0, 0},
        {"an unknown key", With(good, "by:", "author:"), Words::PuzzleUnknownKey, 3, 0},
        {"no start", With(With(good, "start:\n", ""), "A X X B\nA X X B\nC D D E\nCFGE\nH . . I\n", ""),
         Words::PuzzleNoStart, 0, 0},
        {"no goal", good.substr(0, good.find("goal:")), Words::PuzzleNoGoal, 0, 0},
        {"a short row", With(good, "C D D E\n", "C D D\n"), Words::PuzzleRowLength, 8, 0},
        {"maps of two sizes", With(good, ". X X .\n. X X .\n", ". X X .\n"), Words::PuzzleMapSize, 4, 0},
        {"an unknown field", With(good, "H . . I", "H . x I"), Words::PuzzleUnknownField, 10, 0},
        {"two spaces", With(good, "H . . I", "H .  . I"), Words::PuzzleSpacing, 10, 0},
        {"a piece in two parts", With(good, "H . . I", "H . . A"), Words::PuzzlePieceSplit, 6, 'A'},
        {"a piece too big",
         With(good, "A X X B\nA X X B\nC D D E\nCFGE\n", "X X X X\nX X X X\nX X D E\nC F G E\n"),
         Words::PuzzlePieceTooBig, 6, 'X'},
        {"no free field", With(good, "H . . I", "H J K I"), Words::PuzzleNoFreeField, 0, 0},
        {"a goal of another shape", With(good, ". X X .\n. X X .\n", ". X X .\n. X . .\n"),
         Words::PuzzleGoalShape, 16, 'X'},
        {"a goal on a wall",
         With(With(good, "H . . I", "H . # I"), ". X X .\n. X X .\n", ". . . .\n. . X X\n"),
         Words::PuzzleGoalOnWall, 17, 'X'},
        {"a goal of no piece", With(good, ". X X .\n. X X .\n", ". Q . .\n. . . .\n"),
         Words::PuzzleGoalUnknown, 16, 'Q'},
        {"a goal naming nothing", With(good, ". X X .\n. X X .\n", ". . . .\n. . . .\n"),
         Words::PuzzleGoalNone, 0, 0},
        {"a board too wide", With(good, "H . . I", "H . . I . . . . . . ."), Words::PuzzleRowLength, 10, 0},
        {"not a text", With(good, "Century", std::string("Cent\0ry", 7)), Words::PuzzleNotText, 0, 0},
        {"too large", good + std::string(kLargestPuzzleText, '\n'), Words::PuzzleTooLarge,
         int(kLargestPuzzleText), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadPuzzle read = ReadPuzzleText(c.text);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.error.words, c.words);
        EXPECT_EQ(read.error.number, c.line);
        EXPECT_EQ(read.error.letter, c.letter);
    }
    // The goal met at the start, on a board of its own.
    const ReadPuzzle met = ReadPuzzleText("TRULP puzzle\nname: met\nstart:\nA .\n. .\ngoal:\nA .\n. .\n");
    EXPECT_EQ(met.error.words, Words::PuzzleGoalMet);
    const ReadPuzzle small = ReadPuzzleText("TRULP puzzle\nname: tiny\nstart:\nA .\ngoal:\n. A\n");
    EXPECT_EQ(small.error.words, Words::PuzzleBoardSize);
}

TEST(PuzzleFile, AGameKeepsItsPuzzleAndMovesCheckedFromTheStart) {
    const ReadPuzzle read =
        ReadPuzzleText("TRULP puzzle\nname: two\nstart:\nA . B\n# . .\ngoal:\n. . .\n. . A\n");
    ASSERT_TRUE(read.ok);
    const MoveRecord list[] = {{}, {1, Right, 0}, {1, Down, 0}, {1, Right, 0}};
    const std::string game = GameText(read.def, list, 3);
    const OpenedFile opened = ReadOpenedFile(game);
    ASSERT_EQ(opened.kind, OpenedFile::Kind::Game);
    EXPECT_TRUE(opened.ownPuzzle);
    ASSERT_EQ(opened.moves.size(), 3u);
    EXPECT_EQ(opened.moves[1].direction, Down);
    EXPECT_EQ(opened.def->Identity(), read.def.Identity());
    // A move the board cannot make, or no move at all, and the game is refused.
    EXPECT_EQ(ReadOpenedFile(With(game, "AR AD AR", "AR AD AD")).error.words, Words::PuzzleMoveBlocked);
    EXPECT_EQ(ReadOpenedFile(With(game, "AR AD AR", "AR AD AX")).error.words, Words::PuzzleBadMove);
    // A game of the ten blocks holds what their moves file holds, so it saves whole.
    std::string moves;
    for (int i = 0; i < 201; ++i)
        moves += i % 2 == 0 ? "FD " : "FU ";
    const std::string typed = kTyped;
    const std::string tenBlocks = "TRULP moves" + typed.substr(typed.find('\n')) + "moves:\n" + moves + "\n";
    EXPECT_EQ(ReadOpenedFile(tenBlocks).error.words, Words::PuzzleTooManyMoves);
    EXPECT_EQ(ReadOpenedFile(With(tenBlocks, "FD \n", "\n")).kind, OpenedFile::Kind::Game);
    // A puzzle text opens as a puzzle to play; anything else is a moves record or nothing.
    EXPECT_EQ(ReadOpenedFile(PuzzleText(read.def)).kind, OpenedFile::Kind::Puzzle);
    EXPECT_EQ(ReadOpenedFile("TRULP moves\n").kind, OpenedFile::Kind::Refused);
    EXPECT_EQ(ReadOpenedFile("hello").error.words, Words::ReadError);
}
