// The game session without a window: what each input means in each mode and
// state, as tables; what waits for a slide and what a run refuses; who gets
// the congratulation; undo and redo; the list and the board in step through
// open, undo, search and restart; the time of a game; the kept game.
#include "keptgame.h"
#include "optimal.h"
#include "puzzlefile.h"
#include "puzzles.h"
#include "session.h"
#include "start.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace trulp;

namespace {

constexpr int A = 1, X = 2, D = 5, F = 7, G = 8, H = 9, I = 10;

struct Game {
    int64_t now = 0;
    std::unique_ptr<Puzzle> puzzle = std::make_unique<Puzzle>();
    Session s{*puzzle, [this] { return now; }};
    Game() {
        s.Start(150);
        s.CoachReady(tables::TableOf(PuzzleDef::Classic()));
    }
    Reply in(Act a, bool on = false) {
        Input i;
        i.act = a;
        i.on = on;
        return s.Input(i);
    }
    Reply key(KeyName k, char32_t text = 0, bool repeat = false) {
        Input i;
        i.act = Act::Key;
        i.key = k;
        i.text = text;
        i.autoRepeat = repeat;
        return s.Input(i);
    }
    Reply letter(char c) { return key(KeyName::Other, char32_t(c)); }
    Reply point(Act a, int x, int y) {
        Input i;
        i.act = a;
        i.x = x;
        i.y = y;
        return s.Input(i);
    }
    Reply enter(Mode m) {
        return in(m == kPlay ? Act::Play : m == kReplay ? Act::Replay : Act::Search, true);
    }
    // A key move: the piece selected, the key, and the slide drawn.
    Reply keyMove(char piece, KeyName k) {
        letter(piece);
        const Reply r = key(k);
        in(Act::SlideEnded);
        return r;
    }
    // A drag from the middle of a field by (dx, dy) hundredths of a field.
    Reply dragBy(int field, int dx, int dy) {
        const int x = field % 4 * 100 + 50, y = field / 4 * 100 + 50;
        point(Act::Press, x, y);
        point(Act::Drag, x + dx, y + dy);
        return point(Act::Release, x + dx, y + dy);
    }
    int moves() const { return puzzle->lastMove(); }
};

bool On(const Reply& r, Act a) {
    return r.view.enabled.test(size_t(a));
}

struct Row {
    const char* what;
    std::function<Reply(Game&)> event; // from the start, in the mode it enters itself
    Words words;                       // Keep when the line stays as it was
    int lastMove;
    bool slides;
};

const Row kEvents[] = {
    {"play entered", [](Game& g) { return g.enter(kPlay); }, Words::PlayEntered, 0, false},
    {"replay entered", [](Game& g) { return g.enter(kReplay); }, Words::ReplayEntered, 0, false},
    {"search entered empties the list",
     [](Game& g) {
         g.enter(kPlay);
         g.dragBy(13, 0, 60);
         return g.enter(kSearch);
     },
     Words::SearchEntered, 0, false},
    {"releasing the mode leaves none", [](Game& g) { return g.enter(kSearch), g.in(Act::Search, false); },
     Words::Keep, 0, false},
    {"a drag of more than half a field moves", [](Game& g) { return g.enter(kPlay), g.dragBy(13, 0, 60); },
     Words::DragMoved, 1, false},
    {"a short drag", [](Game& g) { return g.enter(kPlay), g.dragBy(13, 0, 40); }, Words::Keep, 0, false},
    {"a drag to a closed side", [](Game& g) { return g.enter(kPlay), g.dragBy(0, 80, 0); }, Words::Keep, 0,
     false},
    {"a drag on from field to field", [](Game& g) { return g.enter(kPlay), g.dragBy(16, 210, 0); },
     Words::DragMoved, 2, false},
    {"a drag outside play", [](Game& g) { return g.enter(kReplay), g.dragBy(13, 0, 60); }, Words::Keep, 0,
     false},
    {"a key without a selection", [](Game& g) { return g.enter(kPlay), g.key(KeyName::Down); }, Words::Keep,
     0, false},
    {"a key moves the selected block",
     [](Game& g) { return g.enter(kPlay), g.letter('f'), g.key(KeyName::Down); }, Words::KeyMoved, 1, true},
    {"an upper-case letter selects nothing",
     [](Game& g) { return g.enter(kPlay), g.letter('F'), g.key(KeyName::Down); }, Words::Keep, 0, false},
    {"another key with a selection", [](Game& g) { return g.enter(kPlay), g.letter('f'), g.letter('q'); },
     Words::KeyMoved, 0, false},
    {"Backspace in play drops the move",
     [](Game& g) {
         g.enter(kPlay);
         g.keyMove('f', KeyName::Down);
         g.keyMove('g', KeyName::Down);
         return g.key(KeyName::Backspace);
     },
     Words::MoveNumber, 1, true},
    {"back in replay keeps it",
     [](Game& g) {
         g.enter(kPlay);
         g.keyMove('f', KeyName::Down);
         g.keyMove('g', KeyName::Down);
         g.enter(kReplay);
         g.s.ReplayStep();
         g.in(Act::SlideEnded);
         g.s.ReplayStep();
         g.in(Act::SlideEnded);
         g.s.ReplayEnded();
         return g.in(Act::Back);
     },
     Words::MoveNumber, 2, true},
    {"back at the start", [](Game& g) { return g.enter(kPlay), g.in(Act::Back); }, Words::Keep, 0, false},
    {"a hint names the move", [](Game& g) { return g.enter(kPlay), g.in(Act::Hint); }, Words::Hint, 0, false},
    {"a hint asked again makes it", [](Game& g) { return g.enter(kPlay), g.in(Act::Hint), g.in(Act::Hint); },
     Words::ToGo, 1, true},
    {"no hint outside play", [](Game& g) { return g.enter(kSearch), g.in(Act::Hint); }, Words::Keep, 0,
     false},
    {"a solve step",
     [](Game& g) {
         g.enter(kPlay);
         EXPECT_EQ(g.in(Act::Solve).run, RunOrder::StartSolve);
         return g.s.SolveStep();
     },
     Words::Solving, 1, true},
    {"a solve stopped after its move",
     [](Game& g) {
         g.enter(kPlay);
         g.in(Act::Solve);
         g.s.SolveStep();
         g.in(Act::SlideEnded);
         return g.s.SolveSlid(true);
     },
     Words::SolvePaused, 1, false},
    {"the replay's end", [](Game& g) { return g.enter(kReplay), g.in(Act::Go), g.s.ReplayStep(); },
     Words::EndOfList, 0, false},
};

} // namespace

