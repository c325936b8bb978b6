#include "session.h"

#include "distance.h"
#include "number.h"
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
    return StartSaid(CheckStart(start), start);
}

} // namespace

ControlSet Session::controls() const {
    if (editing_)
        return 0;
    ControlSet c = controls_;
    if (!DistanceTable::SharedBuilt())
        c &= ControlSet(~(Bit(Control::Hint) | Bit(Control::Solve)));
    if (replaying_ && !stepMode_)
        c &= ControlSet(~Bit(Control::Back));
    // GO stops a solve under way and lets a stopped one go on.
    if (mode_ == kPlay && (solvePaused_ || solving_))
        c |= Bit(Control::Go);
    return c;
}

Reply Session::answer(Reply r) const {
    r.view.mode = mode_;
    r.view.controls = controls();
    r.view.editing = editing_;
    r.view.selected = selected_;
    r.view.puzzleName = name_;
    r.view.toGo = toGo();
    r.view.moveLimit = puzzle_.maxMove();
    r.view.redo = (mode_ == kPlay && takenBackCount_ > 0) || !undone_.empty();
    return r;
}

Reply Session::CoachReady() const {
    return answer(Reply());
}

Reply Session::Whole() const {
    Reply r;
    r.board = r.list = r.newGame = true;
    return answer(r);
}

int Session::toGo() const {
    return DistanceTable::SharedBuilt() ? DistanceTable::Shared().Distance(boardShown()) : -1;
}

std::string Session::NameOf(const Block (&start)[kBlocks + 1]) {
    const PuzzleInfo* known = FindPuzzleByStart(start);
    return known ? known->name : "your own";
}

Reply Session::ChoosePuzzle(const Block (&start)[kBlocks + 1], const std::string& name, int32_t moveLimit) {
    solvePaused_ = false;
    takenBackCount_ = 0;
    const GameState before = capture();
    if (!puzzle_.ChoosePuzzle(start, moveLimit))
        return answer(Reply(StartWords(start)));
    name_ = name;
    selected_ = 0;
    hintBlock_ = 0;
    coached_.fill(false);
    Reply r = chooseMode(kPlay, true, moveLimit);
    r.board = r.newGame = true;
    r.said = Said(Words::PuzzleChosen, toGo(), 0, 0, name_);
    remember(before, r);
    return answer(r);
}

Reply Session::NextPuzzle(int32_t moveLimit) {
    const PuzzleInfo* next = NextUnsolved(records_, puzzle_.start());
    if (next == nullptr)
        return answer(Reply());
    return ChoosePuzzle(next->start, next->name, moveLimit);
}

Reply Session::BeginSetup() {
    std::copy(puzzle_.start(), puzzle_.start() + kBlocks + 1, draft_);
    editing_ = true;
    selected_ = 0;
    Reply r{Said(Words::SettingUp)};
    r.board = true;
    return answer(r);
}

Reply Session::Place(int block, int field) {
    Reply refused{Said(Words::NoRoom)};
    refused.board = true; // the block goes back where it stood
    if (!editing_ || block < 1 || block > kBlocks || field < 0 || field >= kFields)
        return answer(refused);
    const Block& b = draft_[block];
    const BlockShape& s = shapeTable[b.shape];
    uint32_t others = 0;
    for (int k = 1; k <= kBlocks; ++k)
        if (k != block)
            others |= shapeTable[draft_[k].shape].mask << draft_[k].field;
    if (!FitsOnBoard(b.shape, field) || (s.mask << field & others) != 0)
        return answer(refused);
    draft_[block].field = uint8_t(field);
    Reply r(StartWords(draft_));
    r.board = true;
    return answer(r);
}

Reply Session::EndSetup(bool use, int32_t moveLimit) {
    if (!editing_)
        return answer(Reply());
    if (use && !IsPlayable(draft_))
        return answer(Reply(StartWords(draft_)));
    editing_ = false;
    selected_ = 0;
    if (use)
        return answer(ChoosePuzzle(draft_, NameOf(draft_), moveLimit));
    Reply r{Said(Words::Clear)};
    r.board = true;
    return answer(r);
}

