// The game around the moves: the one place that decides what an input means
// (a key with its text, a press, drag and release on the board, a control,
// an action), what the mode offers, the keyboard selection, the hint's two
// stages, whether the player reached the goal alone, undo and redo, and the
// time and counts of a game. Each call answers with one reply that carries
// everything the window shows: the board and the list as values, the
// controls, the words, the chart. The puzzle itself still makes every move.
#pragma once

#include "distance.h"
#include "movesfile.h"
#include "puzzle.h"
#include "records.h"
#include "said.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trulp {

enum Mode : uint8_t { kPlay = 0, kReplay = 1, kSearch = 2, kNoMode = 3 };

// Everything a person can ask of the window, by button, key or action.
enum class Act : uint8_t {
    Play, // the mode buttons: Input::on is the button's new state
    Replay,
    Search,
    Reset,
    Back,
    Go,
    Statistics,
    Step, // Input::on: the box's new state
    Hint,
    Solve,
    MoveLimit, // Input::value: the control's position, let go
    SetupDone,
    SetupCancel,
    Help,
    Undo,
    Redo,
    NextPuzzle,
    Open,
    Save,
    Print,
    PrinterSetup,
    Chart,
    Puzzles,
    Copy,
    Paste,
    // Not actions but what the board and the keyboard report.
    Key,        // Input::key, text, autoRepeat
    Press,      // Input::x, y: a point of the board in hundredths of a field
    Drag,       // the pointer moved with the button held
    Release,    // the button let go
    Hover,      // the pointer moved over the board
    SlideEnded, // the board finished drawing a slide
    Shown,      // the window became visible (Input::on) or hidden
};
constexpr int kActs = int(Act::Shown) + 1;

// The keys that mean something beyond the character they type.
enum class KeyName : uint8_t { Other, Left, Right, Up, Down, Space, Return, Backspace, Escape };

struct Input {
    Act act = Act::Key;
    KeyName key = KeyName::Other;
    char32_t text = 0; // the character typed, 0 for none
    bool autoRepeat = false;
    int x = 0, y = 0;
    int value = 0;
    bool on = false;
};

// The runs the window's run control drives.
enum class RunOrder : uint8_t { None, StartSearch, StartReplay, StartSolve, Stop };
// The dialogs the window shows when the session lets it.
enum class Dialog : uint8_t {
    None,
    Statistics,     // the search's counters
    GameStatistics, // the game played: Reply::game
    Help,
    Open,
    Save,
    Print,
    PrinterSetup,
    Chart,
    Puzzles,
    Copy,
    Paste
};
// The captions of GO.
enum class GoCaption : uint8_t { Go, Stop, Step };
// What the coach knows of the puzzle played.
enum class CoachState : uint8_t { Waiting, Ready, TooLarge };

// The board to draw: the puzzle's board and shapes, where each piece stands,
// the ring, and a piece held apart by a drag.
struct BoardShown {
    std::shared_ptr<const PuzzleDef> def;
    std::array<uint8_t, kMaxPieces + 1> anchors{};
    int ring = 0;         // the piece with the keyboard's ring, 0 for none
    int floating = 0;     // the piece being dragged, 0 for none
    int dx = 0, dy = 0;   // its offset from its field, in hundredths of a field
    bool editing = false; // being set up: pieces go anywhere
};

struct MoveShown {
    char letter = 0;
    uint8_t direction = 0;
    bool coached = false; // a hint's or solve's
};

// The moves list to draw: the moves, and the pointer at the next.
struct ListShown {
    std::vector<MoveShown> moves; // 0-based: move n is moves[n - 1]
    int moveNr = 1;
};

// The game chart: how far the goal was after each move of the list.
struct ChartShown {
    std::vector<int> distances;      // after moves 0..n, as far as the list replays
    std::vector<int> pieceDistances; // the same in piece moves
    std::vector<bool> coached;       // move n was the coach's (index 0 unused)
    int moves = 0;                   // the list's length
    int mark = 0;                    // the move the board stands after
    int shortest = 0;                // moves to go from the start
    int toGo = kNoDistance;          // from the board now
    int record = 0;                  // the player's best, 0 for none
};

// How the game stands after a call: what the window shows besides the board.
struct View {
    Mode mode = kNoMode;
    std::bitset<kActs> enabled; // the buttons and actions that take input now
    bool editing = false;       // a puzzle is being set up
    bool stepMode = false;
    GoCaption go = GoCaption::Go;
    std::string puzzleName;
    std::string goalLetters; // the goal's pieces, as their letters
    int toGo = -1;           // moves to the goal from the board shown; kNoDistance; -1 unknown yet
    int toGoPieces = -1;     // the same in piece moves
    CoachState coach = CoachState::Waiting;
    int32_t moveLimit = kDefaultMoveLimit;
    int32_t moveLimitCeiling = kMaxMoveLimit;
    int moves = 0;      // made on the board: moveNr - 1
    int pieceMoves = 0; // of them, in piece moves
    bool hand = false;  // the pointer is on a piece that can move
};