TEST(Session, EachEventInEachMode) {
    for (const Row& row : kEvents) {
        SCOPED_TRACE(row.what);
        Game g;
        const Reply r = row.event(g);
        EXPECT_EQ(r.said.words, row.words);
        EXPECT_EQ(g.moves(), row.lastMove);
        EXPECT_EQ(r.slide.made, row.slides);
    }
}

// What GO, Space, Return and the letters mean, mode by mode.
TEST(Session, GoAndItsKeysInEachMode) {
    const struct {
        Mode mode;
        RunOrder go;
    } rows[] = {{kNoMode, RunOrder::None},
                {kPlay, RunOrder::None},
                {kReplay, RunOrder::StartReplay},
                {kSearch, RunOrder::StartSearch}};
    for (const auto& row : rows)
        for (const KeyName k : {KeyName::Space, KeyName::Return}) {
            SCOPED_TRACE(int(row.mode));
            Game g;
            if (row.mode != kNoMode)
                g.enter(row.mode);
            EXPECT_EQ(g.key(k).run, row.go);
            // During the run the same key asks it to stop.
            if (row.go != RunOrder::None) {
                EXPECT_EQ(g.key(k).run, RunOrder::Stop);
                EXPECT_EQ(g.in(Act::Go).run, RunOrder::Stop);
            }
        }
}

// During a run, nothing but GO changes anything, and the first refusal says why.
TEST(Session, ARunRefusesAndSaysWhyOnce) {
    Game g;
    g.enter(kPlay);
    g.keyMove('f', KeyName::Down);
    g.enter(kSearch);
    ASSERT_EQ(g.in(Act::Go).run, RunOrder::StartSearch);
    g.s.SearchSlice(5);
    const Reply first = g.in(Act::Play, true);
    EXPECT_EQ(first.aside.words, Words::BusySearching);
    EXPECT_EQ(first.view.mode, kSearch);
    for (const Act a : {Act::Undo, Act::Reset, Act::Replay, Act::NextPuzzle, Act::Open}) {
        const Reply r = g.in(a, true);
        EXPECT_EQ(r.aside.words, Words::Keep) << int(a); // said once
        EXPECT_EQ(r.dialog, Dialog::None) << int(a);
        EXPECT_EQ(r.view.mode, kSearch) << int(a);
    }
    EXPECT_EQ(g.key(KeyName::Backspace).view.mode, kSearch);
    // The chart opens whatever goes on.
    EXPECT_EQ(g.in(Act::Chart).dialog, Dialog::Chart);
}