Reply Session::Start(int32_t moveLimit) {
    solvePaused_ = false;
    takenBackCount_ = 0;
    coached_.fill(false);
    puzzle_.ResetBoard(moveLimit);
    selected_ = 0;
    Reply r{Said(Words::Welcome)};
    r.board = r.newGame = true;
    return answer(r);
}

Reply Session::ChooseMode(Mode mode, bool pressed, int32_t moveLimit) {
    const GameState before = capture();
    Reply r = chooseMode(mode, pressed, moveLimit);
    remember(before, r);
    return answer(r);
}

Reply Session::chooseMode(Mode mode, bool pressed, int32_t moveLimit) {
    solvePaused_ = false;
    takenBackCount_ = 0;
    Reply r;
    mode_ = kNoMode;
    controls_ = kModeControlsTable[kNoMode];
    if (!pressed || mode == kNoMode)
        return answer(r);
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
        r.board = r.newGame = true;
        r.go = stepMode_ ? GoCaption::Step : GoCaption::Go;
        r.said.words = Words::ReplayEntered;
        break;
    default:
        puzzle_.ResetBoard(moveLimit);
        puzzle_.ClearMoves();
        coached_.fill(false);
        selected_ = 0;
        r.board = r.newGame = true;
        r.go = GoCaption::Go;
        r.said.words = Words::SearchEntered;
        break;
    }
    return answer(r);
}

Reply Session::Reset(int32_t moveLimit) {
    const GameState before = capture();
    solvePaused_ = false;
    takenBackCount_ = 0;
    Reply r;
    r.said.words = Words::Clear;
    // In replay the list stays; the reset puts moveNr back to 1.
    if (mode_ == kPlay || mode_ == kSearch) {
        puzzle_.ClearMoves();
        coached_.fill(false);
    }
    puzzle_.ResetBoard(moveLimit);
    selected_ = 0;
    r.board = r.newGame = r.list = true;
    remember(before, r);
    return answer(r);
}

Reply Session::SetMoveLimit(int32_t position) {
    puzzle_.SetMoveLimit(position);
    return answer(Reply(Said(Words::Clear)));
}

// A move by hand or by the coach has been asked of the puzzle.
Reply Session::moved(const PlayOutcome& o, Words plain, bool byCoach) {
    Reply r;
    if (!o.made())
        return r;
    // A new move; Redo makes a taken-back one and keeps the rest.
    if (!redoing_) {
        takenBackCount_ = 0;
        undone_.clear();
    }
    solvePaused_ = false;
    coached_[size_t(o.number)] = byCoach;
    r.list = true;
    r.said.words = o.result == PlayResult::Solved ? (alone_ ? Words::SolvedAlone : Words::SolutionReached)
                   : o.result == PlayResult::MovedListFull ? Words::MovedListFull
                                                           : plain;
    if (o.result != PlayResult::Solved)
        return r;
    r.celebrate = true;
    // The game leads on: the next puzzle without a record, one key away.
    if (const PuzzleInfo* next = NextUnsolved(records_, puzzle_.start()))
        r.record = Said(Words::NextOffered, 0, 0, 0, next->name);
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
        return answer(Reply());
    // The puzzle decides: only an open step is made, and only while the
    // list has room; otherwise the block snaps back without a word.
    const bool fromStart = SameStart(puzzle_.blockTable(), puzzle_.start());
    const PlayOutcome o = puzzle_.PlayMove(block, direction);
    if (o.number == 1)
        alone_ = fromStart;
    return answer(moved(o, Words::DragMoved));
}

Reply Session::Letter(char32_t c) {
    if ((mode_ != kPlay && !editing_) || !((c >= U'a' && c <= U'i') || c == U'x'))
        return answer(Reply());
    const char upper = char(c - U'a' + 'A');
    for (int b = 1; b <= kBlocks; ++b)
        if (startTable[b].letter == upper) {
            selected_ = b;
            break;
        }
    return answer(Reply());
}