// The game played, for its statistics.
struct GameShown {
    int moves = 0;
    int pieceMoves = 0;
    int coached = 0; // of the moves, the coach's
    int64_t playedMs = 0;
    int toGo = -1; // as View::toGo
    int toGoPieces = -1;
    int bestMoves = 0; // the player's best alone, 0 for none
    int bestPieceMoves = 0;
    int shortest = -1; // from the start, as toGo
    int shortestPieces = -1;
};

// Everything the window has to show after a call; it never asks again.
struct Reply {
    Reply() = default;
    explicit Reply(Said s) : said(std::move(s)) {}
    Said said;            // for the message line
    Said aside;           // beside it: a record, how to undo, why an input waits
    StepMade slide;       // this piece moved: slide it from where it stood
    bool board = false;   // the board changed: draw `shownBoard`
    bool list = false;    // the list or its pointer changed: draw `shownList`
    bool newGame = false; // a new start on the board
    bool celebrate = false;
    bool wait = false; // taken later: the input comes again when the slide ends
    RunOrder run = RunOrder::None;
    Dialog dialog = Dialog::None;
    bool recordsChanged = false; // a solve to be kept (Session::lastSolve)
    bool gameChanged = false;
    BoardShown shownBoard;
    ListShown shownList;
    ChartShown chart;
    GameShown game; // with Dialog::GameStatistics
    View view;      // filled by the session at every answer
};

// What one slice of the search came to.
enum class SliceEnd : uint8_t { Budget, Solved, Exhausted };

// The game kept between runs.
struct KeptGame {
    std::shared_ptr<const PuzzleDef> def;
    std::string name;
    Mode mode = kNoMode;
    std::vector<MoveRecord> moves; // 0-based
    std::vector<bool> coached;     // per move
    int moveNr = 1;
    bool alone = false;  // the player's own, without help so far
    bool helped = false; // the player's own, with the coach's help
    int64_t playedMs = 0;
};

class Session {
public:
    // The classic at its start; `clock` tells milliseconds (the game's time).
    explicit Session(Puzzle& puzzle, std::function<int64_t()> clock = {});

    // --- reading, for the window's dialogs, files and tests ---
    const Puzzle& puzzle() const { return puzzle_; }
    const std::string& puzzleName() const { return name_; }
    Mode mode() const { return mode_; }
    bool editing() const { return editing_; }
    bool busy() const { return sliding_ || run_ != RunOrder::None; }
    bool stepMode() const { return stepMode_; }
    int selected() const { return selected_; }
    const Records& records() const { return records_; }
    // The solve that changed the records last.
    const Solve& lastSolve() const { return lastSolve_; }
    // The game as it stands, to keep.
    KeptGame Kept() const;
    // Whether move n of the list was the coach's.
    bool coached(int n) const { return n >= 1 && n <= kMaxMoves && coached_[size_t(n)]; }
    int64_t playedMs() const;

    // The board and the list as they stand, to print or copy.
    Reply Whole();

    // --- the one way in ---
    Reply Input(const ::trulp::Input& in);

    // --- answers to what the window did for a reply ---
    // The window opens: the board at the start, the welcome.
    Reply Start(int32_t moveLimit);
    // The records as the store read them.
    Reply SetRecords(Records records);
    // The coach's table for the puzzle played, built off the window's thread.
    Reply CoachReady(std::shared_ptr<const DistanceTable> table);
    // What the coach needs a table for now: the puzzle and the position to
    // build from; none when it has one.
    std::shared_ptr<const PuzzleDef> CoachWants() const;
    // A kept game brought back; false (nothing changed) when it cannot be.
    Reply Resume(const KeptGame& game, bool& resumed);
    // A puzzle chosen in the puzzles window, or drawn: played.
    Reply ChoosePuzzle(std::shared_ptr<const PuzzleDef> def, const std::string& name);
    // Setting up a puzzle of one's own, from the start of the one played.
    Reply BeginSetup();
    // A file opened (moves of a puzzle, or a puzzle), or why not.
    Reply Open(const OpenedFile& file);
    // A file that could not be read at all.
    Reply Failed(const Said& why);
    // Saving and printing went well.
    Reply Saved(const std::string& name);
    Reply Printed(const std::string& file);
    // A solve kept in the records (the store merged it with the file's).
    Reply RecordsKept(Records records);

