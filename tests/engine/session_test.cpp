// The game session without a window: what each event in each mode does to
// the list, which words it brings and which controls the mode offers; and
// who gets the congratulation.
#include "distance.h"
#include "optimal.h"
#include "puzzles.h"
#include "session.h"
#include "start.h"
#include "words.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace trulp;

namespace {

// The words of an answer, in English.
std::string T(const Said& said) {
    return Text(said).toStdString();
}

constexpr int A = 1, F = 7, G = 8, H = 9, I = 10;

constexpr ControlSet kPlayControls =
    Bit(Control::MoveLimit) | Bit(Control::Back) | Bit(Control::Hint) | Bit(Control::Solve);
constexpr ControlSet kReplayControls = Bit(Control::Back) | Bit(Control::Go) | Bit(Control::Step);
constexpr ControlSet kSearchControls =
    Bit(Control::MoveLimit) | Bit(Control::Go) | Bit(Control::Statistics) | Bit(Control::Step);

struct Game {
    std::unique_ptr<Puzzle> puzzle = std::make_unique<Puzzle>();
    Session session{*puzzle};
    // The coach's buttons wait for its table, as in the window.
    Game() {
        DistanceTable::Shared();
        session.Start(150);
    }
    Reply enter(Mode m) { return session.ChooseMode(m, true, 150); }
};

DecodedMoves FileOf(RecordStatus status) {
    DecodedMoves d;
    d.status = status;
    d.storedName = "TRULP_ caf\xE9";
    d.count = 1;
    d.moves[1] = {F, Down, 0};
    return d;
}

struct Row {
    const char* what;
    std::function<Reply(Game&)> event; // from the start, in the mode it enters itself
    std::string words;                 // "-" when the line stays as it was
    ControlSet controls;
    int lastMove;
    bool slides;
};

const Row kEvents[] = {
    {"play entered", [](Game& g) { return g.enter(kPlay); }, "search for solution...", kPlayControls, 0,
     false},
    {"replay entered", [](Game& g) { return g.enter(kReplay); }, "show moves", kReplayControls, 0, false},
    {"search entered empties the list",
     [](Game& g) {
         g.enter(kPlay);
         g.session.Drag(F, Down);
         return g.enter(kSearch);
     },
     "click GO to start search", kSearchControls, 0, false},
    {"releasing the mode leaves none",
     [](Game& g) {
         g.enter(kSearch);
         return g.session.ChooseMode(kSearch, false, 150);
     },
     "-", 0, 0, false},
    {"a drag moves", [](Game& g) { return g.enter(kPlay), g.session.Drag(F, Down); }, "find solutions...",
     kPlayControls, 1, false},
    {"a short drag", [](Game& g) { return g.enter(kPlay), g.session.Drag(F, 0); }, "-", kPlayControls, 0,
     false},
    {"a drag to a closed side", [](Game& g) { return g.enter(kPlay), g.session.Drag(A, Right); }, "-",
     kPlayControls, 0, false},
    {"a drag outside play", [](Game& g) { return g.enter(kReplay), g.session.Drag(F, Down); }, "-",
     kReplayControls, 0, false},
    {"a key without a selection", [](Game& g) { return g.enter(kPlay), g.session.Key(Down); }, "-",
     kPlayControls, 0, false},
    {"a key moves the selected block",
     [](Game& g) { return g.enter(kPlay), g.session.Letter(U'f'), g.session.Key(Down); }, "find solution...",
     kPlayControls, 1, true},
    {"an upper-case letter selects nothing",
     [](Game& g) { return g.enter(kPlay), g.session.Letter(U'F'), g.session.Key(Down); }, "-", kPlayControls,
     0, false},
    {"another key with a selection",
     [](Game& g) { return g.enter(kPlay), g.session.Letter(U'f'), g.session.Key(0); }, "find solution...",
     kPlayControls, 0, false},
    {"back in play drops the move",
     [](Game& g) {
         g.enter(kPlay);
         g.session.Drag(F, Down);
         g.session.Drag(G, Down);
         return g.session.Back();
     },
     "move 1", kPlayControls, 1, true},
    {"back in replay keeps it",
     [](Game& g) {
         g.enter(kPlay);
         g.session.Drag(F, Down);
         g.session.Drag(G, Down);
         g.enter(kReplay);
         g.session.ReplayStep();
         g.session.ReplayStep();
         return g.session.Back();
     },
     "move 1", kReplayControls, 2, true},
    {"back at the start", [](Game& g) { return g.enter(kPlay), g.session.Back(); }, "-", kPlayControls, 0,
     false},
    {"a hint names the move", [](Game& g) { return g.enter(kPlay), g.session.Hint(); },
     "hint: H right (116 to go)", kPlayControls, 0, false},
    {"a hint asked again makes it",
     [](Game& g) { return g.enter(kPlay), g.session.Hint(), g.session.Hint(); }, "115 to go", kPlayControls,
     1, true},
    {"no hint outside play", [](Game& g) { return g.enter(kSearch), g.session.Hint(); }, "-", kSearchControls,
     0, false},
    {"a solve step",
     [](Game& g) {
         g.enter(kPlay);
         EXPECT_TRUE(g.session.StartSolve());
         return g.session.SolveStep();
     },
     "solving... 115 to go", kPlayControls | Bit(Control::Go), 1, true},
    {"a solve stopped after its move",
     [](Game& g) {
         g.enter(kPlay);
         g.session.StartSolve();
         g.session.SolveStep();
         return g.session.SolveSlid(true);
     },
     "pause: GO goes on", kPlayControls | Bit(Control::Go), 1, false},
    {"the replay's end", [](Game& g) { return g.enter(kReplay), g.session.ReplayStep(); }, "end of list",
     kReplayControls, 0, false},
    {"a file opened", [](Game& g) { return g.enter(kPlay), g.session.Open(FileOf(RecordStatus::Ok)); },
     "puzzle  caf\xC3\xA9 opened", kPlayControls, 1, false},
    {"the wrong file", [](Game& g) { return g.session.Open(FileOf(RecordStatus::WrongFile)); }, "wrong file",
     0x7F & ~(Bit(Control::Hint) | Bit(Control::Solve)), 0, false},
    {"a broken file", [](Game& g) { return g.session.Open(FileOf(RecordStatus::ReadError)); }, "read error",
     0x7F & ~(Bit(Control::Hint) | Bit(Control::Solve)), 0, false},
};

} // namespace

