// The game around the moves: the mode, the keyboard selection, the hint's
// two stages, whether the player reached the goal from the start alone,
// which controls each mode offers, and the program's words for every
// outcome. The window and the runs ask it and show what it answers; the
// puzzle itself still makes every move.
#pragma once

#include "movesfile.h"
#include "puzzle.h"
#include "records.h"
#include "said.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trulp {

enum Mode : uint8_t { kPlay = 0, kReplay = 1, kSearch = 2, kNoMode = 3 };

// The controls whose state follows the mode.
enum class Control : uint8_t { MoveLimit, Back, Go, Statistics, Step, Hint, Solve };
constexpr int kModeControls = 7;
using ControlSet = uint8_t; // bit k: Control k is enabled
constexpr ControlSet Bit(Control c) {
    return ControlSet(1u << unsigned(c));
}

// The captions of GO.
enum class GoCaption : uint8_t { Keep, Go, Stop, Step };

// How the game stands after a call: what the window shows besides the board.
struct View {
    Mode mode = kNoMode;
    ControlSet controls = 0; // the controls the mode offers
    bool editing = false;    // a puzzle is being set up
    int selected = 0;        // the block with the keyboard's ring
    std::string puzzleName;
    int toGo = -1; // moves to the goal from the board shown; kNoDistance; -1 while the coach gets ready
    int32_t moveLimit = 0;
    bool redo = false; // a move taken back in play can be made again
};

// Everything the window has to show after a call; it never asks again.
struct Reply {
    Reply() = default;
    explicit Reply(Said s) : said(std::move(s)) {}
    Said said;            // for the message line
    StepMade slide;       // the puzzle moved this block: slide it from where it stood
    bool list = false;    // the list or the move number changed
    bool board = false;   // the board shown changed: draw it whole
    bool newGame = false; // a new start on the board: the search and the record line start again
    GoCaption go = GoCaption::Keep;
    bool runEnds = false;
    bool celebrate = false;      // the player brought X to the goal
    Said record;                 // beside the message: a new record, or how to undo
    bool recordsChanged = false; // the records are to be kept
    View view;                   // filled by the session at every answer
};

// What one slice of the search came to.
enum class SliceEnd : uint8_t { Budget, Solved, Exhausted };

class Session {
public:
    explicit Session(Puzzle& puzzle) : puzzle_(puzzle), name_(NameOf(puzzle.start())) {}

    const Puzzle& puzzle() const { return puzzle_; }
    Puzzle& puzzle() { return puzzle_; }
    // The name of the puzzle being played.
    const std::string& puzzleName() const { return name_; }
    // The board to show: the puzzle's, or the one being set up.
    const BlockTable& boardShown() const { return editing_ ? draft_ : puzzle_.blockTable(); }
    bool editing() const { return editing_; }
    // Whether move n of the list was the coach's (a hint's or solve's).
    bool coached(int n) const { return n >= 1 && n <= kMaxMoves && coached_[size_t(n)]; }
    const Records& records() const { return records_; }
    void SetRecords(Records records) { records_ = std::move(records); }
    // Where the date of a record comes from.
    void SetClock(std::function<std::string()> today) { today_ = std::move(today); }
    Mode mode() const { return mode_; }
    int selected() const { return selected_; }
    bool stepMode() const { return stepMode_; }
    // Reaching the goal now would be the player's own from the start: move 1
    // was made by hand from the puzzle's start, and no coach helped since.
    bool playedAlone() const { return alone_; }
    // The controls the current mode offers; before any mode was chosen,
    // everything but the coach. The coach waits for its table; back waits
    // for a replay run that is not stepped.
    ControlSet controls() const;
    // Moves from the board shown to the goal, or kNoDistance; -1 while the
    // coach's table is not built.
    int toGo() const;
    // The coach's table has been built: to go and the coach's buttons.
    Reply CoachReady() const;
    // Everything, to be shown whole (a game brought back).
    Reply Whole() const;

    // Another puzzle: its start on the board, an empty list, play mode.
    // A start that cannot be played changes nothing.
    // (The name is the collection's; an empty one names it by its start.)
    Reply ChoosePuzzle(const Block (&start)[kBlocks + 1], const std::string& name, int32_t moveLimit);
    // The name a start goes by: its name in the collection, or the one for
    // a puzzle of one's own.
    static std::string NameOf(const Block (&start)[kBlocks + 1]);

    // The next puzzle of the collection without a record, played.
    Reply NextPuzzle(int32_t moveLimit);

    // Setting up a puzzle of one's own, from the start of the one played.
    Reply BeginSetup();
    // A block put with its top-left square on `field`; refused off the
    // board or on another block.
    Reply Place(int block, int field);
    // The set-up position becomes the puzzle to play (when it can be
    // played), or is given up.
    Reply EndSetup(bool use, int32_t moveLimit);