Reply Session::Key(unsigned direction) {
    Reply r;
    if (editing_ && selected_ != 0 && IsDirection(direction)) {
        const int from = draft_[selected_].field;
        // A step off the board's side would wrap onto the next row.
        const bool edge =
            (direction == Left && from % kColumns == 0) ||
            (direction == Right && from % kColumns + shapeTable[draft_[selected_].shape].width >= kColumns);
        return answer(edge ? Reply(Said(Words::NoRoom)) : Place(selected_, StepField(from, direction)));
    }
    if (mode_ != kPlay || selected_ == 0)
        return answer(r);
    if (direction == 0) {
        // A key that is no move still says whether a move could be made.
        r.said.words = puzzle_.ListFull() ? Words::ListFull : Words::KeyMoved;
        return answer(r);
    }
    if (!(puzzle_.PossibleDirections(selected_) & direction))
        return answer(r);
    const bool fromStart = SameStart(puzzle_.blockTable(), puzzle_.start());
    const PlayOutcome o = puzzle_.PlayMove(selected_, direction);
    if (o.result == PlayResult::ListFull) {
        r.said.words = Words::ListFull;
        return answer(r);
    }
    if (o.number == 1)
        alone_ = fromStart;
    r = moved(o, Words::KeyMoved);
    // A key move says nothing of the list it fills; the next key will.
    if (o.result == PlayResult::MovedListFull)
        r.said.words = Words::KeyMoved;
    r.slide = {true, uint8_t(selected_), uint8_t(direction), o.fromField};
    return answer(r);
}

Reply Session::Back() {
    if (mode_ != kPlay && mode_ != kReplay)
        return answer(Reply());
    return answer(stepBack());
}

Reply Session::stepBack() {
    Reply r;
    solvePaused_ = false;
    const int last = puzzle_.moveNr() - 1;
    const MoveRecord move = last >= 1 && last <= kMaxMoves ? puzzle_.movesList()[last] : MoveRecord{};
    const bool wasCoached = coached(last);
    r.slide = puzzle_.TakeBack(mode_ == kPlay ? ListRule::Cut : ListRule::Keep);
    if (!r.slide.made)
        return r;
    if (mode_ == kPlay) {
        coached_[size_t(last)] = false;
        if (takenBackCount_ < kMaxMoves)
            takenBack_[size_t(takenBackCount_++)] = {move.block, move.direction, wasCoached};
    }
    r.list = true;
    if (puzzle_.moveNr() == 1)
        r.said.words = Words::Clear;
    else
        r.said = {Words::MoveNumber, puzzle_.moveNr() - 1};
    return r;
}

Reply Session::Redo() {
    if (!undone_.empty() && (mode_ != kPlay || takenBackCount_ == 0) &&
        capture().sameGame(undone_.back().before)) {
        const Action action = undone_.back();
        undone_.pop_back();
        restore(action.after, puzzle_.maxMove());
        actions_.push_back(action);
        Reply r{Said(Words::Clear)};
        r.board = r.list = r.newGame = true;
        return answer(r);
    }
    if (mode_ != kPlay || takenBackCount_ == 0)
        return answer(Reply());
    const TakenBack m = takenBack_[size_t(takenBackCount_ - 1)];
    const bool fromStart = SameStart(puzzle_.blockTable(), puzzle_.start());
    const PlayOutcome o = puzzle_.PlayMove(m.block, m.direction);
    if (!o.made())
        return answer(Reply(Said(o.result == PlayResult::ListFull ? Words::ListFull : Words::Keep)));
    --takenBackCount_;
    // It counts as it counted the first time.
    if (o.number == 1)
        alone_ = fromStart && !m.coached;
    else if (m.coached)
        alone_ = false;
    redoing_ = true;
    Reply r = moved(o, Words::KeyMoved, m.coached);
    redoing_ = false;
    r.slide = {true, m.block, m.direction, o.fromField};
    return answer(r);
}

