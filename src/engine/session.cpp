#include "session.h"

#include "distance.h"
#include "puzzles.h"
#include "start.h"
#include "utf8.h"

#include <algorithm>

namespace trulp {

namespace {

// What each mode offers once its button is pressed; none offers nothing.
constexpr ControlSet kModeControlsTable[4] = {
    /* play   */ Bit(Control::MoveLimit) | Bit(Control::Back) | Bit(Control::Hint) | Bit(Control::Solve),
    /* replay */ Bit(Control::Back) | Bit(Control::Go) | Bit(Control::Step),
    /* search */ Bit(Control::MoveLimit) | Bit(Control::Go) | Bit(Control::Statistics) | Bit(Control::Step),
    /* none   */ 0,
};

// What the coach knows of a start: how far the goal is, or why it cannot
// be played.
Said StartWords(const Block (&start)[kBlocks + 1]) {
    const StartCheck check = CheckStart(start);
    switch (check.verdict) {
    case StartVerdict::Solved:
        return Said(Words::OnGoal);
    case StartVerdict::Playable:
        return Said(Words::ToGo, DistanceTable::Shared().Distance(start));
    default:
        return Said(Words::NoWay);
    }
}

std::string LetterOf(int block) {
    return std::string(1, block >= 1 && block <= kBlocks ? startTable[block].letter : '?');
}

} // namespace

std::string Text(const Said& s) {
    const std::string n = std::to_string(s.number);
    switch (s.words) {
    case Words::Keep:
    case Words::Clear:
        return {};
    case Words::Welcome:
        return "welcome at the TRULP puzzle. Select \"play\" or \"search\"...";
    case Words::PlayEntered:
        return "search for solution...";
    case Words::ReplayEntered:
        return "show moves";
    case Words::SearchEntered:
        return "click GO to start search";
    case Words::DragMoved:
        return "find solutions...";
    case Words::KeyMoved:
        return "find solution...";
    case Words::ListFull:
        return "list is full";
    case Words::MovedListFull:
        return "moves list is full";
    case Words::SolvedAlone:
        return "SOLUTION FOUND ...congratulations !";
    case Words::SolutionReached:
        return "solution reached";
    case Words::MoveNumber:
        return "move " + n;
    case Words::EndOfList:
        return "end of list";
    case Words::Hint:
        return "hint: " + LetterOf(s.block) + " " +
               (IsDirection(s.direction) ? DirectionWords[s.direction] : "") + " (" + n + " to go)";
    case Words::ToGo:
        return n + " to go";
    case Words::Solving:
        return "solving... " + n + " to go";
    case Words::Pause:
        return "pause";
    case Words::Searching:
        return "computer searching...move: " + n;
    case Words::SearchSolved:
        return "puzzle solved.  (see statistics)";
    case Words::NoSolution:
        return "no solution found";
    case Words::Saved:
        return "puzzle saved as: " + s.name;
    case Words::Opened:
        return "puzzle " + s.name + " opened";
    case Words::ReadError:
        return "read error";
    case Words::WrongFile:
        return "wrong file";
    case Words::Printed:
        return "puzzle send to printer";
    case Words::PuzzleChosen:
        return "puzzle " + s.name + ": shortest solution " + n + " moves";
    case Words::SettingUp:
        return "drag the blocks where you want them";
    case Words::NoWay:
        return "no way to the goal";
    case Words::OnGoal:
        return "block X is on the goal already";
    case Words::NoRoom:
        return "no room there";
    case Words::NewRecord:
        return "new record: " + n + " moves (shortest " + std::to_string(s.second) + ")";
    }
    return {};
}

const char* CaptionText(GoCaption caption) {
    switch (caption) {
    case GoCaption::Stop:
        return "STOP";
    case GoCaption::Step:
        return "STEP";
    default:
        return "GO";
    }
}

int Session::toGo() const {
    return DistanceTable::Shared().Distance(boardShown());
}

std::string Session::NameOf(const Block (&start)[kBlocks + 1]) {
    const PuzzleInfo* known = FindPuzzleByStart(start);
    return known ? known->name : "your own";
}

Reply Session::ChoosePuzzle(const Block (&start)[kBlocks + 1], const std::string& name, int32_t moveLimit) {
    if (!puzzle_.ChoosePuzzle(start, moveLimit))
        return Reply(StartWords(start));
    name_ = name;
    selected_ = 0;
    hintBlock_ = 0;
    coached_.fill(false);
    Reply r = ChooseMode(kPlay, true, moveLimit);
    r.board = true;
    r.said = Said(Words::PuzzleChosen, toGo(), 0, 0, name_);
    return r;
}

Reply Session::BeginSetup() {
    std::copy(puzzle_.start(), puzzle_.start() + kBlocks + 1, draft_);
    editing_ = true;
    selected_ = 0;
    Reply r{Said(Words::SettingUp)};
    r.drawn = r.controls = true;
    return r;
}

Reply Session::Place(int block, int field) {
    Reply refused{Said(Words::NoRoom)};
    refused.drawn = true; // the block goes back where it stood
    if (!editing_ || block < 1 || block > kBlocks || field < 0 || field >= kFields)
        return refused;
    const Block& b = draft_[block];
    const BlockShape& s = shapeTable[b.shape];
    uint32_t others = 0;
    for (int k = 1; k <= kBlocks; ++k)
        if (k != block)
            others |= shapeTable[draft_[k].shape].mask << draft_[k].field;
    if (field % kColumns + s.width > kColumns || field / kColumns + s.height > kRows ||
        (s.mask << field & others) != 0)
        return refused;
    draft_[block].field = uint8_t(field);
    Reply r(StartWords(draft_));
    r.drawn = true;
    return r;
}

Reply Session::EndSetup(bool use, int32_t moveLimit) {
    if (!editing_)
        return {};
    if (use && !IsPlayable(draft_))
        return Reply(StartWords(draft_));
    editing_ = false;
    selected_ = 0;
    if (use)
        return ChoosePuzzle(draft_, NameOf(draft_), moveLimit);
    Reply r{Said(Words::Clear)};
    r.drawn = r.controls = true;
    return r;
}

Reply Session::Start(int32_t moveLimit) {
    coached_.fill(false);
    puzzle_.ResetBoard(moveLimit);
    selected_ = 0;
    Reply r{Said(Words::Welcome)};
    r.board = r.controls = true;
    return r;
}

Reply Session::ChooseMode(Mode mode, bool pressed, int32_t moveLimit) {
    Reply r;
    r.controls = true;
    mode_ = kNoMode;
    controls_ = kModeControlsTable[kNoMode];
    if (!pressed || mode == kNoMode)
        return r;
    mode_ = mode;
    controls_ = kModeControlsTable[mode];
    r.list = true;
    switch (mode) {
    case kPlay:
        alone_ = false;
        // Play goes on from the position shown; later moves leave the list.
        puzzle_.CutList();
        r.said.words = Words::PlayEntered;
        break;
    case kReplay:
        puzzle_.ResetBoard(moveLimit); // moveNr 1, the list kept
        selected_ = 0;
        r.board = true;
        r.go = stepMode_ ? GoCaption::Step : GoCaption::Go;
        r.said.words = Words::ReplayEntered;
        break;
    default:
        puzzle_.ResetBoard(moveLimit);
        puzzle_.ClearMoves();
        coached_.fill(false);
        selected_ = 0;
        r.board = true;
        r.go = GoCaption::Go;
        r.said.words = Words::SearchEntered;
        break;
    }
    return r;
}

Reply Session::Reset(int32_t moveLimit) {
    Reply r;
    r.said.words = Words::Clear;
    // In replay the list stays; the reset puts moveNr back to 1.
    if (mode_ == kPlay || mode_ == kSearch) {
        puzzle_.ClearMoves();
        coached_.fill(false);
    }
    puzzle_.ResetBoard(moveLimit);
    selected_ = 0;
    r.board = r.list = true;
    return r;
}

int32_t Session::SetMoveLimit(int32_t position) {
    return puzzle_.SetMoveLimit(position);
}

// A move by hand or by the coach has been asked of the puzzle.
Reply Session::moved(const PlayOutcome& o, Words plain, bool byCoach) {
    Reply r;
    if (!o.made())
        return r;
    coached_[size_t(o.number)] = byCoach;
    r.list = true;
    r.said.words = o.result == PlayResult::Solved ? (alone_ ? Words::SolvedAlone : Words::SolutionReached)
                   : o.result == PlayResult::MovedListFull ? Words::MovedListFull
                                                           : plain;
    if (o.result != PlayResult::Solved)
        return r;
    r.celebrate = true;
    // Only a game from the start by the player alone can be a record.
    if (alone_ && records_.Offer(puzzle_.start(), o.number, today_())) {
        const int shortest = DistanceTable::Shared().Distance(puzzle_.start());
        r.record = Said(Words::NewRecord, o.number);
        r.record.second = shortest;
        r.recordsChanged = true;
    }
    return r;
}

Reply Session::Drag(int block, unsigned direction) {
    if (mode_ != kPlay || direction == 0)
        return {};
    // The puzzle decides: only an open step is made, and only while the
    // list has room; otherwise the block snaps back without a word.
    const bool fromStart = SameStart(puzzle_.blockTable(), puzzle_.start());
    const PlayOutcome o = puzzle_.PlayMove(block, direction);
    if (o.number == 1)
        alone_ = fromStart;
    return moved(o, Words::DragMoved);
}

Reply Session::Letter(char32_t c) {
    if ((mode_ != kPlay && !editing_) || !((c >= U'a' && c <= U'i') || c == U'x'))
        return {};
    const char upper = char(c - U'a' + 'A');
    for (int b = 1; b <= kBlocks; ++b)
        if (startTable[b].letter == upper) {
            selected_ = b;
            break;
        }
    return {};
}

Reply Session::Key(unsigned direction) {
    Reply r;
    if (editing_ && selected_ != 0 && IsDirection(direction)) {
        const int from = draft_[selected_].field;
        // A step off the board's side would wrap onto the next row.
        const bool edge =
            (direction == Left && from % kColumns == 0) ||
            (direction == Right && from % kColumns + shapeTable[draft_[selected_].shape].width >= kColumns);
        return edge ? Reply(Said(Words::NoRoom)) : Place(selected_, StepField(from, direction));
    }
    if (mode_ != kPlay || selected_ == 0)
        return r;
    if (direction == 0) {
        // A key that is no move still says whether a move could be made.
        r.said.words = puzzle_.ListFull() ? Words::ListFull : Words::KeyMoved;
        return r;
    }
    if (!(puzzle_.PossibleDirections(selected_) & direction))
        return r;
    const bool fromStart = SameStart(puzzle_.blockTable(), puzzle_.start());
    const PlayOutcome o = puzzle_.PlayMove(selected_, direction);
    if (o.result == PlayResult::ListFull) {
        r.said.words = Words::ListFull;
        return r;
    }
    if (o.number == 1)
        alone_ = fromStart;
    r = moved(o, Words::KeyMoved);
    // A key move says nothing of the list it fills; the next key will.
    if (o.result == PlayResult::MovedListFull)
        r.said.words = Words::KeyMoved;
    r.slide = {true, uint8_t(selected_), uint8_t(direction), o.fromField};
    return r;
}

Reply Session::Back() {
    if (mode_ != kPlay && mode_ != kReplay)
        return {};
    return stepBack();
}

Reply Session::stepBack() {
    Reply r;
    r.slide = puzzle_.TakeBack(mode_ == kPlay ? ListRule::Cut : ListRule::Keep);
    if (!r.slide.made)
        return r;
    r.list = true;
    if (puzzle_.moveNr() == 1)
        r.said.words = Words::Clear;
    else
        r.said = {Words::MoveNumber, puzzle_.moveNr() - 1};
    return r;
}

Reply Session::Hint() {
    Reply r;
    if (mode_ != kPlay)
        return r;
    if (puzzle_.GoalReached()) {
        r.said.words = Words::SolutionReached;
        return r;
    }
    if (puzzle_.ListFull()) {
        r.said.words = Words::ListFull;
        return r;
    }
    const DistanceTable& table = DistanceTable::Shared();
    const MoveRecord best = table.BestMove(puzzle_.blockTable());
    if (best.block == 0)
        return r; // a position the table does not know: no hint to give
    // A game the coach helped with ends without the congratulation.
    alone_ = false;
    if (hintBlock_ != 0 && hintBlock_ == selected_ && hintKey_ == puzzle_.boardKey()) {
        // The hint stands: the second press makes its move.
        hintBlock_ = 0;
        const PlayOutcome o = puzzle_.PlayMove(best.block, best.direction);
        r = moved(o, Words::ToGo, true);
        if (!o.made())
            return r;
        if (!puzzle_.GoalReached())
            r.said = {Words::ToGo, table.Distance(puzzle_.blockTable())};
        r.slide = {true, best.block, best.direction, o.fromField};
        return r;
    }
    selected_ = best.block;
    hintBlock_ = best.block;
    hintKey_ = puzzle_.boardKey();
    r.said = {Words::Hint, table.Distance(puzzle_.blockTable()), best.block, best.direction};
    return r;
}

bool Session::StartSolve() {
    if (mode_ != kPlay)
        return false;
    alone_ = false;
    hintBlock_ = 0;
    return true;
}

Reply Session::SolveStep() {
    Reply r;
    r.runEnds = true;
    if (puzzle_.GoalReached()) {
        r.said.words = Words::SolutionReached;
        return r;
    }
    const DistanceTable& table = DistanceTable::Shared();
    const MoveRecord best = table.BestMove(puzzle_.blockTable());
    if (best.block == 0)
        return r; // a position the table does not know: nothing to play
    const PlayOutcome o = puzzle_.PlayMove(best.block, best.direction);
    lastSolve_ = o.result;
    if (o.made())
        coached_[size_t(o.number)] = true;
    if (!o.made()) {
        if (o.result == PlayResult::ListFull)
            r.said.words = Words::MovedListFull;
        return r;
    }
    r.runEnds = false;
    r.list = true;
    r.said = {Words::Solving, table.Distance(puzzle_.blockTable())};
    r.slide = {true, best.block, best.direction, o.fromField};
    return r;
}

Reply Session::SolveSlid(bool stopRequested) {
    Reply r;
    r.runEnds = true;
    if (lastSolve_ == PlayResult::Solved)
        r.said.words = Words::SolutionReached;
    else if (lastSolve_ == PlayResult::MovedListFull)
        r.said.words = Words::MovedListFull;
    else if (stopRequested)
        r.said.words = Words::Pause;
    else
        r.runEnds = false;
    return r;
}

Reply Session::SolveStopped() {
    Reply r;
    r.runEnds = true;
    r.said.words = Words::Pause;
    return r;
}

Reply Session::ReplayStep() {
    Reply r;
    r.said = {Words::MoveNumber, puzzle_.moveNr()};
    r.slide = puzzle_.ReplayMove();
    // Past the end, or a move the board cannot make (a list recorded from
    // another position): either way the run ends here.
    if (!r.slide.made) {
        Reply end = ReplayEnded();
        if (end.said.words == Words::Keep)
            end.said = r.said;
        return end;
    }
    r.list = true;
    return r;
}

Reply Session::ReplayEnded() {
    Reply r;
    r.runEnds = true;
    if (puzzle_.moveNr() > puzzle_.lastMove())
        r.said.words = Words::EndOfList;
    return r;
}

Reply Session::Open(const DecodedMoves& file) {
    Reply r;
    if (file.status != RecordStatus::Ok) {
        r.said.words = file.status == RecordStatus::WrongFile ? Words::WrongFile : Words::ReadError;
        return r;
    }
    // A list belongs to its puzzle: a file of another one brings it along.
    const bool other = !SameStart(file.start, puzzle_.start());
    if (!LoadMoves(puzzle_, file)) {
        r.said.words = Words::ReadError;
        return r;
    }
    coached_.fill(false);
    if (other) {
        name_ = NameOf(file.start);
        selected_ = 0;
        r.board = true;
    }
    r.list = true;
    r.said.words = Words::Opened;
    // The stored name is Latin-1, behind the mark every moves file begins with.
    for (size_t i = kFileMark.size(); i < file.storedName.size(); ++i)
        AppendUtf8(r.said.name, static_cast<unsigned char>(file.storedName[i]));
    return r;
}

} // namespace trulp
