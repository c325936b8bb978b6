// The collection against the solver: every puzzle's shortest lines and
// positions as its index says, played to its goal along the shortest line
// by keys and drags,
// the literature's counts in the notes; a start of the ten blocks written as
// text; starts drawn at random; and a puzzle searched and replayed from its
// own start.
#include "distance.h"
#include "optimal.h"
#include "puzzle.h"
#include "puzzles.h"
#include "session.h"
#include "start.h"
#include "tables.h"
#include "tenblocktable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <regex>
#include <set>

using namespace trulp;

TEST(Puzzles, EveryPuzzleOfTheCollectionIsAsItsIndexSaysAndPlaysToItsGoal) {
    const std::vector<PuzzleInfo>& all = Collection();
    ASSERT_GE(all.size(), 42u);
    EXPECT_EQ(all[0].id, "classic");
    EXPECT_TRUE(all[0].def->SameStart(PuzzleDef::Classic()));
    EXPECT_EQ(FormatStart(*all[0].def), "A0 X1 B3 C8 D9 E11 F13 G14 H16 I19");
    std::set<std::string> ids, names;
    int notTenBlocks = 0, walled = 0;
    std::set<std::pair<int, int>> sizes;
    for (const PuzzleInfo& p : all) {
        SCOPED_TRACE(p.id);
        EXPECT_TRUE(CheckStart(*p.def).playable());
        EXPECT_TRUE(ids.insert(p.id).second) << "twice";
        EXPECT_TRUE(names.insert(p.name()).second) << "a name twice";
        EXPECT_EQ(FindPuzzle(p.id), &p);
        EXPECT_EQ(FindPuzzle(p.name()), &p);
        EXPECT_EQ(FindPuzzleByStart(*p.def), &p) << "two puzzles with one start";
        notTenBlocks += !p.def->tenBlock();
        walled += p.def->walls() != 0;
        sizes.insert({p.def->columns(), p.def->rows()});

        const auto table = tables::TableOf(*p.def);
        ASSERT_TRUE(table->known());
        const Board start(*p.def);
        EXPECT_EQ(table->positions(), p.positions);
        EXPECT_EQ(table->Distance(start), p.shortest);
        EXPECT_EQ(table->PieceDistance(start), p.shortestPieces);
        // Played along its shortest line as a player would, by keys and by
        // drags in turn, it reaches its goal with the player's praise.
        const std::vector<MoveRecord> line = SolveOptimal(*table, start).line;
        ASSERT_EQ(int(line.size()), p.shortest);
        Puzzle game;
        Session session(game, [] { return int64_t(0); });
        session.Start(150);
        session.ChoosePuzzle(p.def, p.name());
        for (size_t i = 0; i < line.size(); ++i) {
            const int piece = line[i].block, k = LowestField(line[i].direction);
            Input in;
            if (i % 2 == 0) {
                in.text = char32_t(std::tolower(p.def->piece(piece).letter));
                session.Input(in);
                in.text = 0;
                in.key = std::array{KeyName::Right, KeyName::Up, KeyName::Left, KeyName::Down}[size_t(k)];
            } else {
                const int field = LowestField(game.BlockMask(piece)), columns = p.def->columns();
                in.x = field % columns * 100 + 50;
                in.y = field / columns * 100 + 50;
                in.act = Act::Press;
                session.Input(in);
                in.x += std::array{60, 0, -60, 0}[size_t(k)];
                in.y += std::array{0, -60, 0, 60}[size_t(k)];
                in.act = Act::Drag;
                session.Input(in);
                in.act = Act::Release;
            }
            const Reply r = session.Input(in);
            ASSERT_EQ(game.lastMove(), int(i + 1)) << "move " << i + 1;
            if (i + 1 == line.size()) {
                EXPECT_EQ(r.said.words, Words::SolvedAlone);
            }
            session.Input(Input{.act = Act::SlideEnded});
        }
        EXPECT_TRUE(game.GoalReached());
        // Where the literature gives a shortest count, the note says which.
        std::smatch m;
        if (std::regex_search(p.def->note(), m,
                              std::regex("[Ss]hortest solution:? (\\d+) (piece moves|moves)"))) {
            EXPECT_EQ(std::stoi(m[1]), m[2] == "moves" ? p.shortest : p.shortestPieces);
        }
    }
    EXPECT_EQ(FindPuzzle("Classic"), nullptr);
    EXPECT_EQ(FindPuzzle(""), nullptr);
    EXPECT_GE(notTenBlocks, 15);
    EXPECT_GE(sizes.size(), 4u);
    EXPECT_GE(walled, 1);
}