TEST(Session, EachEventInEachMode) {
    for (const Row& row : kEvents) {
        SCOPED_TRACE(row.what);
        Game g;
        const Reply r = row.event(g);
        if (row.words == "-")
            EXPECT_EQ(r.said.words, Words::Keep);
        else
            EXPECT_EQ(T(r.said), row.words);
        EXPECT_EQ(g.session.controls(), row.controls);
        EXPECT_EQ(g.puzzle->lastMove(), row.lastMove);
        EXPECT_EQ(r.slide.made, row.slides);
    }
}

// The congratulation is for the player who went from the start alone.
TEST(Session, GoalWordsSayWhoPlayed) {
    const std::vector<MoveRecord> line = SolveOptimal(startTable).line;
    ASSERT_EQ(line.size(), 116u);
    const auto playTo = [&](Game& g, size_t end) {
        for (size_t i = 0; i < end; ++i)
            g.session.Drag(line[i].block, line[i].direction);
    };

    Game alone;
    alone.session.SetClock([] { return std::string("2026-12-09"); });
    alone.enter(kPlay);
    playTo(alone, 115);
    Reply goal = alone.session.Drag(line[115].block, line[115].direction);
    EXPECT_EQ(T(goal.said), "SOLUTION FOUND ...congratulations !");
    EXPECT_TRUE(goal.celebrate);
    // The first solution alone is a record; a longer one is not.
    EXPECT_EQ(T(goal.record), "new record: 116 moves (shortest 116)");
    EXPECT_TRUE(goal.recordsChanged);
    EXPECT_EQ(alone.session.records().Find(startTable)->date, "2026-12-09");
    alone.session.Reset(150);
    alone.session.Drag(F, Down);
    alone.session.Drag(F, Up);
    playTo(alone, 115);
    goal = alone.session.Drag(line[115].block, line[115].direction);
    EXPECT_EQ(T(goal.said), "SOLUTION FOUND ...congratulations !");
    EXPECT_EQ(goal.record.words, Words::NextOffered);
    EXPECT_EQ(alone.session.records().Find(startTable)->moves, 116);

    // Play entered again mid-game: the same goal is only reached.
    Game again;
    again.enter(kPlay);
    playTo(again, 115);
    again.enter(kPlay);
    EXPECT_EQ(T(again.session.Drag(line[115].block, line[115].direction).said), "solution reached");

    // A hint's move, even as move 1, makes the game a coached one.
    Game coached;
    coached.enter(kPlay);
    coached.session.Hint();
    coached.session.Hint();
    ASSERT_EQ(coached.puzzle->lastMove(), 1);
    for (size_t i = 1; i + 1 < line.size(); ++i)
        coached.session.Drag(line[i].block, line[i].direction);
    goal = coached.session.Drag(line[115].block, line[115].direction);
    EXPECT_EQ(T(goal.said), "solution reached");
    EXPECT_EQ(goal.record.words, Words::NextOffered);
    EXPECT_EQ(coached.session.records().size(), 0);

    // A list opened mid-game starts again at move 1, but not from the start:
    // the goal is only reached, and sets no record.
    Game opened;
    opened.enter(kPlay);
    playTo(opened, 115);
    opened.session.Open(FileOf(RecordStatus::Ok));
    ASSERT_EQ(opened.puzzle->moveNr(), 1);
    goal = opened.session.Drag(line[115].block, line[115].direction);
    EXPECT_EQ(T(goal.said), "solution reached");
    EXPECT_EQ(goal.record.words, Words::NextOffered);

    // A full list: a key says so and moves nothing; the drag that filled it
    // said so too.
    Game full;
    full.enter(kPlay);
    full.session.SetMoveLimit(100);
    Reply last;
    for (int i = 0; i < 100; ++i)
        last = full.session.Drag(F, i % 2 ? Up : Down);
    EXPECT_EQ(T(last.said), "moves list is full");
    full.session.Letter(U'h');
    EXPECT_EQ(T(full.session.Key(Right).said), "list is full");
    EXPECT_EQ(full.session.Drag(H, Right).said.words, Words::Keep);
    EXPECT_EQ(full.puzzle->lastMove(), 100);
}

