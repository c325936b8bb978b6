// Puzzles other than the classic: the collection against the distance
// table, a start written as text, starts drawn at random, and a puzzle
// played, searched and replayed from its own start.
#include "distance.h"
#include "optimal.h"
#include "puzzle.h"
#include "puzzles.h"
#include "start.h"
#include "words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>

using namespace trulp;

namespace {

struct Table {
    Block start[kBlocks + 1];
};

Table Parsed(std::string_view text) {
    const ParsedStart p = ParseStart(text);
    EXPECT_TRUE(p.ok) << text << ": " << Text(p.error).toStdString();
    Table t;
    std::copy(p.start, p.start + kBlocks + 1, t.start);
    return t;
}

} // namespace

TEST(Puzzles, CollectionAgreesWithTheTable) {
    const std::vector<PuzzleInfo>& all = Collection();
    ASSERT_GE(all.size(), 30u);
    EXPECT_EQ(all[0].name, "classic");
    EXPECT_TRUE(SameStart(all[0].start, startTable));
    EXPECT_EQ(FormatStart(all[0].start), "A0 X1 B3 C8 D9 E11 F13 G14 H16 I19");

    const DistanceTable& table = DistanceTable::Shared();
    const int bands[][2] = {{1, 19}, {20, 39}, {40, 59}, {60, 79}, {80, 99}, {100, 119}, {120, 126}};
    int inBand[7] = {};
    int harderThanClassic = 0;
    std::set<std::string> names;
    for (size_t i = 0; i < all.size(); ++i) {
        const PuzzleInfo& p = all[i];
        EXPECT_TRUE(IsPlayable(p.start)) << p.name;
        EXPECT_EQ(table.Distance(p.start), p.shortest) << p.name;
        EXPECT_TRUE(!p.name.empty() && std::all_of(p.name.begin(), p.name.end(), [](char c) {
            return c >= 'a' && c <= 'z';
        })) << p.name;
        EXPECT_TRUE(names.insert(p.name).second) << p.name << " twice";
        EXPECT_EQ(FindPuzzle(p.name), &p);
        EXPECT_EQ(FindPuzzleByStart(p.start), &p) << p.name << ": two puzzles with one start";
        // Easiest to hardest after the classic.
        if (i >= 2) {
            EXPECT_LE(all[i - 1].shortest, p.shortest) << p.name;
        }
        for (int b = 0; b < 7; ++b)
            inBand[b] += p.shortest >= bands[b][0] && p.shortest <= bands[b][1];
        harderThanClassic += p.shortest > all[0].shortest;
        // The text form reads back as the same start.
        EXPECT_TRUE(SameStart(Parsed(FormatStart(p.start)).start, p.start)) << p.name;
    }
    for (int b = 0; b < 7; ++b)
        EXPECT_GT(inBand[b], 0) << bands[b][0] << " to " << bands[b][1] << " moves";
    EXPECT_GE(harderThanClassic, 3);
    EXPECT_EQ(FindPuzzle("Classic"), nullptr);
    EXPECT_EQ(FindPuzzle(""), nullptr);
}