TEST(Puzzles, TheTenBlocksFromEasiestToHardest) {
    const int bands[][2] = {{1, 19}, {20, 39}, {40, 59}, {60, 79}, {80, 99}, {100, 119}, {120, 126}};
    int inBand[7] = {};
    int harderThanClassic = 0;
    const std::vector<PuzzleInfo>& all = Collection();
    for (size_t i = 0; i < all.size() && all[i].pack == "tenblock"; ++i) {
        const PuzzleInfo& p = all[i];
        EXPECT_TRUE(p.def->tenBlock()) << p.id;
        // The text form reads back as the same start.
        EXPECT_TRUE(ParseStart(FormatStart(*p.def)).def.SameStart(*p.def)) << p.id;
        if (i >= 2) {
            EXPECT_LE(all[i - 1].shortest, p.shortest) << p.id;
        }
        for (int b = 0; b < 7; ++b)
            inBand[b] += p.shortest >= bands[b][0] && p.shortest <= bands[b][1];
        harderThanClassic += p.shortest > all[0].shortest;
    }
    for (int b = 0; b < 7; ++b)
        EXPECT_GT(inBand[b], 0) << bands[b][0] << " to " << bands[b][1] << " moves";
    EXPECT_GE(harderThanClassic, 3);
}

TEST(Puzzles, ParserNamesEachFault) {
    const struct {
        const char* text;
        Words words; // Keep when the start is good
        int number;
        char letter;
    } cases[] = {
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I19", Words::Keep, 0, 0},
        {"  A0  X1\tB3 C8 D9 E11 F13 G14 H16 I19 ", Words::Keep, 0, 0},
        {"", Words::StartTokens, 0, 0},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16", Words::StartTokens, 9, 0},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I19 I18", Words::StartTokens, 11, 0},
        {"X1 A0 B3 C8 D9 E11 F13 G14 H16 I19", Words::StartOrder, 1, 'A'},
        {"a0 X1 B3 C8 D9 E11 F13 G14 H16 I19", Words::StartOrder, 1, 'A'},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I20", Words::StartField, 0, 0},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I", Words::StartField, 0, 0},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I-1", Words::StartField, 0, 0},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I199", Words::StartField, 0, 0},
        {"A0 X3 B4 C8 D9 E11 F13 G14 H16 I19", Words::OffBoard, 3, 'X'},
        {"A16 X1 B3 C8 D9 E11 F13 G14 H12 I19", Words::OffBoard, 16, 'A'},
        {"A0 X1 B3 C8 D9 E11 F13 G14 H16 I15", Words::Overlap, 11, 'E'},
        {"A0 X1 B3 C8 D5 E11 F13 G14 H16 I19", Words::Overlap, 1, 'X'},
        {"A0 X13 B3 C8 D9 E11 F1 G2 H16 I19", Words::OnGoal, 0, 'X'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedStart p = ParseStart(c.text);
        EXPECT_EQ(p.ok, c.words == Words::Keep);
        EXPECT_EQ(p.error.words, c.words);
        EXPECT_EQ(p.error.number, c.number);
        EXPECT_EQ(p.error.letter, c.letter);
        if (p.ok) {
            EXPECT_TRUE(p.def.SameStart(PuzzleDef::Classic()));
        }
    }
}