    // The window opens: the board at the start, the welcome.
    Reply Start(int32_t moveLimit);
    // Mode buttons: a press brings its mode, releasing the pressed one
    // leaves none. The caller refuses while a block slides or a run goes.
    Reply ChooseMode(Mode mode, bool pressed, int32_t moveLimit);
    // How many such actions Undo remembers.
    static constexpr size_t kRememberedActions = 20;
    Reply Reset(int32_t moveLimit);
    // The move limit control let go: the limit that holds for its position
    // (View::moveLimit), never below the moves made.
    Reply SetMoveLimit(int32_t position);
    void SetStepMode(bool on) { stepMode_ = on; }

    // Play by hand. A drag ends with a direction, or 0 when it was too short.
    Reply Drag(int block, unsigned direction);
    // A press on the board, or Backspace in play, drops the keyboard selection.
    void Deselect() { selected_ = 0; }
    // A typed character: a block's letter selects it.
    Reply Letter(char32_t c);
    // A key pressed in play, as a direction (0 for any other key); while
    // setting up, it moves the selected block a field.
    Reply Key(unsigned direction);
    // Back and Backspace: one move back, in play and replay.
    Reply Back();
    // In play, the move taken back last made again, as it was made: a
    // coach's move stays the coach's. Any other move forgets them. After an
    // Undo of an action, the action again.
    Reply Redo();
    // The last action undone: a reset, a mode change, a puzzle chosen or a
    // file opened that threw moves away brings back the list, the board,
    // the puzzle and the mode as they were; otherwise a move back, as Back.
    Reply Undo();

    // The game as a small text (puzzle, list, where it stands, mode), kept
    // when the window closes, and brought back; a text that is not wholly
    // such a game changes nothing (false).
    std::string GameText() const;
    bool Resume(std::string_view text, int32_t moveLimit);

    // The coach: a hint in two stages, and whether solve may start now.
    Reply Hint();
    bool StartSolve();
    // One move of the solve run, or the run's end.
    Reply SolveStep();
    // A solve move has slid: the run's end, or nothing and it goes on.
    Reply SolveSlid(bool stopRequested);
    // The solve run stopped from outside.
    Reply SolveStopped();
    // A stopped solve waits for GO to go on, until the game moves otherwise.
    bool solvePaused() const { return solvePaused_; }

    // The replay run: its start, each move, its end.
    Reply ReplayStarted();
    Reply ReplayStep();
    Reply ReplayEnded();

    // The search run: a slice of the search, what it came to once the board
    // has been shown, and the run's end with the time it took.
    Reply SearchSlice(int32_t budget);
    Reply SearchWaited(bool stopRequested);
    Reply SearchEnded(uint32_t seconds);

    // Saving and printing went well: the name saved as, the file printed to
    // (empty for a printer).
    Reply Saved(const std::string& name);
    Reply Printed(const std::string& file);

    // A moves file read: its moves become the list when it is one.
    Reply Open(const DecodedMoves& file);

private:
    // Everything an action may throw away.
    struct GameState {
        BlockTable start{};
        std::string name;
        Mode mode = kNoMode;
        std::array<MoveRecord, kMaxMoves + 1> list{};
        int32_t lastMove = 0;
        int32_t moveNr = 1;
        std::array<bool, kMaxMoves + 1> coached{};
        bool alone = false;
        bool sameList(const GameState& other) const; // the puzzle and its moves
        bool sameGame(const GameState& other) const; // and the mode and where the list stands
    };
    GameState capture() const;
    // Through the puzzle's own operations: its start, the list, the moves
    // before moveNr replayed.
    bool restore(const GameState& state, int32_t moveLimit);
    Reply chooseMode(Mode mode, bool pressed, int32_t moveLimit);
    // An action has changed the game from `before`: it can be undone when
    // it threw moves away, and says so beside the message.
    void remember(const GameState& before, Reply& r);
    // Every answer carries the view as it now stands.
    Reply answer(Reply r) const;
    Reply moved(const PlayOutcome& o, Words plain, bool byCoach = false);
    Reply stepBack();

    Puzzle& puzzle_;
    Mode mode_ = kNoMode;
    ControlSet controls_ = ControlSet(~(Bit(Control::Hint) | Bit(Control::Solve)) & 0x7F);
    int selected_ = 0;
    bool stepMode_ = false;
    bool alone_ = false;
    PlayResult lastSolve_ = PlayResult::Moved;
    std::string name_;
    bool replaying_ = false;
    SearchResult searchResult_ = kNotSearched;
    std::array<bool, kMaxMoves + 1> coached_{};
    // The moves taken back in play, the last one on top.
    struct TakenBack {
        uint8_t block;
        uint8_t direction;
        bool coached;
    };
    std::array<TakenBack, kMaxMoves> takenBack_{};
    int takenBackCount_ = 0;
    bool redoing_ = false;
    bool solvePaused_ = false;
    // Actions that threw moves away, as they left the game and as it was.
    struct Action {
        GameState before, after;
    };
    std::vector<Action> actions_, undone_;
    bool solving_ = false;
    Records records_;
    std::function<std::string()> today_ = Today;
    bool editing_ = false;
    BlockTable draft_{};
    // A hint that stands: its block and the position it was given for.
    int hintBlock_ = 0;
    BoardKey hintKey_{};
};

} // namespace trulp