Reply Session::Hint() {
    Reply r;
    if (mode_ != kPlay)
        return answer(r);
    if (puzzle_.GoalReached()) {
        r.said.words = Words::SolutionReached;
        return answer(r);
    }
    if (puzzle_.ListFull()) {
        r.said.words = Words::ListFull;
        return answer(r);
    }
    const DistanceTable& table = DistanceTable::Shared();
    const MoveRecord best = table.BestMove(puzzle_.blockTable());
    if (best.block == 0)
        return answer(r); // a position the table does not know: no hint to give
    // A game the coach helped with ends without the congratulation.
    alone_ = false;
    if (hintBlock_ != 0 && hintBlock_ == selected_ && hintKey_ == puzzle_.boardKey()) {
        // The hint stands: the second press makes its move.
        hintBlock_ = 0;
        const PlayOutcome o = puzzle_.PlayMove(best.block, best.direction);
        r = moved(o, Words::ToGo, true);
        if (!o.made())
            return answer(r);
        if (!puzzle_.GoalReached())
            r.said = {Words::ToGo, table.Distance(puzzle_.blockTable())};
        r.slide = {true, best.block, best.direction, o.fromField};
        return answer(r);
    }
    selected_ = best.block;
    hintBlock_ = best.block;
    hintKey_ = puzzle_.boardKey();
    r.said = {Words::Hint, table.Distance(puzzle_.blockTable()), best.block, best.direction};
    return answer(r);
}

bool Session::StartSolve() {
    solvePaused_ = false;
    if (mode_ != kPlay)
        return false;
    solving_ = true;
    alone_ = false;
    hintBlock_ = 0;
    return true;
}

Reply Session::SolveStep() {
    Reply r;
    r.runEnds = true;
    solving_ = false; // until a move is made
    if (puzzle_.GoalReached()) {
        r.said.words = Words::SolutionReached;
        return answer(r);
    }
    const DistanceTable& table = DistanceTable::Shared();
    const MoveRecord best = table.BestMove(puzzle_.blockTable());
    if (best.block == 0)
        return answer(r); // a position the table does not know: nothing to play
    const PlayOutcome o = puzzle_.PlayMove(best.block, best.direction);
    lastSolve_ = o.result;
    if (o.made())
        takenBackCount_ = 0;
    if (o.made())
        coached_[size_t(o.number)] = true;
    if (!o.made()) {
        if (o.result == PlayResult::ListFull)
            r.said.words = Words::MovedListFull;
        return answer(r);
    }
    solving_ = true;
    r.runEnds = false;
    r.list = true;
    r.said = {Words::Solving, table.Distance(puzzle_.blockTable())};
    r.slide = {true, best.block, best.direction, o.fromField};
    return answer(r);
}

Reply Session::SolveSlid(bool stopRequested) {
    Reply r;
    r.runEnds = true;
    if (lastSolve_ == PlayResult::Solved)
        r.said.words = Words::SolutionReached;
    else if (lastSolve_ == PlayResult::MovedListFull)
        r.said.words = Words::MovedListFull;
    else if (stopRequested)
        r.said.words = Words::SolvePaused;
    else
        r.runEnds = false;
    solvePaused_ = r.said.words == Words::SolvePaused;
    solving_ = !r.runEnds;
    return answer(r);
}

Reply Session::SolveStopped() {
    Reply r;
    r.runEnds = true;
    r.said.words = Words::SolvePaused;
    solvePaused_ = true;
    solving_ = false;
    return answer(r);
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
        return answer(end);
    }
    r.list = true;
    return answer(r);
}

Reply Session::ReplayStarted() {
    replaying_ = true;
    Reply r;
    r.go = stepMode_ ? GoCaption::Step : GoCaption::Stop;
    return answer(r);
}

Reply Session::ReplayEnded() {
    replaying_ = false;
    Reply r;
    r.runEnds = true;
    r.go = stepMode_ ? GoCaption::Step : GoCaption::Go;
    if (puzzle_.moveNr() > puzzle_.lastMove())
        r.said.words = Words::EndOfList;
    return answer(r);
}