// Another puzzle: chosen from the collection, set up by hand, or brought by
// a moves file; each starts an empty list in play, and only a playable start
// is taken.
TEST(Session, PuzzlesChosenSetUpAndOpened) {
    const PuzzleInfo& nearly = Collection()[1];
    Game g;
    Reply r = g.session.ChoosePuzzle(nearly.start, nearly.name, 150);
    EXPECT_EQ(T(r.said),
              "puzzle " + nearly.name + ": shortest solution " + std::to_string(nearly.shortest) + " moves");
    EXPECT_EQ(g.session.mode(), kPlay);
    EXPECT_EQ(g.session.puzzleName(), nearly.name);
    EXPECT_EQ(g.session.toGo(), nearly.shortest);

    const ParsedStart noWay = ParseStart("A15 X1 B0 C12 D8 E14 F11 G3 H10 I13");
    ASSERT_FALSE(noWay.ok);
    EXPECT_EQ(T(g.session.ChoosePuzzle(noWay.start, "x", 150).said), "no way to the goal");
    EXPECT_EQ(g.session.puzzleName(), nearly.name);
    EXPECT_TRUE(SameStart(g.puzzle->start(), nearly.start));

    // Setting up, from the classic: a block goes only where it has room.
    Game s;
    s.session.BeginSetup();
    EXPECT_EQ(s.session.controls(), 0);
    const struct {
        int block, field;
        const char* words;
    } places[] = {{F, 14, "no room there"}, // G stands there
                  {2, 3, "no room there"},  // X over the right edge
                  {2, 17, "no room there"}, // X below the bottom
                  {G, -1, "no room there"}, // no field
                  {H, 17, "115 to go"},     // free
                  {F, 16, "117 to go"}};    // where H stood
    for (const auto& p : places) {
        SCOPED_TRACE(p.field);
        EXPECT_EQ(T(s.session.Place(p.block, p.field).said), p.words);
    }
    EXPECT_EQ(s.session.boardShown()[H].field, 17);
    EXPECT_EQ(s.puzzle->blockTable()[H].field, 16); // the game waits
    s.session.Letter(U'i');
    EXPECT_EQ(T(s.session.Key(Right).said), "no room there"); // off the right edge
    const std::string toGo = T(s.session.Key(Left).said);
    const int d = DistanceTable::Shared().Distance(s.session.boardShown());
    EXPECT_EQ(toGo, std::to_string(d) + " to go");
    r = s.session.EndSetup(true, 150);
    EXPECT_EQ(T(r.said), "puzzle your own: shortest solution " + std::to_string(d) + " moves");
    EXPECT_FALSE(s.session.editing());
    EXPECT_EQ(s.puzzle->start()[I].field, 18);
    EXPECT_EQ(s.session.controls(), kPlayControls);

    // A moves file of the classic, opened while another puzzle is played,
    // brings the classic back; its list belongs to it.
    DecodedMoves classic = FileOf(RecordStatus::Ok);
    r = g.session.Open(classic);
    EXPECT_TRUE(r.board);
    EXPECT_EQ(g.session.puzzleName(), "classic");
    EXPECT_TRUE(g.puzzle->isClassic());
    EXPECT_EQ(g.puzzle->lastMove(), 1);
}