TEST(Puzzles, GeneratedStartsAreAsFarAsAskedAndFollowTheSeed) {
    const TenBlockTable table;
    const struct {
        int moves;
        int shortest;
    } cases[] = {{-5, 1}, {0, 1}, {1, 1}, {19, 19}, {87, 87}, {126, 126}, {500, 126}};
    for (const auto& c : cases) {
        std::set<std::string> starts;
        for (uint64_t seed : {1ull, 2ull, 3ull, 4ull, 0xFFFFFFFFFFFFFFFFull}) {
            const GeneratedPuzzle g = GeneratePuzzle(table, c.moves, seed);
            EXPECT_EQ(g.shortest, c.shortest) << c.moves;
            EXPECT_EQ(tables::TableOf(g.def)->Distance(Board(g.def)), c.shortest) << c.moves;
            EXPECT_TRUE(CheckStart(g.def).playable()) << c.moves;
            EXPECT_EQ(FormatStart(GeneratePuzzle(table, c.moves, seed).def), FormatStart(g.def)) << c.moves;
            starts.insert(FormatStart(g.def));
        }
        // Four positions lie 126 moves from the goal; five seeds rarely agree.
        EXPECT_GE(starts.size(), 2u) << c.moves;
    }
    for (const Difficulty& d : kDifficulties) {
        ASSERT_EQ(FindDifficulty(d.name), &d);
        for (uint64_t seed = 0; seed < 20; ++seed) {
            const GeneratedPuzzle g = GeneratePuzzle(table, d, seed);
            EXPECT_GE(g.shortest, d.fewest) << d.name;
            EXPECT_LE(g.shortest, d.most) << d.name;
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

    // A start whose blocks do not stand apart changes nothing.
    const PuzzleDef overlap = ParseStart("A0 X1 B3 C8 D9 E11 F13 G14 H16 I15").def;
    EXPECT_FALSE(p->ChoosePuzzle(std::make_shared<const PuzzleDef>(overlap), 150));
    EXPECT_TRUE(p->isClassic());
    EXPECT_EQ(p->lastMove(), 1);
    EXPECT_EQ(p->board().anchor(7), 17);

    // Chosen: the list is empty and the board stands at the new start.
    ASSERT_TRUE(p->ChoosePuzzle(ladder->def, 120));
    EXPECT_FALSE(p->isClassic());
    EXPECT_TRUE(p->def().SameStart(*ladder->def));
    EXPECT_EQ(p->board(), Board(p->def()));
    EXPECT_EQ(p->lastMove(), 0);
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->maxMove(), 120);

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
    EXPECT_EQ(p->board(), Board(p->def()));
    while (p->ReplayMove().made) {
    }
    EXPECT_EQ(p->moveNr(), found + 1);
    EXPECT_TRUE(p->GoalReached());

    // A shortest line from its start has exactly its length.
    const OptimalResult shortest = SolveOptimal(*tables::TableOf(*ladder->def), Board(*ladder->def));
    ASSERT_TRUE(shortest.solved);
    EXPECT_EQ(int(shortest.line.size()), ladder->shortest);
    EXPECT_EQ(shortest.positions, 25955);
}

// Every other puzzle is searched by the same depth-first search: the search
// finds its goal on a small puzzle and the line replays.
TEST(Puzzles, TheSearchRunsOnAnyPuzzle) {
    int solved = 0;
    for (const PuzzleInfo& p : Collection()) {
        if (p.def->tenBlock() || p.positions > 20000)
            continue;
        SCOPED_TRACE(p.id);
        Puzzle game;
        ASSERT_TRUE(game.ChoosePuzzle(p.def, MoveLimitCeiling(*p.def)));
        game.ClearMoves();
        while (game.SearchStep(10000) == kBudgetSpent) {
        }
        if (!game.GoalReached())
            continue; // the search's memory may fill before it finds a line
        const int found = game.lastMove();
        EXPECT_GE(found, p.shortest);
        game.ResetBoard(MoveLimitCeiling(*p.def));
        while (game.ReplayMove().made) {
        }
        EXPECT_EQ(game.moveNr(), found + 1);
        EXPECT_TRUE(game.GoalReached());
        ++solved;
    }
    EXPECT_GE(solved, 3);
}
