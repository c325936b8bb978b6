#include "run_solve.h"

#include "distance.h"
#include "movesfile.h"
#include "optimal.h"
#include "position.h"
#include "puzzlefile.h"
#include "puzzles.h"
#include "start.h"
#include "tables.h"
#include "tenblock.h"
#include "trulp_version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <set>

using namespace trulp;
using namespace solvetest;
namespace fs = std::filesystem;

namespace {

Object ParseJson(const SolveRun& run) {
    Value v;
    EXPECT_TRUE(JsonReader(run.out).parse(v)) << run.out;
    EXPECT_TRUE(std::holds_alternative<std::shared_ptr<Object>>(v.v)) << run.out;
    return std::holds_alternative<std::shared_ptr<Object>>(v.v) ? v.object() : Object{};
}

std::vector<std::string> LineOf(const Object& o) {
    std::vector<std::string> line;
    for (const Value& v : o.at("line").array())
        line.push_back(v.text());
    return line;
}

std::vector<std::string> Keys(const Object& o) {
    std::vector<std::string> keys;
    for (const auto& [k, v] : o)
        keys.push_back(k);
    return keys;
}

std::vector<std::string> Names(const DecodedMoves& d) {
    std::vector<std::string> names;
    for (int i = 1; i <= d.count; ++i)
        names.push_back({d.def.piece(d.moves[i].block).letter, DirectionLetters[d.moves[i].direction]});
    return names;
}

DecodedMoves ReadRecord(const fs::path& p) {
    const std::string bytes = Slurp(p);
    return DecodeMovesRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string RecordBytes(std::string_view storedName, const std::vector<MoveRecord>& moves) {
    std::vector<MoveRecord> list(1);
    list.insert(list.end(), moves.begin(), moves.end());
    const MovesRecordBytes r = EncodeMovesRecord(storedName, list.data(), int(moves.size()));
    return std::string(r.begin(), r.end());
}

class SolveFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("trulp-solve-test-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::vector<std::string> FilesInDir() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir;
};

} // namespace

TEST(Solve, SearchAtLimit150GivesTheKnownLineAndCounters) {
    const SolveRun run = RunSolve({"--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const Object o = ParseJson(run);
    EXPECT_EQ(Keys(o), (std::vector<std::string>{"backwardHits", "forwardHits", "forwardLength", "line",
                                                 "moves", "result", "trialMoves"}));
    EXPECT_EQ(o.at("result").text(), "solved");
    EXPECT_EQ(o.at("moves").number(), 148);
    EXPECT_EQ(o.at("trialMoves").number(), 506873);
    EXPECT_EQ(o.at("forwardHits").number(), 118195);
    EXPECT_EQ(o.at("backwardHits").number(), 3058);
    EXPECT_EQ(o.at("forwardLength").number(), 18113);
    const std::vector<std::string> line = LineOf(o);
    ASSERT_EQ(line.size(), 148u);
    EXPECT_EQ(std::vector<std::string>(line.begin(), line.begin() + 8),
              (std::vector<std::string>{"FD", "FR", "GL", "HR", "CD", "DL", "EL", "IU"}));
    EXPECT_EQ(line.back(), "XL");

    // The same run, the limit named, in slices of a single move.
    const SolveRun sliced = RunSolve({"--slice", "1", "--max-move=150", "--json"});
    EXPECT_EQ(sliced.exitCode, 0);
    EXPECT_EQ(sliced.out, run.out);
}

TEST(Solve, MoveLimitDecidesTheOutcome) {
    const SolveRun none = RunSolve({"--max-move", "115", "--json"});
    EXPECT_EQ(none.exitCode, 1);
    const Object o = ParseJson(none);
    EXPECT_EQ(o.at("result").text(), "no solution");
    EXPECT_EQ(o.at("moves").number(), 0);
    EXPECT_TRUE(LineOf(o).empty());

    for (int limit : {116, 200}) {
        const SolveRun run = RunSolve({"--max-move", std::to_string(limit), "--slice", "777", "--json"});
        EXPECT_EQ(run.exitCode, 0) << limit;
        const Object solved = ParseJson(run);
        EXPECT_EQ(solved.at("moves").number(), limit);
        EXPECT_EQ(LineOf(solved).size(), size_t(limit));
    }
}

TEST(Solve, OptimalFromTheStart) {
    const SolveRun run = RunSolve({"--optimal", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    const Object o = ParseJson(run);
    EXPECT_EQ(Keys(o), (std::vector<std::string>{"line", "moves", "pieceMoves", "positions", "result"}));
    EXPECT_EQ(o.at("result").text(), "solved");
    EXPECT_EQ(o.at("moves").number(), 116);
    EXPECT_EQ(o.at("pieceMoves").number(), 81);
    EXPECT_EQ(o.at("positions").number(), 25955);
    const OptimalResult direct =
        SolveOptimal(*tables::TableOf(PuzzleDef::Classic()), Board(PuzzleDef::Classic()));
    std::vector<std::string> expected;
    for (const MoveRecord& m : direct.line)
        expected.push_back({PuzzleDef::Classic().piece(m.block).letter, DirectionLetters[m.direction]});
    EXPECT_EQ(LineOf(o), expected);
}

TEST(Solve, ReportForPeopleShowsFiguresAndArrows) {
    const SolveRun run = RunSolve({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("solved"), std::string::npos);
    EXPECT_NE(run.out.find("506873"), std::string::npos);
    EXPECT_NE(run.out.find("   1 F\u2193"), std::string::npos);
    EXPECT_NE(run.out.find(" 148 X\u2190"), std::string::npos);
    EXPECT_EQ(run.out.find('{'), std::string::npos);

    const SolveRun none = RunSolve({"--max-move", "100"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.out.find("no solution"), std::string::npos);
}

TEST(Solve, HelpAndVersion) {
    const SolveRun help = RunSolve({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--optimal"), std::string::npos);
    const SolveRun version = RunSolve({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("trulp-solve ") + TRULP_VERSION + "\n");
}

TEST_F(SolveFiles, SavedSearchLineOpensAndReplays) {
    const SolveRun run = RunSolve({"--save", (dir / "mine").string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Object o = ParseJson(run);
    const fs::path saved = dir / "TRULP_ mine";
    EXPECT_EQ(o.at("saved").text(), saved.string());
    // Only the file itself: the temporary one was renamed, not left behind.
    EXPECT_EQ(FilesInDir(), std::vector<std::string>{"TRULP_ mine"});
    EXPECT_EQ(fs::file_size(saved), 250u);

    const DecodedMoves d = ReadRecord(saved);
    ASSERT_EQ(d.status, RecordStatus::Ok);
    EXPECT_EQ(d.storedName, "TRULP_ mine");
    EXPECT_EQ(Names(d), LineOf(o));

    // The saved line ends on the goal, so nothing is left to do from there.
    const SolveRun from = RunSolve({"--optimal", "--from", saved.string(), "--json"});
    EXPECT_EQ(from.exitCode, 0) << from.err;
    const Object f = ParseJson(from);
    EXPECT_EQ(f.at("result").text(), "solved");
    EXPECT_EQ(f.at("moves").number(), 0);
    EXPECT_EQ(f.at("positions").number(), 25955);

    // Saving again over the same name replaces the file.
    const SolveRun again = RunSolve({"--max-move", "116", "--save", (dir / "mine").string()});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("saved as: " + saved.string()), std::string::npos);
    EXPECT_EQ(ReadRecord(saved).count, 116);
    EXPECT_EQ(FilesInDir(), std::vector<std::string>{"TRULP_ mine"});
}

TEST_F(SolveFiles, OptimalFromAPartLineSavesTheWholeLine) {
    std::vector<MoveRecord> line = tables::ShortestLine(PuzzleDef::Classic());
    ASSERT_EQ(line.size(), 116u);
    line.resize(100);
    WriteBytes(dir / "part", RecordBytes("TRULP_ part", line));

    const SolveRun run = RunSolve({"--optimal", "--from", (dir / "part").string(), "--save",
                                   (dir / "a-rather-long-file-name.moves").string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Object o = ParseJson(run);
    EXPECT_EQ(o.at("moves").number(), 16);
    // "TRULP_ " and the name, cut to 25 characters.
    const fs::path saved = dir / "TRULP_ a-rather-long-file";
    EXPECT_EQ(o.at("saved").text(), saved.string());
    const DecodedMoves d = ReadRecord(saved);
    ASSERT_EQ(d.status, RecordStatus::Ok);
    ASSERT_EQ(d.count, 116);
    auto p = std::make_unique<Puzzle>();
    ASSERT_TRUE(p->LoadMoves(d.moves, d.count));
    while (p->ReplayMove().made) {
    }
    EXPECT_EQ(p->moveNr(), 117); // the whole line replays from the start
    EXPECT_TRUE(p->GoalReached());
    const std::vector<std::string> names = Names(d);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 100, names.end()), LineOf(o));
}

TEST_F(SolveFiles, NothingIsSavedWithoutASolution) {
    const SolveRun run = RunSolve({"--max-move", "115", "--save", (dir / "none").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("nothing saved"), std::string::npos);
    EXPECT_TRUE(FilesInDir().empty());
}

TEST_F(SolveFiles, BadInputIsOneLineOnStderrAndStatusTwo) {
    std::vector<MoveRecord> good = tables::ShortestLine(PuzzleDef::Classic());
    good.resize(20);
    const std::string record = RecordBytes("TRULP_ good", good);
    WriteBytes(dir / "short", record.substr(0, 249));
    WriteBytes(dir / "wrongname", RecordBytes("trulp_ good", good));
    std::string badCount = record;
    badCount[12] = char(201);
    WriteBytes(dir / "badcount", badCount);
    std::string badMove = record;
    badMove[13] = char(0xB1); // block 11
    WriteBytes(dir / "badmove", badMove);
    std::vector<MoveRecord> illegal = good;
    illegal[4] = {kXBlock, Up, 0};
    WriteBytes(dir / "illegal", RecordBytes("TRULP_ illegal", illegal));
    WriteBytes(dir / "good", record);
    const std::string d = dir.string() + "/";

    const std::vector<std::vector<std::string>> cases = {
        {"--max-move", "99"},
        {"--max-move", "201"},
        {"--max-move", "501"},
        {"--max-move", "abc"},
        {"--max-move", "150x"},
        {"--max-move", "-150"},
        {"--max-move", ""},
        {"--max-move"},
        {"--max-move", "--json"},
        {"--slice", "0"},
        {"--slice", "99999999999"},
        {"--frobnicate"},
        {"-j"},
        {"150"},
        {"--json", "--json"},
        {"--json=yes"},
        {"--from", d + "good"},
        {"--optimal", "--max-move", "150"},
        {"--optimal", "--slice", "5"},
        {"--optimal", "--from"},
        {"--optimal", "--from", d + "missing"},
        {"--optimal", "--from", d},
        {"--optimal", "--from", d + "short"},
        {"--optimal", "--from", d + "wrongname"},
        {"--optimal", "--from", d + "badcount"},
        {"--optimal", "--from", d + "badmove"},
        {"--optimal", "--from", d + "illegal"},
        {"--save", d},
        {"--save", d + "no/such/dir/x", "--max-move", "116"},
        {"--puzzle", "nosuchpuzzle"},
        {"--optimal", "--puzzle", "Ladder"},
        {"--puzzle"},
        {"--start", "A0 X1"},
        {"--optimal", "--start", "A0 X13 B3 C8 D9 E11 F1 G2 H16 I19"},
        {"--start", "A0 X1 B3 C8 D9 E11 F13 G14 H16 I15"},
        {"--puzzle", "ladder", "--start", "A0 X1 B3 C8 D9 E11 F13 G14 H16 I19"},
        {"--optimal", "--from", d + "good", "--puzzle", "ladder"},
        {"--puzzles", "--max-move", "120"},
        {"--puzzle-file", d + "good"},
        {"--puzzle-file", d + "missing"},
        {"--puzzle-file", "-", "--start", "A0 X1 B3 C8 D9 E11 F13 G14 H16 I19"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const std::string& a : args)
            shown += " '" + a + "'";
        const SolveRun run = RunSolve(args);
        EXPECT_EQ(run.exitCode, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_TRUE(run.err.starts_with("trulp-solve: ")) << shown << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << ": " << run.err;
        EXPECT_TRUE(run.err.ends_with("\n")) << shown;
    }
    // The illegal move is named by its number.
    EXPECT_NE(RunSolve({"--optimal", "--from", d + "illegal"}).err.find("move 5 "), std::string::npos);
    // The failed save left nothing behind in the directory it could reach.
    EXPECT_EQ(FilesInDir(),
              (std::vector<std::string>{"badcount", "badmove", "good", "illegal", "short", "wrongname"}));
}

TEST_F(SolveFiles, StoredNameIsLatinOneAndTheDiskNameAsTyped) {
    // e-acute is Latin-1 and kept; the euro sign is not and becomes '?'
    // inside the file, while the name on disk keeps it.
    const SolveRun run = RunSolve({"--optimal", "--save", (dir / "\u00e9\u20ac").string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FilesInDir(), std::vector<std::string>{"TRULP_ \u00e9\u20ac"});
    const DecodedMoves d = ReadRecord(dir / "TRULP_ \u00e9\u20ac");
    ASSERT_EQ(d.status, RecordStatus::Ok);
    EXPECT_EQ(d.storedName, "TRULP_ \xe9?");
    EXPECT_EQ(ParseJson(run).at("saved").text(), (dir / "TRULP_ \u00e9\u20ac").string());
}

TEST(Solve, PuzzlesListedAsJsonAreThoseOfTheCollection) {
    const SolveRun run = RunSolve({"--puzzles", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Object o = ParseJson(run);
    ASSERT_EQ(Keys(o), std::vector<std::string>{"puzzles"});
    const Array& puzzles = o.at("puzzles").array();
    ASSERT_EQ(puzzles.size(), Collection().size());
    // The exact form, on one line.
    EXPECT_TRUE(run.out.starts_with(
        "{\"puzzles\": [{\"id\": \"classic\", \"name\": \"classic\", \"pack\": "
        "\"tenblock\", \"columns\": 4, \"rows\": 5, \"shortest\": 116, \"pieceMoves\": 81, "
        "\"start\": \"A0 X1 B3 C8 D9 E11 F13 G14 H16 I19\"}, {\"id\": "))
        << run.out;
    EXPECT_TRUE(run.out.ends_with("}]}\n"));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    for (size_t i = 0; i < puzzles.size(); ++i) {
        const Object& p = puzzles[i].object();
        const PuzzleInfo& info = Collection()[i];
        EXPECT_EQ(p.at("id").text(), info.id);
        EXPECT_EQ(p.at("shortest").number(), info.shortest) << info.id;
        EXPECT_EQ(p.at("pieceMoves").number(), info.shortestPieces) << info.id;
        EXPECT_EQ(p.at("columns").number(), info.def->columns()) << info.id;
        EXPECT_EQ(p.count("start"), info.def->tenBlock() ? 1u : 0u) << info.id;
    }
    // The table for people has a row per puzzle under its heading.
    const SolveRun text = RunSolve({"--puzzles"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(size_t(std::count(text.out.begin(), text.out.end(), '\n')), puzzles.size() + 1);
}

TEST_F(SolveFiles, OptimalFromAPuzzleIsALegalLineOfItsLength) {
    const struct {
        std::vector<std::string> args;
        const char* name;
    } cases[] = {
        {{"--puzzle", "nearly"}, "nearly"},
        {{"--puzzle=zenith"}, "zenith"},
        {{"--start", "A0 X1 B3 C12 D17 E15 F8 G9 H10 I11"}, "ladder"},
        {{"--start", "A0 X5 B3 C8 D17 E11 F13 G14 H16 I19"}, ""}, // not in the collection
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--optimal", "--json"});
        const SolveRun run = RunSolve(args);
        ASSERT_EQ(run.exitCode, 0) << c.args[0] << ": " << run.err;
        const Object o = ParseJson(run);
        const ParsedStart start = ParseStart(o.at("start").text());
        ASSERT_TRUE(start.ok) << o.at("start").text();
        if (*c.name) {
            EXPECT_EQ(o.at("puzzle").text(), c.name);
            EXPECT_TRUE(start.def.SameStart(*FindPuzzle(c.name)->def));
        } else {
            EXPECT_EQ(o.count("puzzle"), 0u);
        }
        const int shortest = tables::TableOf(start.def)->Distance(Board(start.def));
        EXPECT_EQ(o.at("moves").number(), shortest);
        // Every step legal from the puzzle's start, the last on the goal.
        Board board(start.def);
        const std::vector<std::string> line = LineOf(o);
        ASSERT_EQ(int(line.size()), shortest);
        for (const std::string& step : line) {
            const int block = int(std::string_view("AXBCDEFGHI").find(step[0])) + 1;
            const unsigned direction = step[1] == 'R'   ? Right
                                       : step[1] == 'U' ? Up
                                       : step[1] == 'L' ? Left
                                                        : Down;
            ASSERT_TRUE(board.PossibleDirections(block) & direction) << step;
            board.ApplyStep(block, direction);
        }
        EXPECT_TRUE(board.GoalReached()) << c.args[0];
    }

    // The report names the puzzle; saved, the file keeps it for --from.
    const SolveRun named =
        RunSolve({"--puzzle", "ladder", "--max-move", "120", "--save", (dir / "lad").string()});
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_TRUE(
        named.out.starts_with("depth-first search from the start of puzzle 'ladder', move limit 120\n"));
    const DecodedMoves saved = ReadRecord(dir / "TRULP_ lad");
    ASSERT_EQ(saved.status, RecordStatus::Ok);
    EXPECT_EQ(saved.storedName, "TRULP+ lad");
    EXPECT_TRUE(saved.def.SameStart(*FindPuzzle("ladder")->def));
    const SolveRun from = RunSolve({"--optimal", "--from", (dir / "TRULP_ lad").string(), "--json"});
    ASSERT_EQ(from.exitCode, 0) << from.err;
    EXPECT_EQ(ParseJson(from).at("puzzle").text(), "ladder");
    EXPECT_EQ(ParseJson(from).at("moves").number(), 0);
}

namespace {

// A puzzle drawn at random: a board of 3 x 3 to 6 x 6 with a few walls and
// pieces of one to four fields, one of them (X) to reach a place of the goal.
std::string RandomPuzzle(std::mt19937& random) {
    const int columns = 3 + int(random() % 4), rows = 3 + int(random() % 4);
    std::vector<std::string> start(size_t(rows), std::string(size_t(columns), '.'));
    for (int w = int(random() % 3); w > 0; --w)
        start[random() % unsigned(rows)][random() % unsigned(columns)] = '#';
    const auto grow = [&](char letter, int size) {
        for (int tries = 0; tries < 40; ++tries) {
            std::vector<std::pair<int, int>> cells{
                {int(random() % unsigned(rows)), int(random() % unsigned(columns))}};
            if (start[size_t(cells[0].first)][size_t(cells[0].second)] != '.')
                continue;
            while (int(cells.size()) < size) {
                const auto [r, c] = cells[random() % cells.size()];
                const int dr[] = {1, -1, 0, 0}, dc[] = {0, 0, 1, -1};
                const int k = int(random() % 4), nr = r + dr[k], nc = c + dc[k];
                if (nr < 0 || nc < 0 || nr >= rows || nc >= columns || start[size_t(nr)][size_t(nc)] != '.' ||
                    std::find(cells.begin(), cells.end(), std::pair{nr, nc}) != cells.end())
                    break;
                cells.push_back({nr, nc});
            }
            if (int(cells.size()) != size)
                continue;
            for (const auto& [r, c] : cells)
                start[size_t(r)][size_t(c)] = letter;
            return cells;
        }
        return std::vector<std::pair<int, int>>{};
    };
    const std::vector<std::pair<int, int>> x = grow('X', 1 + int(random() % 2));
    // Pieces until two to five fields stay free: a puzzle, not an empty room.
    const auto freeFields = [&] {
        int n = 0;
        for (const std::string& row : start)
            n += int(std::count(row.begin(), row.end(), '.'));
        return n;
    };
    const int leave = 2 + int(random() % 4);
    // Mostly pieces of two to four fields: many single fields make puzzles
    // of millions of positions, too many for the plain search to walk.
    for (int p = 0; p < 26 && freeFields() > leave; ++p)
        if (char('A' + p) != 'X' &&
            grow(char('A' + p), random() % 8 == 0 ? 1 : 2 + int(random() % 3)).empty())
            grow(char('A' + p), 1);
    // The goal: X's shape moved by an offset that keeps it on the board.
    std::vector<std::string> goal(size_t(rows), std::string(size_t(columns), '.'));
    for (int tries = 0; tries < 50 && !x.empty(); ++tries) {
        const int dr = int(random() % unsigned(rows)) - rows / 2,
                  dc = int(random() % unsigned(columns)) - columns / 2;
        bool fits = dr != 0 || dc != 0;
        for (const auto& [r, c] : x)
            fits &= r + dr >= 0 && r + dr < rows && c + dc >= 0 && c + dc < columns &&
                    start[size_t(r + dr)][size_t(c + dc)] != '#';
        if (!fits)
            continue;
        for (const auto& [r, c] : x)
            goal[size_t(r + dr)][size_t(c + dc)] = 'X';
        break;
    }
    std::string text = "TRULP puzzle\nname: random\nstart:\n";
    for (const std::string& row : start)
        text += row + "\n";
    text += "goal:\n";
    for (const std::string& row : goal)
        text += row + "\n";
    return text;
}

// The plain way: breadth-first over whole positions (every piece told
// apart, which cannot change a distance), in moves and in piece moves.
struct Plain {
    bool solved = false;
    bool tooMany = false; // more positions than a test should walk
    int moves = -1;
    int pieceMoves = -1;
};
Plain PlainSearch(const PuzzleDef& def) {
    using Key = std::vector<uint8_t>;
    const auto neighbours = [&](const Key& k, bool whole) {
        std::vector<Key> out;
        const Board b(def, k.data());
        for (int p = 1; p <= def.pieceCount(); ++p) {
            // One field, or on along free fields as far as the piece goes.
            std::vector<Board> frontier{b};
            std::set<int> seen{b.anchor(p)};
            while (!frontier.empty()) {
                const Board at = frontier.back();
                frontier.pop_back();
                for (unsigned d = Right; d <= Down; d <<= 1)
                    if (at.PossibleDirections(p) & d) {
                        Board next = at;
                        next.ApplyStep(p, d);
                        if (!seen.insert(next.anchor(p)).second)
                            continue;
                        out.emplace_back(next.anchors(), next.anchors() + def.pieceCount() + 1);
                        if (whole)
                            frontier.push_back(next);
                    }
            }
        }
        return out;
    };
    const auto bfs = [&](bool whole) {
        const Board start(def);
        Key first(start.anchors(), start.anchors() + def.pieceCount() + 1);
        std::map<Key, int> distance{{first, 0}};
        std::deque<Key> queue{first};
        // Every position reachable, so that only puzzles the coach can know
        // are compared; the first goal met is the nearest.
        int nearest = -1;
        while (!queue.empty()) {
            const Key k = queue.front();
            queue.pop_front();
            if (nearest < 0 && Board(def, k.data()).GoalReached())
                nearest = distance[k];
            if (distance.size() > 20000)
                return -2;
            for (const Key& n : neighbours(k, whole))
                if (distance.emplace(n, distance[k] + 1).second)
                    queue.push_back(n);
        }
        return nearest;
    };
    Plain plain;
    plain.moves = bfs(false);
    plain.pieceMoves = bfs(true);
    plain.tooMany = plain.moves == -2 || plain.pieceMoves == -2;
    plain.solved = plain.moves >= 0;
    return plain;
}

} // namespace

// trulp-solve against a plain breadth-first search, both counts, on random
// puzzles read from standard input, some without a way to the goal.
TEST(Solve, OptimalAgreesWithAPlainSearchOnRandomPuzzles) {
    std::mt19937 random(2026);
    int tried = 0, unsolved = 0;
    while (tried < 55) {
        const std::string text = RandomPuzzle(random);
        const ReadPuzzle read = ReadPuzzleText(text);
        if (!read.ok)
            continue; // a goal met at the start, or no goal found room
        const Plain plain = PlainSearch(read.def);
        if (plain.tooMany)
            continue;
        ++tried;
        const SolveRun run = RunSolve({"--optimal", "--json", "--puzzle-file", "-"}, text);
        ASSERT_EQ(run.exitCode, plain.solved ? 0 : 1) << text << run.err;
        const Object o = ParseJson(run);
        EXPECT_EQ(o.at("result").text(), plain.solved ? "solved" : "no solution") << text;
        if (!plain.solved) {
            ++unsolved;
            continue;
        }
        EXPECT_EQ(o.at("moves").number(), plain.moves) << text;
        EXPECT_EQ(o.at("pieceMoves").number(), plain.pieceMoves) << text;
        // The line is legal and ends on the goal.
        Board board(read.def);
        for (const std::string& step : LineOf(o)) {
            const int piece = read.def.pieceOf(step[0]);
            const unsigned direction = DirectionOfLetter(step[1]);
            ASSERT_TRUE(piece != 0 && (board.PossibleDirections(piece) & direction)) << text << step;
            board.ApplyStep(piece, direction);
        }
        EXPECT_TRUE(board.GoalReached()) << text;
    }
    EXPECT_GE(unsolved, 3);
    EXPECT_LE(unsolved, 50);
}

// A bad puzzle file is named with its line, as the window names it.
TEST_F(SolveFiles, BadPuzzleFilesAreNamedLineByLine) {
    WriteBytes(dir / "bad.trulp", "TRULP puzzle\nname: bad\nstart:\nA . B\n. . . .\ngoal:\n. A .\n. . .\n");
    const SolveRun run = RunSolve({"--puzzle-file", (dir / "bad.trulp").string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("bad.trulp': line 5"), std::string::npos) << run.err;
    // Also when the text quotes something of its own, as the missing first line.
    WriteBytes(dir / "plain.trulp", "hello\n");
    const SolveRun plain = RunSolve({"--puzzle-file", (dir / "plain.trulp").string()});
    EXPECT_NE(plain.err.find("plain.trulp': line 1"), std::string::npos) << plain.err;
    const SolveRun piped = RunSolve({"--optimal", "--puzzle-file", "-"}, "TRULP puzzle\nname: none\n");
    EXPECT_EQ(piped.exitCode, 2);
    EXPECT_NE(piped.err.find("start"), std::string::npos) << piped.err;
}