// Keys and actions typed during a slide wait for it, in order; a held key's
// repeats do not.
TEST(Session, InputDuringASlideWaits) {
    Game g;
    g.enter(kPlay);
    g.letter('f');
    ASSERT_TRUE(g.key(KeyName::Down).slide.made);
    EXPECT_TRUE(g.key(KeyName::Right).wait);
    EXPECT_TRUE(g.in(Act::Undo).wait);
    EXPECT_FALSE(g.key(KeyName::Right, 0, true).wait);
    EXPECT_EQ(g.moves(), 1);
    g.in(Act::SlideEnded);
    EXPECT_TRUE(g.key(KeyName::Right).slide.made);
    g.in(Act::SlideEnded);
    EXPECT_EQ(g.moves(), 2);
}

TEST(Session, GoalWordsSayWhoPlayed) {
    const std::vector<MoveRecord> line = tables::ShortestLine(PuzzleDef::Classic());
    // By hand from the start: the congratulation and a record.
    {
        Game g;
        g.enter(kPlay);
        Reply r;
        for (const MoveRecord& m : line) {
            g.letter(char('a' + (PuzzleDef::Classic().piece(m.block).letter - 'A')));
            r = g.key(m.direction == Right  ? KeyName::Right
                      : m.direction == Up   ? KeyName::Up
                      : m.direction == Left ? KeyName::Left
                                            : KeyName::Down);
            g.in(Act::SlideEnded);
        }
        EXPECT_EQ(r.said.words, Words::SolvedAlone);
        EXPECT_TRUE(r.celebrate);
        EXPECT_TRUE(r.recordsChanged);
        EXPECT_EQ(r.aside.words, Words::NewRecord);
        EXPECT_EQ(g.s.lastSolve().moves, 116);
        std::vector<MoveRecord> list(1);
        list.insert(list.end(), line.begin(), line.end());
        EXPECT_EQ(g.s.lastSolve().pieceMoves, PieceMoves(list.data(), 116));
        EXPECT_FALSE(g.s.lastSolve().helped);
        const Reply stats = g.in(Act::Statistics);
        EXPECT_EQ(stats.dialog, Dialog::GameStatistics);
        EXPECT_EQ(stats.game.bestMoves, 116);
        EXPECT_EQ(stats.game.bestPieceMoves, g.s.lastSolve().pieceMoves);
        // A hint after the goal leaves the goal's words.
        EXPECT_EQ(g.in(Act::Hint).said.words, Words::Keep);
    }
    // With a hint's move: solved, with help, and no record.
    {
        Game g;
        g.enter(kPlay);
        g.in(Act::Hint);
        g.in(Act::Hint);
        g.in(Act::SlideEnded);
        Reply r;
        while (!g.puzzle->GoalReached()) {
            const MoveRecord m = tables::TableOf(PuzzleDef::Classic())->BestMove(g.puzzle->board());
            g.letter(char('a' + (PuzzleDef::Classic().piece(m.block).letter - 'A')));
            r = g.key(m.direction == Right  ? KeyName::Right
                      : m.direction == Up   ? KeyName::Up
                      : m.direction == Left ? KeyName::Left
                                            : KeyName::Down);
            g.in(Act::SlideEnded);
        }
        EXPECT_EQ(r.said.words, Words::SolutionReached);
        EXPECT_TRUE(r.recordsChanged);
        EXPECT_TRUE(g.s.lastSolve().helped);
        EXPECT_NE(r.aside.words, Words::NewRecord);
        const GameShown st = g.in(Act::Statistics).game;
        EXPECT_EQ(st.moves, g.puzzle->moveNr() - 1);
        EXPECT_EQ(st.coached, 1);
        EXPECT_EQ(st.toGo, 0);
        EXPECT_EQ(st.shortest, 116);
        EXPECT_EQ(st.bestMoves, 0); // a helped solve is no best
    }
}