    // The runs: search slices, replay and solve moves, each end.
    Reply SearchSlice(int32_t budget);
    Reply SearchWaited(bool stopRequested);
    Reply SearchEnded(uint32_t seconds);
    Reply ReplayStep();
    Reply ReplayEnded();
    Reply SolveStep();
    Reply SolveSlid(bool stopRequested);
    Reply SolveEnded();

    // How many actions Undo remembers.
    static constexpr size_t kRememberedActions = 20;
    static std::string NameOf(const PuzzleDef& def);

private:
    // Everything an action may throw away.
    struct GameState {
        std::shared_ptr<const PuzzleDef> def;
        std::string name;
        Mode mode = kNoMode;
        std::vector<MoveRecord> list; // 1-based: entry 0 unused
        int32_t moveNr = 1;
        std::vector<bool> coached;
        bool alone = false;
        bool helped = false;
        int64_t playedMs = 0;
        bool sameList(const GameState& other) const;
        bool sameGame(const GameState& other) const;
    };
    struct TakenBack {
        uint8_t block;
        uint8_t direction;
        bool coached;
    };
    struct Drag {
        int piece = 0;
        int grabX = 0, grabY = 0; // where the pointer took it, from its corner
        uint8_t dirs = 0;
        int dx = 0, dy = 0;
    };

    Reply act(const ::trulp::Input& in);
    Reply key(const ::trulp::Input& in);
    Reply setupKey(const ::trulp::Input& in);
    Reply press(int x, int y);
    Reply drag(int x, int y);
    Reply release();
    Reply hover(int x, int y);
    Reply go();
    Reply chooseMode(Mode mode, bool pressed);
    Reply reset();
    Reply back();
    Reply undo();
    Reply redo();
    Reply hint();
    Reply solve();
    Reply place(int piece, int field);
    Reply endSetup(bool use);
    Reply selectLetter(char32_t c);
    Reply moveSelected(unsigned direction);
    Reply playMove(int piece, unsigned direction, bool byKey);
    Reply refused(Words why);
    // The reply as the game now stands.
    Reply answer(Reply r);
    int32_t limitFor(const PuzzleDef& def) const;
    Reply moved(const PlayOutcome& o, Words plain, bool byCoach = false);
    Reply stepBack();
    void newGame();
    void coachHelps();
    GameState capture() const;
    bool restore(const GameState& state);
    void remember(const GameState& before, Reply& r);
    bool choose(std::shared_ptr<const PuzzleDef> def, const std::string& name);
    int distance(const Board& b) const;
    int pieceDistance(const Board& b) const;
    Said startSaid(const PuzzleDef& def) const;
    ChartShown chart() const;
    GameShown gameShown() const;
    int piecesMade() const;
    void tick();
    bool clockRuns() const;
    const Board& boardShown() const { return editing_ ? draft_ : puzzle_.board(); }
    int pieceAt(int x, int y) const;

    Puzzle& puzzle_;
    std::function<int64_t()> clock_;
    std::shared_ptr<const DistanceTable> table_;
    Mode mode_ = kNoMode;
    bool modeChosen_ = false;
    int selected_ = 0;
    bool stepMode_ = false;
    bool alone_ = false;
    bool helped_ = false; // the coach helped this game
    PlayResult lastSolveResult_ = PlayResult::Moved;
    std::string name_;
    RunOrder run_ = RunOrder::None;
    GoCaption go_ = GoCaption::Go;
    // The player's move limit for the ten blocks; another puzzle's list holds
    // as many moves as the program can keep, so a long classic can be finished.
    int32_t tenBlockLimit_ = kMaxMoveLimit;
    bool sliding_ = false;
    bool refusalSaid_ = false;
    bool visible_ = true;
    SearchResult searchResult_ = kNotSearched;
    std::array<bool, kMaxMoves + 1> coached_{};
    std::vector<TakenBack> takenBack_;
    bool redoing_ = false;
    bool solvePaused_ = false;
    struct Action {
        GameState before, after;
    };
    std::vector<Action> actions_, undone_;
    Records records_;
    Solve lastSolve_;
    std::function<std::string()> today_ = Today;
    bool editing_ = false;
    std::shared_ptr<const PuzzleDef> draftDef_;
    Board draft_;
    Drag drag_;
    bool dragging_ = false;
    bool celebrated_ = false; // the goal's words stand until the game moves
    bool announce_ = false;   // the puzzle's shortest line is to be said when known
    int hintBlock_ = 0;
    BoardKey hintKey_{};
    // The game's time: what was played before, and since when it runs.
    int64_t playedMs_ = 0;
    int64_t since_ = -1;
};

} // namespace trulp
