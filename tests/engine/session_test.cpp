// The game session without a window: what each event in each mode does to
// the list, which words it brings and which controls the mode offers; and
// who gets the congratulation.
#include "optimal.h"
#include "session.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace trulp;

namespace {
constexpr int A = 1, F = 7, G = 8, H = 9;

constexpr ControlSet kPlayControls =
    Bit(Control::MoveLimit) | Bit(Control::Back) | Bit(Control::Hint) | Bit(Control::Solve);
constexpr ControlSet kReplayControls = Bit(Control::Back) | Bit(Control::Go) | Bit(Control::Step);
constexpr ControlSet kSearchControls =
    Bit(Control::MoveLimit) | Bit(Control::Go) | Bit(Control::Statistics) | Bit(Control::Step);

struct Game {
    std::unique_ptr<Puzzle> puzzle = std::make_unique<Puzzle>();
    Session session{*puzzle};
    Game() { session.Start(150); }
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
     "solving... 115 to go", kPlayControls, 1, true},
    {"a solve stopped after its move",
     [](Game& g) {
         g.enter(kPlay);
         g.session.StartSolve();
         g.session.SolveStep();
         return g.session.SolveSlid(true);
     },
     "pause", kPlayControls, 1, false},
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
            EXPECT_EQ(Text(r.said), row.words);
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
    alone.enter(kPlay);
    playTo(alone, 115);
    EXPECT_EQ(Text(alone.session.Drag(line[115].block, line[115].direction).said),
              "SOLUTION FOUND ...congratulations !");

    // Play entered again mid-game: the same goal is only reached.
    Game again;
    again.enter(kPlay);
    playTo(again, 115);
    again.enter(kPlay);
    EXPECT_EQ(Text(again.session.Drag(line[115].block, line[115].direction).said), "solution reached");

    // A hint's move, even as move 1, makes the game a coached one.
    Game coached;
    coached.enter(kPlay);
    coached.session.Hint();
    coached.session.Hint();
    ASSERT_EQ(coached.puzzle->lastMove(), 1);
    for (size_t i = 1; i + 1 < line.size(); ++i)
        coached.session.Drag(line[i].block, line[i].direction);
    EXPECT_EQ(Text(coached.session.Drag(line[115].block, line[115].direction).said), "solution reached");

    // A full list: a key says so and moves nothing; the drag that filled it
    // said so too.
    Game full;
    full.enter(kPlay);
    full.session.SetMoveLimit(100);
    Reply last;
    for (int i = 0; i < 100; ++i)
        last = full.session.Drag(F, i % 2 ? Up : Down);
    EXPECT_EQ(Text(last.said), "moves list is full");
    full.session.Letter(U'h');
    EXPECT_EQ(Text(full.session.Key(Right).said), "list is full");
    EXPECT_EQ(full.session.Drag(H, Right).said.words, Words::Keep);
    EXPECT_EQ(full.puzzle->lastMove(), 100);
}