bool Session::GameState::sameGame(const GameState& o) const {
    return sameList(o) && mode == o.mode && moveNr == o.moveNr;
}

bool Session::GameState::sameList(const GameState& o) const {
    if (!SameStart(start, o.start) || lastMove != o.lastMove)
        return false;
    for (int i = 1; i <= lastMove; ++i)
        if (list[size_t(i)].block != o.list[size_t(i)].block ||
            list[size_t(i)].direction != o.list[size_t(i)].direction)
            return false;
    return true;
}

Session::GameState Session::capture() const {
    GameState g;
    std::copy(puzzle_.start(), puzzle_.start() + kBlocks + 1, g.start);
    g.name = name_;
    g.mode = mode_;
    std::copy(puzzle_.movesList(), puzzle_.movesList() + kMaxMoves + 1, g.list.begin());
    g.lastMove = puzzle_.lastMove();
    g.moveNr = puzzle_.moveNr();
    g.coached = coached_;
    g.alone = alone_;
    return g;
}

bool Session::restore(const GameState& g, int32_t moveLimit) {
    if (!puzzle_.ChoosePuzzle(g.start, moveLimit) || !puzzle_.LoadMoves(g.list.data(), g.lastMove))
        return false;
    for (int i = 1; i < g.moveNr; ++i)
        if (!puzzle_.ReplayMove().made)
            break;
    name_ = g.name;
    mode_ = g.mode;
    controls_ = kModeControlsTable[mode_];
    coached_ = g.coached;
    alone_ = g.alone;
    selected_ = 0;
    hintBlock_ = 0;
    takenBackCount_ = 0;
    solvePaused_ = solving_ = false;
    return true;
}

void Session::remember(const GameState& before, Reply& r) {
    if (before.lastMove == 0)
        return;
    const GameState after = capture();
    // Moves gone from the list, or the list replaced.
    if (!after.sameList(before)) {
        actions_.push_back({before, after});
        if (actions_.size() > kRememberedActions)
            actions_.erase(actions_.begin());
        undone_.clear();
        r.record = Said(Words::MovesCleared);
    }
}

Reply Session::Undo() {
    if (!actions_.empty() && capture().sameGame(actions_.back().after)) {
        const Action action = actions_.back();
        actions_.pop_back();
        restore(action.before, puzzle_.maxMove());
        undone_.push_back(action);
        Reply r{Said(Words::MoveNumber, puzzle_.moveNr() - 1)};
        if (puzzle_.moveNr() == 1)
            r.said = Said(Words::Clear);
        r.board = r.list = r.newGame = true;
        return answer(r);
    }
    return Back();
}

std::string Session::GameText() const {
    // "TRULP game 1", then one line each: start, name, mode, where the
    // pointer stands, and the moves as letter and direction, a coach's
    // marked with a star.
    std::string text = "TRULP game 1\n" + FormatStart(puzzle_.start()) + "\n" + name_ + "\n" +
                       std::to_string(int(mode_)) + "\n" + std::to_string(puzzle_.moveNr()) + "\n" +
                       (alone_ ? "alone" : "helped") + "\n";
    for (int i = 1; i <= puzzle_.lastMove(); ++i) {
        const MoveRecord& m = puzzle_.movesList()[i];
        text += startTable[m.block].letter;
        text += DirectionLetters[m.direction];
        if (coached_[size_t(i)])
            text += '*';
        text += i == puzzle_.lastMove() ? "" : " ";
    }
    return text + "\n";
}