// A move taken back comes again with Redo as it was made: the player's own
// keeps the record honest, the coach's stays the coach's, and a new move
// forgets the rest.
TEST(Session, RedoCountsAsTheFirstTime) {
    const std::vector<MoveRecord> line = SolveOptimal(startTable).line;
    Game alone;
    alone.enter(kPlay);
    for (size_t i = 0; i + 1 < line.size(); ++i)
        alone.session.Drag(line[i].block, line[i].direction);
    alone.session.Back();
    alone.session.Back();
    EXPECT_TRUE(alone.session.Back().view.redo);
    ASSERT_EQ(alone.puzzle->lastMove(), 112);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(alone.session.Redo().slide.made);
    const Reply goal = alone.session.Drag(line[115].block, line[115].direction);
    EXPECT_EQ(goal.said.words, Words::SolvedAlone);
    EXPECT_EQ(T(goal.record), "new record: 116 moves (shortest 116)");
    EXPECT_FALSE(goal.view.redo);

    Game coached;
    coached.enter(kPlay);
    coached.session.Hint();
    coached.session.Hint(); // the coach makes move 1
    coached.session.Back();
    EXPECT_FALSE(coached.session.coached(1));
    EXPECT_TRUE(coached.session.Redo().slide.made);
    EXPECT_TRUE(coached.session.coached(1));
    for (size_t i = 1; i + 1 < line.size(); ++i)
        coached.session.Drag(line[i].block, line[i].direction);
    const Reply reached = coached.session.Drag(line[115].block, line[115].direction);
    EXPECT_EQ(reached.said.words, Words::SolutionReached);
    EXPECT_EQ(reached.record.words, Words::NextOffered);

    Game other;
    other.enter(kPlay);
    other.session.Drag(F, Down);
    other.session.Back();
    other.session.Drag(H, Right);
    const Reply nothing = other.session.Redo();
    EXPECT_FALSE(nothing.slide.made);
    EXPECT_EQ(other.puzzle->lastMove(), 1);
}