// Undo and redo are offered only when they can do something, and Undo
// brings back what an action threw away, a search's line included.
TEST(Session, UndoAndRedoAreThereWhenTheyCanDoSomething) {
    Game g;
    EXPECT_FALSE(On(g.enter(kPlay), Act::Undo));
    EXPECT_FALSE(On(g.in(Act::Hint), Act::Redo));
    g.keyMove('f', KeyName::Down);
    g.keyMove('f', KeyName::Right);
    g.keyMove('g', KeyName::Left);
    EXPECT_TRUE(On(g.in(Act::Hover), Act::Undo));
    // Search throws the three moves away and finds a line of its own.
    const Reply searching = g.enter(kSearch);
    EXPECT_EQ(searching.aside.words, Words::MovesCleared);
    g.in(Act::Go);
    while (g.s.SearchSlice(10000).view.mode == kSearch && !g.puzzle->GoalReached() &&
           g.puzzle->lastMove() < 148)
        ;
    g.s.SearchWaited(false);
    g.s.SearchEnded(0);
    ASSERT_GT(g.moves(), 3);
    // Undo brings the three moves back, in play, with the board after them.
    const Reply back = g.in(Act::Undo);
    EXPECT_EQ(back.view.mode, kPlay);
    EXPECT_EQ(g.moves(), 3);
    EXPECT_EQ(g.puzzle->moveNr(), 4);
    EXPECT_TRUE(On(back, Act::Redo));
    // Moves taken back one by one, then redone as they were made.
    g.in(Act::Undo);
    g.in(Act::SlideEnded);
    EXPECT_EQ(g.moves(), 2);
    EXPECT_TRUE(On(g.in(Act::Redo), Act::Undo));
    g.in(Act::SlideEnded);
    EXPECT_EQ(g.moves(), 3);
    // Back where the search began, Redo makes the search's line again.
    ASSERT_TRUE(On(g.in(Act::Hover), Act::Redo));
    g.in(Act::Redo);
    EXPECT_EQ(g.s.mode(), kSearch);
    EXPECT_GT(g.moves(), 3);
    EXPECT_FALSE(On(g.in(Act::Hover), Act::Redo));
}

// The list and the board stay in step: a list opened for the puzzle on the
// board puts the board at its start, as replay and reset do.
TEST(Session, TheListAndTheBoardInStep) {
    Game g;
    g.enter(kPlay);
    g.keyMove('f', KeyName::Down);
    g.keyMove('g', KeyName::Down);
    const MoveRecord list[] = {{}, {F, Down, 0}, {G, Down, 0}};
    const std::string saved = GameText(g.puzzle->def(), list, 2);
    g.keyMove('d', KeyName::Down);
    OpenedFile file;
    file.kind = OpenedFile::Kind::Game;
    file.def = g.puzzle->sharedDef();
    file.moves = {{F, Down, 0}, {G, Down, 0}};
    file.name = "two";
    const Reply opened = g.s.Open(file);
    EXPECT_EQ(opened.said.words, Words::Opened);
    EXPECT_EQ(g.moves(), 2);
    EXPECT_EQ(g.puzzle->moveNr(), 1);
    EXPECT_EQ(g.puzzle->board(), Board(g.puzzle->def()));
    EXPECT_EQ(opened.view.toGo, 116);
    EXPECT_EQ(opened.aside.words, Words::MovesCleared);
    // The next move in play starts the list again from the start.
    g.keyMove('h', KeyName::Right);
    EXPECT_EQ(g.moves(), 1);
    // Undo brings back the list opened, and the game before it.
    g.in(Act::Undo);
    g.in(Act::SlideEnded);
    g.in(Act::Undo);
    EXPECT_EQ(g.moves(), 3);
    EXPECT_EQ(g.puzzle->board().anchor(D), 13);
    // Kept and resumed, the list and the board come back as they stood.
    const KeptGame kept = g.s.Kept();
    KeptGame read;
    ASSERT_TRUE(ReadKeptGame(KeptGameText(kept), read));
    Game again;
    bool resumed = false;
    const Reply back = again.s.Resume(read, resumed);
    ASSERT_TRUE(resumed);
    EXPECT_EQ(back.said.words, Words::GameBack);
    EXPECT_EQ(again.puzzle->lastMove(), 3);
    EXPECT_EQ(again.puzzle->board(), [&] {
        Board b(again.puzzle->def());
        b.ApplyStep(F, Down);
        b.ApplyStep(G, Down);
        b.ApplyStep(D, Down);
        return b;
    }());
}