bool Session::Resume(std::string_view text, int32_t moveLimit) {
    std::vector<std::string_view> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            return false;
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (lines.size() != 7 || lines[0] != "TRULP game 1")
        return false;
    const ParsedStart start = ParseStart(lines[1]);
    long long mode = 0, at = 0;
    if (!start.ok || !ParseWholeNumber(lines[3], kNoMode, mode) ||
        !ParseWholeNumber(lines[4], kMaxMoves + 1, at) || (lines[5] != "alone" && lines[5] != "helped"))
        return false;
    GameState g;
    std::copy(start.start, start.start + kBlocks + 1, g.start);
    g.name = std::string(lines[2]);
    g.mode = Mode(mode);
    g.alone = lines[5] == "alone";
    int count = 0;
    for (size_t i = 0; i < lines[6].size();) {
        const std::string_view rest = lines[6].substr(i);
        if (rest.size() < 2 || count == kMaxMoves)
            return false;
        int block = 0;
        for (int b = 1; b <= kBlocks; ++b)
            if (startTable[b].letter == rest[0])
                block = b;
        unsigned direction = 0;
        for (unsigned d : {unsigned(Right), unsigned(Up), unsigned(Left), unsigned(Down)})
            if (DirectionLetters[d] == rest[1])
                direction = d;
        if (block == 0 || direction == 0)
            return false;
        g.list[size_t(++count)] = {uint8_t(block), uint8_t(direction), 0};
        i += 2;
        if (i < lines[6].size() && lines[6][i] == '*') {
            g.coached[size_t(count)] = true;
            ++i;
        }
        if (i < lines[6].size() && lines[6][i++] != ' ')
            return false;
    }
    g.lastMove = count;
    g.moveNr = int32_t(at);
    if (g.moveNr < 1 || g.moveNr > count + 1)
        return false;
    // A list the board cannot replay is no game of this puzzle.
    const GameState now = capture();
    if (!restore(g, moveLimit) || puzzle_.moveNr() != g.moveNr) {
        restore(now, moveLimit);
        return false;
    }
    actions_.clear();
    undone_.clear();
    return true;
}

Reply Session::SearchSlice(int32_t budget) {
    searchResult_ = puzzle_.SearchStep(budget);
    Reply r;
    r.go = GoCaption::Stop;
    r.list = r.board = true;
    return answer(r);
}

Reply Session::SearchWaited(bool stopRequested) {
    Reply r;
    switch (searchResult_) {
    case kBudgetSpent:
        r.runEnds = stopRequested;
        r.said =
            stopRequested ? Said(Words::Pause) : Said(Words::Searching, int(puzzle_.counters().trialMoves));
        break;
    case kSolved:
        r.runEnds = true;
        r.said.words = Words::SearchSolved;
        break;
    default:
        r.runEnds = true;
        r.said.words = Words::NoSolution;
        break;
    }
    return answer(r);
}

Reply Session::SearchEnded(uint32_t seconds) {
    puzzle_.EndSearchRun(seconds);
    Reply r;
    r.go = GoCaption::Go;
    return answer(r);
}

Reply Session::Saved(const std::string& name) {
    return answer(Reply(Said(Words::Saved, 0, 0, 0, name)));
}

Reply Session::Printed(const std::string& file) {
    return answer(Reply(Said(Words::Printed, 0, 0, 0, file)));
}

Reply Session::Open(const DecodedMoves& file) {
    Reply r;
    if (file.status != RecordStatus::Ok) {
        r.said.words = file.status == RecordStatus::WrongFile ? Words::WrongFile : Words::ReadError;
        return answer(r);
    }
    // A list belongs to its puzzle: a file of another one brings it along.
    const GameState before = capture();
    const LoadedMoves loaded = LoadMoves(puzzle_, file);
    if (!loaded) {
        r.said.words = Words::ReadError;
        return answer(r);
    }
    coached_.fill(false);
    takenBackCount_ = 0;
    if (loaded.otherPuzzle) {
        name_ = NameOf(file.start);
        selected_ = 0;
        r.board = r.newGame = true;
    }
    r.list = true;
    remember(before, r);
    r.said.words = Words::Opened;
    // The stored name is Latin-1, behind the mark every moves file begins with.
    for (size_t i = kFileMark.size(); i < file.storedName.size(); ++i)
        AppendUtf8(r.said.name, static_cast<unsigned char>(file.storedName[i]));
    return answer(r);
}

} // namespace trulp