// Every action that throws moves away can be undone and done again: the
// list, the board, the puzzle and the mode come back as they were.
TEST(Session, UndoBringsBackWhatAnActionThrewAway) {
    const PuzzleInfo& nearly = Collection()[1];
    const struct {
        const char* what;
        std::function<Reply(Game&)> action;
        bool boardAgain; // done again, the board stands where the action left it
    } actions[] = {
        {"reset", [](Game& g) { return g.session.Reset(150); }, true},
        {"search", [](Game& g) { return g.enter(kSearch); }, true},
        {"a puzzle chosen", [&](Game& g) { return g.session.ChoosePuzzle(nearly.start, nearly.name, 150); },
         true},
        // Opened mid-game, a list leaves the board where it stood; done
        // again, it stands at the start of its list.
        {"a file opened", [](Game& g) { return g.session.Open(FileOf(RecordStatus::Ok)); }, false},
    };
    for (const auto& a : actions) {
        SCOPED_TRACE(a.what);
        Game g;
        g.enter(kPlay);
        g.session.Drag(F, Down);
        g.session.Drag(F, Up);
        g.session.Drag(H, Right);
        const BoardKey played = g.puzzle->boardKey();
        const Reply done = a.action(g);
        EXPECT_EQ(done.record.words, Words::MovesCleared);
        const BoardKey after = g.puzzle->boardKey();
        const int afterMoves = g.puzzle->lastMove();
        Reply r = g.session.Undo();
        EXPECT_EQ(g.puzzle->lastMove(), 3);
        EXPECT_EQ(g.puzzle->moveNr(), 4);
        EXPECT_EQ(g.puzzle->boardKey(), played);
        EXPECT_EQ(r.view.mode, kPlay);
        EXPECT_EQ(r.view.puzzleName, "classic");
        EXPECT_TRUE(r.view.redo);
        r = g.session.Redo();
        if (a.boardAgain) {
            EXPECT_EQ(g.puzzle->boardKey(), after);
        }
        EXPECT_EQ(g.puzzle->lastMove(), afterMoves);
        // Once undone again, a move of one's own forgets the redo.
        g.session.Undo();
        g.session.Back();
        EXPECT_EQ(g.puzzle->lastMove(), 2);
        g.session.Drag(G, Down);
        EXPECT_FALSE(g.session.Redo().slide.made);
        EXPECT_EQ(g.puzzle->lastMove(), 3);
    }
}

// The game kept at closing comes back whole in a new session; a damaged
// text changes nothing.
TEST(Session, TheKeptGameComesBack) {
    const PuzzleInfo& corners = Collection()[2];
    Game g;
    g.session.ChoosePuzzle(corners.start, corners.name, 150);
    g.session.Drag(H, Right);
    g.session.Hint();
    g.session.Hint(); // a coach's move
    g.session.Drag(F, Down);
    g.session.Back();
    const std::string kept = g.session.GameText();

    Game again;
    ASSERT_TRUE(again.session.Resume(kept, 150));
    EXPECT_EQ(again.puzzle->boardKey(), g.puzzle->boardKey());
    EXPECT_EQ(again.puzzle->lastMove(), g.puzzle->lastMove());
    EXPECT_EQ(again.puzzle->moveNr(), g.puzzle->moveNr());
    EXPECT_EQ(again.session.mode(), kPlay);
    EXPECT_EQ(again.session.puzzleName(), corners.name);
    EXPECT_EQ(again.session.coached(2), g.session.coached(2));
    EXPECT_EQ(again.session.GameText(), kept);

    for (const std::string& damaged :
         {std::string(), kept.substr(0, kept.size() - 1), "TRULP game 2" + kept.substr(12),
          kept.substr(0, kept.rfind('\n', kept.size() - 2) + 1) + "Q9\n"}) {
        Game fresh;
        EXPECT_FALSE(fresh.session.Resume(damaged, 150));
        EXPECT_TRUE(fresh.puzzle->isClassic());
        EXPECT_EQ(fresh.puzzle->lastMove(), 0);
    }
}