TEST(Puzzles, ParserNamesEachFault) {
    const struct {
        const char* text;
        const char* error; // "" when the start is good
    } cases[] = {
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I19", ""},
        {"  A0  X1\tB3 C8 D9 E11 F13 G14 H16 I19 ", ""},
        {"", "not 0 tokens"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16", "not 9 tokens"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I19 I18", "not 11 tokens"},
        {"X1 A0 B3 C8 D9 E11 F13 G14 H16 I19",
         "block 1 of the start must be A (order A X B C D E F G H I), not 'X1'"},
        {"a0 X1 B3 C8 D9 E11 F13 G14 H16 I19", "must be A"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I20", "'I20': the field must be a number from 0 to 19"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I", "'I': the field"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I-1", "'I-1': the field"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I199", "'I199': the field"},
        {"A0 X3 B4 C8 D9 E11 F13 G14 H16 I19", "block X on field 3 does not fit on the board"},
        {"A16 X1 B3 C8 D9 E11 F13 G14 H12 I19", "block A on field 16 does not fit on the board"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I15", "blocks E on field 11 and I on field 15 overlap"},
        {"A0 X1 B3 C8 D5 E11 F13 G14 H16 I19", "blocks X on field 1 and D on field 5 overlap"},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I05", "blocks X on field 1 and I on field 5 overlap"},
        {"A0 X13 B3 C8 D9 E11 F1 G2 H16 I19", "block X is on the goal already"},
        {"A15 X1 B0 C12 D8 E14 F11 G3 H10 I13", "no way to the goal"},
    };
    for (const auto& c : cases) {
        const ParsedStart p = ParseStart(c.text);
        const std::string expected = c.error;
        if (expected.empty()) {
            EXPECT_TRUE(p.ok) << c.text << ": " << Text(p.error).toStdString();
            EXPECT_TRUE(IsClassicStart(p.start)) << c.text;
        } else {
            EXPECT_FALSE(p.ok) << c.text;
            const std::string error = Text(p.error).toStdString();
            EXPECT_NE(error.find(expected), std::string::npos) << c.text << ": " << error;
        }
    }
}

TEST(Puzzles, GeneratedStartsAreAsFarAsAskedAndFollowTheSeed) {
    const DistanceTable& table = DistanceTable::Shared();
    const struct {
        int moves;
        int shortest;
    } cases[] = {{-5, 1}, {0, 1}, {1, 1}, {19, 19}, {87, 87}, {126, 126}, {500, 126}};
    for (const auto& c : cases) {
        std::set<std::string> starts;
        for (uint64_t seed : {1ull, 2ull, 3ull, 4ull, 0xFFFFFFFFFFFFFFFFull}) {
            const GeneratedPuzzle g = GeneratePuzzle(c.moves, seed);
            EXPECT_EQ(g.shortest, c.shortest) << c.moves;
            EXPECT_EQ(table.Distance(g.start), c.shortest) << c.moves;
            EXPECT_TRUE(IsPlayable(g.start)) << c.moves;
            EXPECT_EQ(FormatStart(GeneratePuzzle(c.moves, seed).start), FormatStart(g.start)) << c.moves;
            starts.insert(FormatStart(g.start));
        }
        // Four positions lie 126 moves from the goal; five seeds rarely agree.
        EXPECT_GE(starts.size(), 2u) << c.moves;
    }
    for (const Difficulty& d : kDifficulties) {
        ASSERT_EQ(FindDifficulty(d.name), &d);
        for (uint64_t seed = 0; seed < 20; ++seed) {
            const GeneratedPuzzle g = GeneratePuzzle(d, seed);
            EXPECT_GE(g.shortest, d.fewest) << d.name;
            EXPECT_LE(g.shortest, d.most) << d.name;
            EXPECT_EQ(table.Distance(g.start), g.shortest) << d.name;
        }
    }
    EXPECT_EQ(FindDifficulty("impossible"), nullptr);
}

TEST(Puzzles, AnotherStartIsResetSearchedAndReplayedFromItself) {
    const PuzzleInfo* ladder = FindPuzzle("ladder");
    ASSERT_NE(ladder, nullptr);
    auto p = std::make_unique<Puzzle>();
    EXPECT_TRUE(p->isClassic());
    ASSERT_TRUE(p->PlayMove(7, Down).made());

    // A start that cannot be played changes nothing.
    const char* refused[] = {
        "A0 X1 B3 C8 D9 E11 F13 G14 H16 I15",  // overlap
        "A0 X13 B3 C8 D9 E11 F1 G2 H16 I19",   // solved
        "A15 X1 B0 C12 D8 E14 F11 G3 H10 I13", // no way to the goal
    };
    for (const char* text : refused) {
        const ParsedStart bad = ParseStart(text);
        ASSERT_FALSE(bad.ok) << text;
        EXPECT_FALSE(p->ChoosePuzzle(bad.start, 150)) << text;
        EXPECT_TRUE(p->isClassic()) << text;
        EXPECT_EQ(p->lastMove(), 1) << text;
        EXPECT_EQ(p->blockTable()[7].field, 17) << text;
    }
    Table wrongShape;
    std::copy(ladder->start, ladder->start + kBlocks + 1, wrongShape.start);
    std::swap(wrongShape.start[1], wrongShape.start[2]); // A and X trade records
    EXPECT_FALSE(p->ChoosePuzzle(wrongShape.start, 150));
    EXPECT_TRUE(p->isClassic());

    // Chosen: the list is empty and the board stands at the new start.
    ASSERT_TRUE(p->ChoosePuzzle(ladder->start, 120));
    EXPECT_FALSE(p->isClassic());
    EXPECT_TRUE(SameStart(p->start(), ladder->start));
    EXPECT_TRUE(SameStart(p->blockTable(), ladder->start));
    EXPECT_EQ(p->lastMove(), 0);
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->maxMove(), 120);
    for (int b = 1; b <= kBlocks; ++b)
        EXPECT_EQ(p->start()[b].letter, startTable[b].letter);

    // The search starts from it, and its line replays from it after a reset.
    p->ResetBoard(120);
    p->ClearMoves();
    while (p->SearchStep(10000) == kBudgetSpent) {
    }
    ASSERT_TRUE(p->GoalReached());
    const int found = p->lastMove();
    EXPECT_GE(found, ladder->shortest);
    EXPECT_LE(found, 120);
    p->ResetBoard(120);
    EXPECT_TRUE(SameStart(p->blockTable(), ladder->start));
    while (p->ReplayMove().made) {
    }
    EXPECT_EQ(p->moveNr(), found + 1);
    EXPECT_TRUE(p->GoalReached());

    // The coach's distances along it begin at the puzzle's own distance.
    int distances[kMaxMoves + 1];
    ASSERT_EQ(DistanceTable::Shared().LineDistances(p->start(), p->movesList(), found, distances), found);
    EXPECT_EQ(distances[0], ladder->shortest);
    EXPECT_EQ(distances[found], 0);
    // From the classic start the same list soon meets a move it cannot make.
    EXPECT_LT(DistanceTable::Shared().LineDistances(p->movesList(), found, distances), found);

    // A shortest line from its start has exactly its length.
    const OptimalResult shortest = SolveOptimal(p->start());
    ASSERT_TRUE(shortest.solved);
    EXPECT_EQ(int(shortest.line.size()), ladder->shortest);
    EXPECT_EQ(shortest.positions, 25955);

    ASSERT_TRUE(p->ChoosePuzzle(startTable, 150));
    EXPECT_TRUE(p->isClassic());
    EXPECT_TRUE(SameStart(p->blockTable(), startTable));
}