TEST(Session, KeptGamesOfEveryFormAndDamage) {
    // The form of earlier versions, for the classic's starts, still reads.
    KeptGame old;
    ASSERT_TRUE(ReadKeptGame(
        "TRULP game 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\nclassic\n0\n2\nalone\nFD GD*\n", old));
    EXPECT_EQ(old.moves.size(), 2u);
    EXPECT_EQ(old.moveNr, 2);
    EXPECT_TRUE(old.alone);
    ASSERT_EQ(old.coached.size(), 2u);
    EXPECT_TRUE(old.coached[1]);
    // A puzzle of any shape keeps its puzzle with its game.
    const ReadPuzzle walls = ReadPuzzleText(
        "TRULP puzzle\nname: walls\nstart:\nL L . #\nL . A A\n# B . C\ngoal:\n. . . .\n. . . .\n. . B .\n");
    ASSERT_TRUE(walls.ok);
    KeptGame k;
    k.def = std::make_shared<const PuzzleDef>(walls.def);
    k.name = "walls";
    k.mode = kPlay;
    k.moves = {{uint8_t(walls.def.pieceOf('B')), Up, 0}};
    k.coached = {false};
    k.moveNr = 2;
    k.helped = true;
    k.playedMs = 12345;
    KeptGame back;
    ASSERT_TRUE(ReadKeptGame(KeptGameText(k), back));
    EXPECT_EQ(back.def->Identity(), walls.def.Identity());
    EXPECT_TRUE(back.helped);
    EXPECT_EQ(back.playedMs, 12345);
    // A text that is not wholly a game changes nothing.
    const std::string text = KeptGameText(k);
    for (const std::string& bad :
         {text.substr(0, text.size() - 10), std::string("TRULP game 2\n"),
          text.substr(0, text.find("moves:")) + "moves: BX\n" + text.substr(text.find("TRULP puzzle"))}) {
        KeptGame untouched = back;
        EXPECT_FALSE(ReadKeptGame(bad, untouched));
        EXPECT_EQ(untouched.playedMs, 12345);
    }
}

// The game's time runs while the player plays, not while the window is
// hidden, nor while the coach solves, and stops at the goal.
TEST(Session, TheTimeOfAGame) {
    Game g;
    g.enter(kPlay);
    g.now = 1000;
    g.keyMove('f', KeyName::Down); // the time starts with the first move
    g.now = 5000;
    g.in(Act::Shown, false);
    g.now = 65000; // a minute hidden
    g.in(Act::Shown, true);
    g.now = 7000 + 60000;
    EXPECT_EQ(g.s.playedMs(), 6000);
    g.in(Act::Solve);
    g.s.SolveStep();
    g.now += 30000; // the coach's moves take none of it
    g.in(Act::SlideEnded);
    g.s.SolveSlid(true);
    EXPECT_EQ(g.s.playedMs(), 6000);
    g.now += 1000;
    EXPECT_EQ(g.s.playedMs(), 7000);
    // Reset: a new game, a new time.
    g.in(Act::Reset);
    EXPECT_EQ(g.s.playedMs(), 0);
}

// Setting up: letters and keys move the selected piece, Return plays a
// position with a way to the goal and says why it will not play another.
TEST(Session, SettingUpSaysWhyAPositionCannotBePlayed) {
    Game g;
    g.s.BeginSetup();
    EXPECT_TRUE(g.in(Act::Hover).view.editing);
    g.letter('i');
    EXPECT_EQ(g.key(KeyName::Left).said.words, Words::ToGo);
    EXPECT_EQ(g.key(KeyName::Down).said.words, Words::NoRoom);
    EXPECT_EQ(g.key(KeyName::Right).said.words, Words::ToGo);
    // X onto the goal, through a drag.
    g.point(Act::Press, 150, 50);
    g.point(Act::Drag, 150, 350);
    EXPECT_EQ(g.point(Act::Release, 150, 350).said.words, Words::NoRoom);
    // Escape gives the set-up up.
    EXPECT_FALSE(g.key(KeyName::Escape).view.editing);
    EXPECT_TRUE(g.puzzle->isClassic());
    // A position without a way to the goal is not played, and says so.
    Game h;
    const PuzzleDef trapped = ParseStart("A15 X1 B0 C12 D8 E14 F11 G3 H10 I13").def;
    h.s.ChoosePuzzle(std::make_shared<const PuzzleDef>(trapped), "your own");
    h.s.CoachReady(tables::TableOf(trapped));
    h.s.BeginSetup();
    const Reply refused = h.key(KeyName::Return);
    EXPECT_EQ(refused.said.words, Words::NoWay);
    EXPECT_TRUE(refused.view.editing);
}
