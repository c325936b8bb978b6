// The live puzzle: the board, the moves list and the solver's memory. Every
// change of the position or of the list is one of the operations below,
// whoever asks for it (mouse, keys, replay, files, the coach, the command
// line); each checks what it needs and says what it did. Everything else
// reads. One instance is the whole engine state; nothing in it allocates
// while it plays or searches.
#pragma once

#include "board.h"
#include "history.h"
#include "position.h"
#include "puzzledef.h"

#include <cstdint>
#include <memory>

namespace trulp {

// Result codes of SearchStep; 0 before any step of a run.
enum SearchResult : uint8_t { kNotSearched = 0, kBudgetSpent = 1, kSolved = 2, kNoSolution = 3 };

using MovesList = MoveRecord[kMaxMoves + 1]; // entries 1..kMaxMoves

// What a move by hand came to.
enum class PlayResult : uint8_t {
    Moved,         // made and recorded
    Solved,        // made, recorded, and the goal is reached
    MovedListFull, // made and recorded; the list takes no more
    ListFull,      // not made: the list takes no more
    Closed,        // not made: the piece cannot step that way
};

struct PlayOutcome {
    PlayResult result;
    int number = 0;        // the move's number in the list, when made
    uint8_t fromField = 0; // where the piece stood before
    bool made() const {
        return result == PlayResult::Moved || result == PlayResult::Solved ||
               result == PlayResult::MovedListFull;
    }
};

// A recorded move replayed or taken back: which piece went which way from
// where; made is false when there was nothing the board could do.
struct StepMade {
    bool made = false;
    uint8_t block = 0;
    uint8_t direction = 0; // the way the piece went
    uint8_t fromField = 0;
};

// Whether taking a move back also drops it from the list.
enum class ListRule : uint8_t { Keep, Cut };

// The range of the move limit for a puzzle: the classic's family keeps
// 100..200; other puzzles may need longer lines.
int32_t MoveLimitCeiling(const PuzzleDef& def);

class Puzzle {
public:
    // The classic.
    Puzzle();
    Puzzle(const Puzzle&) = delete;
    Puzzle& operator=(const Puzzle&) = delete;

    // --- reading, for drawing, files, the coach and tests ---
    // The puzzle being played (its start is where the blocks stand at its start).
    const PuzzleDef& def() const { return *def_; }
    const std::shared_ptr<const PuzzleDef>& sharedDef() const { return def_; }
    const Board& board() const { return board_; }
    const BoardKey& boardKey() const { return board_.boardKey(); }
    const MovesList& movesList() const { return movesList_; }
    int32_t moveNr() const { return moveNr_; }
    int32_t lastMove() const { return lastMove_; }
    int32_t maxMove() const { return maxMove_; }
    const SearchCounters& counters() const { return history_.counters; }
    const SearchHistory& history() const { return history_; }
    const MoveRecord& trialMove() const { return trialMove_; }
    int forwardLength() const { return history_.forward.length(); }
    bool isClassic() const;

    FieldSet BlockMask(int block) const { return board_.PieceMask(block); }
    uint8_t PossibleDirections(int block) const { return board_.PossibleDirections(block); }
    bool GoalReached() const { return board_.GoalReached(); }
    // No move may be made or searched beyond the limit.
    bool ListFull() const { return moveNr_ > maxMove_ || moveNr_ > kMaxMoves; }

    // --- changes ---
    // Plays another puzzle from its start. A start whose pieces do not
    // stand apart on the board changes nothing: false. Otherwise the list is
    // emptied and the board reset to the new start.
    bool ChoosePuzzle(std::shared_ptr<const PuzzleDef> def, int32_t moveLimit);
    // The engine's part of a board reset: the puzzle's start, key, backward
    // entry 0, empty buffers, moveNr 1 and the move limit. The list, the
    // counters and the stacks stay, so a list replays after a reset.
    void ResetBoard(int32_t moveLimit);
    // Empties the list, the counters and the stacks.
    void ClearMoves();
    // A move by hand: the piece steps if it can and the list has room; the
    // move is recorded at moveNr with the directions that were open, and
    // whatever followed it leaves the list.
    PlayOutcome PlayMove(int block, unsigned direction);
    // Replays the recorded move at moveNr, if the board can make it.
    StepMade ReplayMove();
    // Takes back the move before moveNr, if the board can; in play the move
    // also leaves the list.
    StepMade TakeBack(ListRule rule);
    // Sets the move limit from the control's position, never below the
    // moves already made; returns the limit that holds.
    int32_t SetMoveLimit(int32_t position);
    // Replaces the list by moves 1..count of `list` (1-based), after
    // ClearMoves; the board stays. A list that cannot be held (too long,
    // a bad piece or direction) changes nothing: false.
    bool LoadMoves(const MoveRecord* list, int count);
    bool CanHold(const MoveRecord* list, int count) const;
    // Play goes on from the position on the board: later moves leave the list.
    void CutList() { lastMove_ = moveNr_ - 1; }
    // A search run has stopped: the counters written at its end.
    void EndSearchRun(uint32_t seconds);

    // Solver: records at most budget moves.
    SearchResult SearchStep(int32_t budget);

private:
    // A test's way to states no play reaches quickly (a full forward
    // bucket); nothing in the program is one.
    friend struct PuzzleTestAccess;

    std::shared_ptr<const PuzzleDef> def_;
    Board board_;
    MovesList movesList_;
    int32_t moveNr_ = 1;
    int32_t lastMove_ = 0;
    int32_t maxMove_ = kDefaultMoveLimit;
    SearchHistory history_;
    MoveRecord trialMove_{};
    // The untried candidates left at each depth when its move was recorded,
    // so taking the move back needs no new look at the pieces. Depths from
    // pendingFloor_ to moveNr - 1 are valid.
    FieldSet pendingCands_[kMaxMoves + 2];
    int32_t pendingFloor_ = kMaxMoves + 2;
};

} // namespace trulp
