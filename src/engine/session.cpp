#include "session.h"

#include "optimal.h"
#include "puzzles.h"
#include "start.h"

#include <algorithm>
#include <cstdlib>

namespace trulp {

namespace {

// A drag of more than half a field moves the piece; past a field and a half
// it has made its move and goes on from there. A press counts a few
// hundredths in from a piece's edge.
constexpr int kDragCommit = 50;
constexpr int kDragLimit = 100;
constexpr int kDragOn = 150;
constexpr int kHitMargin = 5;

unsigned DirectionOfKey(KeyName k) {
    switch (k) {
    case KeyName::Left:
        return Left;
    case KeyName::Right:
        return Right;
    case KeyName::Up:
        return Up;
    case KeyName::Down:
        return Down;
    default:
        return 0;
    }
}

// The direction an offset points, when it passes `beyond` along one axis.
unsigned DirectionOf(int dx, int dy, int beyond) {
    return dx > beyond ? Right : dx < -beyond ? Left : dy > beyond ? Down : dy < -beyond ? Up : 0;
}

bool IsGoKey(KeyName k) {
    return k == KeyName::Space || k == KeyName::Return;
}

} // namespace

Session::Session(Puzzle& puzzle, std::function<int64_t()> clock)
    : puzzle_(puzzle), clock_(std::move(clock)), name_(NameOf(puzzle.def())) {
    if (!clock_)
        clock_ = [] { return int64_t(0); };
}

std::string Session::NameOf(const PuzzleDef& def) {
    if (const PuzzleInfo* known = FindPuzzleByStart(def))
        return known->name();
    return def.tenBlock() || def.name().empty() ? "your own" : def.name();
}

// --- what the game shows -----------------------------------------------------

int Session::distance(const Board& b) const {
    if (!table_)
        return -1;
    const DistanceTable::Reach r = table_->Find(b);
    return r.known ? r.moves : -1;
}

int Session::pieceDistance(const Board& b) const {
    if (!table_)
        return -1;
    const DistanceTable::Reach r = table_->Find(b);
    return r.known ? r.pieceMoves : -1;
}

int Session::piecesMade() const {
    return PieceMoves(puzzle_.movesList(), puzzle_.moveNr() - 1);
}

Said Session::startSaid(const PuzzleDef& def) const {
    return StartSaid(CheckStart(def), def, distance(Board(def)));
}

bool Session::clockRuns() const {
    return mode_ == kPlay && visible_ && !editing_ && run_ != RunOrder::StartSolve && puzzle_.moveNr() > 1 &&
           !puzzle_.GoalReached();
}

void Session::tick() {
    const int64_t now = clock_();
    if (since_ >= 0)
        playedMs_ += std::max<int64_t>(0, now - since_);
    since_ = clockRuns() ? now : -1;
}

int64_t Session::playedMs() const {
    return playedMs_ + (since_ >= 0 ? std::max<int64_t>(0, clock_() - since_) : 0);
}

ChartShown Session::chart() const {
    ChartShown c;
    const MovesList& list = puzzle_.movesList();
    Board b(puzzle_.def());
    c.coached.push_back(false);
    const auto add = [&] {
        const int d = distance(b);
        if (d < 0)
            return false;
        c.distances.push_back(d);
        c.pieceDistances.push_back(pieceDistance(b));
        return true;
    };
    if (add())
        for (int n = 1; n <= puzzle_.lastMove(); ++n) {
            const MoveRecord& m = list[n];
            if (m.block < 1 || m.block > b.def().pieceCount() ||
                !(b.PossibleDirections(m.block) & m.direction))
                break;
            b.ApplyStep(m.block, m.direction);
            if (!add())
                break;
            c.coached.push_back(coached(n));
        }
    c.moves = puzzle_.lastMove();
    c.mark = std::clamp(puzzle_.moveNr() - 1, 0, c.moves);
    c.shortest = c.distances.empty() ? 0 : c.distances.front();
    c.toGo = distance(puzzle_.board());
    if (const Record* best = records_.Find(puzzle_.def()))
        c.record = best->moves;
    return c;
}

GameShown Session::gameShown() const {
    GameShown g;
    g.moves = puzzle_.moveNr() - 1;
    g.pieceMoves = piecesMade();
    for (int n = 1; n <= g.moves; ++n)
        g.coached += coached(n) ? 1 : 0;
    g.playedMs = playedMs();
    g.toGo = distance(puzzle_.board());
    g.toGoPieces = pieceDistance(puzzle_.board());
    const Board start(puzzle_.def());
    g.shortest = distance(start);
    g.shortestPieces = pieceDistance(start);
    if (const Record* best = records_.Find(puzzle_.def())) {
        g.bestMoves = best->moves;
        g.bestPieceMoves = best->pieceMoves;
    }
    return g;
}

Reply Session::answer(Reply r) {
    tick();
    if (r.said.words != Words::Keep && r.said.words != Words::PuzzleNamed)
        announce_ = false;
    View& v = r.view;
    v.mode = mode_;
    v.editing = editing_;
    v.stepMode = stepMode_;
    v.go = go_;
    v.puzzleName = name_;
    v.goalLetters.clear();
    for (uint8_t piece : puzzle_.def().goalPieces())
        v.goalLetters += puzzle_.def().piece(piece).letter;
    v.toGo = distance(boardShown());
    v.toGoPieces = pieceDistance(boardShown());
    v.coach = !table_ ? CoachState::Waiting : table_->known() ? CoachState::Ready : CoachState::TooLarge;
    v.moveLimit = puzzle_.maxMove();
    v.moveLimitCeiling = MoveLimitCeiling(puzzle_.def());
    v.moves = puzzle_.moveNr() - 1;
    v.pieceMoves = piecesMade();

    auto& e = v.enabled;
    const auto on = [&e](Act a, bool yes = true) { e.set(size_t(a), yes); };
    if (editing_) {
        on(Act::SetupDone);
        on(Act::SetupCancel);
        on(Act::Chart);
    } else {
        for (Act a : {Act::Play, Act::Replay, Act::Search, Act::Reset, Act::Help, Act::Open, Act::Save,
                      Act::Print, Act::PrinterSetup, Act::Chart, Act::Puzzles, Act::Copy, Act::Paste})
            on(a);
        const bool coachKnows = v.coach == CoachState::Ready && v.toGo > 0;
        switch (mode_) {
        case kPlay:
            on(Act::MoveLimit);
            on(Act::Back);
            on(Act::Statistics);
            on(Act::Hint, coachKnows);
            on(Act::Solve, coachKnows);
            // GO stops a solve under way and lets a stopped one go on.
            on(Act::Go, solvePaused_ || run_ == RunOrder::StartSolve);
            break;
        case kReplay:
            on(Act::Back, run_ != RunOrder::StartReplay || stepMode_);
            on(Act::Go);
            on(Act::Step);
            break;
        case kSearch:
            on(Act::MoveLimit);
            on(Act::Go);
            on(Act::Statistics);
            on(Act::Step);
            break;
        default:
            // Before any mode was chosen, everything but the coach.
            if (!modeChosen_)
                for (Act a : {Act::MoveLimit, Act::Back, Act::Go, Act::Statistics, Act::Step})
                    on(a);
            break;
        }
        const GameState now = capture();
        on(Act::Undo, (!actions_.empty() && mode_ != kNoMode) || (mode_ == kPlay && puzzle_.moveNr() > 1) ||
                          (!actions_.empty() && now.sameGame(actions_.back().after)));
        on(Act::Redo, (mode_ == kPlay && !takenBack_.empty()) ||
                          (!undone_.empty() && now.sameGame(undone_.back().before)));
        on(Act::NextPuzzle, NextUnsolved(records_, puzzle_.def()) != nullptr);
    }

    BoardShown& b = r.shownBoard;
    const Board& shown = boardShown();
    b.def = editing_ ? draftDef_ : puzzle_.sharedDef();
    for (int p = 1; p <= shown.def().pieceCount(); ++p)
        b.anchors[size_t(p)] = uint8_t(shown.anchor(p));
    b.ring = selected_;
    b.editing = editing_;
    if (dragging_) {
        b.floating = drag_.piece;
        b.dx = drag_.dx;
        b.dy = drag_.dy;
    }
    if (r.list || r.board || r.newGame) {
        r.list = true;
        ListShown& l = r.shownList;
        l.moveNr = puzzle_.moveNr();
        for (int i = 1; i <= puzzle_.lastMove(); ++i) {
            const MoveRecord& m = puzzle_.movesList()[i];
            const int p = m.block;
            l.moves.push_back(
                {p >= 1 && p <= puzzle_.def().pieceCount() ? puzzle_.def().piece(p).letter : '?', m.direction,
                 coached(i)});
        }
        r.chart = chart();
    }
    return r;
}

Reply Session::Whole() {
    Reply r;
    r.board = r.list = true;
    return answer(r);
}

// --- the one way in ----------------------------------------------------------

Reply Session::refused(Words why) {
    Reply r;
    // Said once per run; the run's own words go on in the message line.
    if (!refusalSaid_) {
        r.aside = Said(why);
        refusalSaid_ = true;
    }
    return answer(r);
}

Reply Session::Input(const ::trulp::Input& in) {
    switch (in.act) {
    case Act::Key:
        return key(in);
    case Act::Press:
        return press(in.x, in.y);
    case Act::Drag:
        return drag(in.x, in.y);
    case Act::Release:
        return release();
    case Act::Hover:
        return hover(in.x, in.y);
    case Act::SlideEnded:
        sliding_ = false;
        return answer(Reply());
    case Act::Shown:
        visible_ = in.on;
        return answer(Reply());
    case Act::Chart:
        // The chart opens beside the game whatever goes on.
        return [&] {
            Reply r;
            r.dialog = Dialog::Chart;
            r.list = true;
            return answer(r);
        }();
    default:
        return act(in);
    }
}

Reply Session::act(const ::trulp::Input& in) {
    const Act a = in.act;
    // GO during a run asks it to stop; nothing else may change a run.
    if (a == Act::Go)
        return go();
    if (a == Act::Step) {
        stepMode_ = in.on;
        return answer(Reply());
    }
    if (run_ != RunOrder::None) {
        switch (run_) {
        case RunOrder::StartSearch:
            return refused(Words::BusySearching);
        case RunOrder::StartReplay:
            return refused(Words::BusyReplaying);
        default:
            return refused(Words::BusySolving);
        }
    }
    // A slide under way: the action comes again when it has ended.
    if (sliding_) {
        Reply r;
        r.wait = true;
        return answer(r);
    }
    if (editing_) {
        if (a == Act::SetupDone || a == Act::SetupCancel)
            return endSetup(a == Act::SetupDone);
        return answer(Reply());
    }
    switch (a) {
    case Act::Play:
        return chooseMode(kPlay, in.on);
    case Act::Replay:
        return chooseMode(kReplay, in.on);
    case Act::Search:
        return chooseMode(kSearch, in.on);
    case Act::Reset:
        return reset();
    case Act::Back:
        return back();
    case Act::Hint:
        return hint();
    case Act::Solve:
        return solve();
    case Act::Undo:
        return undo();
    case Act::Redo:
        return redo();
    case Act::MoveLimit: {
        puzzle_.SetMoveLimit(in.value);
        if (puzzle_.def().tenBlock())
            tenBlockLimit_ = puzzle_.maxMove();
        return answer(Reply(Said(Words::Clear)));
    }
    case Act::NextPuzzle: {
        const PuzzleInfo* next = NextUnsolved(records_, puzzle_.def());
        return next ? ChoosePuzzle(next->def, next->name()) : answer(Reply());
    }
    default:
        break;
    }
    Reply r;
    const bool enabled = answer(Reply()).view.enabled.test(size_t(a));
    if (!enabled)
        return answer(r);
    switch (a) {
    case Act::Statistics:
        if (mode_ == kPlay) {
            r.dialog = Dialog::GameStatistics;
            r.game = gameShown();
        } else {
            r.dialog = Dialog::Statistics;
        }
        break;
    case Act::Help:
        r.dialog = Dialog::Help;
        break;
    case Act::Open:
        r.dialog = Dialog::Open;
        break;
    case Act::Save:
        r.dialog = Dialog::Save;
        break;
    case Act::Print:
        r.dialog = Dialog::Print;
        break;
    case Act::PrinterSetup:
        r.dialog = Dialog::PrinterSetup;
        break;
    case Act::Puzzles:
        r.dialog = Dialog::Puzzles;
        break;
    case Act::Paste:
        r.dialog = Dialog::Paste;
        break;
    case Act::Copy:
        r.dialog = Dialog::Copy;
        r.said = Said(Words::Copied, 0, 0, 0, name_);
        break;
    default:
        break;
    }
    return answer(r);
}

Reply Session::key(const ::trulp::Input& in) {
    if (editing_)
        return setupKey(in);
    // Space and Return are GO in every mode.
    if (IsGoKey(in.key))
        return go();
    if (run_ != RunOrder::None)
        return answer(Reply()); // a run's slides take no keys
    // A drag in progress owns the board until it is released.
    if (dragging_)
        return answer(Reply());
    if (sliding_) {
        // Kept for the end of the slide; a held key's repeats are not.
        Reply r;
        r.wait = !in.autoRepeat;
        return answer(r);
    }
    if (in.key == KeyName::Backspace) {
        if (mode_ == kPlay)
            selected_ = 0;
        return back();
    }
    if (mode_ == kPlay) {
        // A key that is no move still says whether a move could be made;
        // the character it types may select another piece.
        Reply r = moveSelected(DirectionOfKey(in.key));
        if (r.slide.made || in.text == 0)
            return r;
        Reply letter = selectLetter(in.text);
        letter.said = r.said;
        return letter;
    }
    return in.text != 0 ? selectLetter(in.text) : answer(Reply());
}

Reply Session::setupKey(const ::trulp::Input& in) {
    if (dragging_)
        return answer(Reply());
    // Return plays the position, Escape gives it up.
    if (in.key == KeyName::Return || in.key == KeyName::Escape)
        return endSetup(in.key == KeyName::Return);
    const unsigned d = DirectionOfKey(in.key);
    if (d != 0) {
        if (selected_ == 0)
            return answer(Reply());
        const int from = draft_.anchor(selected_);
        const PieceDef& piece = draftDef_->piece(selected_);
        const ShapeDef& shape = draftDef_->shape(piece.shape);
        const int columns = draftDef_->columns();
        // A step off the board's side would wrap onto the next row.
        const bool edge =
            (d == Left && from % columns == 0) || (d == Right && from % columns + shape.width >= columns) ||
            (d == Up && from < columns) || (d == Down && from / columns + shape.height >= draftDef_->rows());
        return edge ? answer(Reply(Said(Words::NoRoom))) : place(selected_, draftDef_->StepField(from, d));
    }
    if (in.text != 0)
        return selectLetter(in.text);
    return answer(Reply());
}

Reply Session::selectLetter(char32_t c) {
    if (mode_ != kPlay && !editing_)
        return answer(Reply());
    // Lower-case letters select, as the keys are labelled.
    if (c < U'a' || c > U'z')
        return answer(Reply());
    const int piece = boardShown().def().pieceOf(char(c - U'a' + 'A'));
    if (piece != 0)
        selected_ = piece;
    Reply r;
    r.board = piece != 0;
    return answer(r);
}

Reply Session::moveSelected(unsigned direction) {
    Reply r;
    if (selected_ == 0)
        return answer(r);
    if (direction == 0) {
        // A key that is no move still says whether a move could be made.
        r.said.words = puzzle_.ListFull() ? Words::ListFull : Words::KeyMoved;
        return answer(r);
    }
    if (!(puzzle_.PossibleDirections(selected_) & direction))
        return answer(r);
    return playMove(selected_, direction, true);
}

// A move by hand, by key (sliding) or by drag.
Reply Session::playMove(int piece, unsigned direction, bool byKey) {
    const PlayOutcome o = puzzle_.PlayMove(piece, direction);
    if (o.result == PlayResult::ListFull) {
        Reply r;
        if (byKey)
            r.said.words = Words::ListFull;
        return answer(r);
    }
    if (!o.made())
        return answer(Reply());
    Reply r = moved(o, byKey ? Words::KeyMoved : Words::DragMoved);
    // A key move says nothing of the list it fills; the next key will.
    if (byKey && o.result == PlayResult::MovedListFull)
        r.said.words = Words::KeyMoved;
    if (byKey) {
        r.slide = {true, uint8_t(piece), uint8_t(direction), o.fromField};
        sliding_ = true;
    }
    return answer(r);
}

// A move by hand or by the coach has been made by the puzzle.
Reply Session::moved(const PlayOutcome& o, Words plain, bool byCoach) {
    Reply r;
    if (!redoing_) {
        takenBack_.clear();
        undone_.clear();
    }
    solvePaused_ = false;
    celebrated_ = false;
    hintBlock_ = 0;
    coached_[size_t(o.number)] = byCoach;
    // The game is the player's own from its first move on; the coach's
    // help makes it a helped one.
    if (o.number == 1) {
        alone_ = !byCoach;
        helped_ = byCoach;
    } else if (byCoach) {
        coachHelps();
    }
    r.list = r.board = true;
    r.gameChanged = true;
    r.said.words = o.result == PlayResult::Solved ? (alone_ ? Words::SolvedAlone : Words::SolutionReached)
                   : o.result == PlayResult::MovedListFull ? Words::MovedListFull
                                                           : plain;
    if (o.result != PlayResult::Solved)
        return r;
    tick(); // the time stops at the goal
    r.celebrate = true;
    celebrated_ = true;
    // The game leads on: the next puzzle without a record, one key away.
    if (const PuzzleInfo* next = NextUnsolved(records_, puzzle_.def()))
        r.aside = Said(Words::NextOffered, 0, 0, 0, next->name());
    // A game of one's own counts as solved; by the player alone it may be a record.
    if (alone_ || helped_) {
        lastSolve_ = {Records::KeyOf(puzzle_.def()),  o.number, piecesMade(),
                      int((playedMs() + 999) / 1000), !alone_,  today_()};
        const Bests bests = records_.Add(lastSolve_);
        r.recordsChanged = true;
        if (bests.moves) {
            const int shortest = distance(Board(puzzle_.def()));
            r.aside = Said(Words::NewRecord, o.number);
            r.aside.second = shortest;
        }
    }
    return r;
}

Reply Session::back() {
    if (mode_ != kPlay && mode_ != kReplay)
        return answer(Reply());
    Reply r = stepBack();
    if (r.slide.made)
        sliding_ = true;
    return answer(r);
}

Reply Session::stepBack() {
    Reply r;
    solvePaused_ = false;
    celebrated_ = false;
    const int last = puzzle_.moveNr() - 1;
    const MoveRecord move = last >= 1 && last <= kMaxMoves ? puzzle_.movesList()[last] : MoveRecord{};
    const bool wasCoached = coached(last);
    r.slide = puzzle_.TakeBack(mode_ == kPlay ? ListRule::Cut : ListRule::Keep);
    if (!r.slide.made)
        return r;
    if (mode_ == kPlay) {
        coached_[size_t(last)] = false;
        takenBack_.push_back({move.block, move.direction, wasCoached});
        r.gameChanged = true;
    }
    r.list = r.board = true;
    if (puzzle_.moveNr() == 1)
        r.said.words = Words::Clear;
    else
        r.said = {Words::MoveNumber, puzzle_.moveNr() - 1};
    return r;
}

Reply Session::go() {
    // A press during a run only asks it to stop.
    if (run_ != RunOrder::None) {
        Reply r;
        r.run = RunOrder::Stop;
        return answer(r);
    }
    if (sliding_ || editing_) {
        Reply r;
        r.wait = sliding_ && !editing_;
        return answer(r);
    }
    Reply r;
    if (mode_ == kPlay && solvePaused_)
        return solve();
    if (mode_ == kReplay) {
        run_ = RunOrder::StartReplay;
        go_ = stepMode_ ? GoCaption::Step : GoCaption::Stop;
        r.run = run_;
    } else if (mode_ == kSearch) {
        run_ = RunOrder::StartSearch;
        go_ = GoCaption::Stop;
        r.run = run_;
    }
    refusalSaid_ = false;
    return answer(r);
}

// --- the board under the pointer ----------------------------------------------

int Session::pieceAt(int x, int y) const {
    const Board& b = boardShown();
    const PuzzleDef& def = b.def();
    if (x < 0 || y < 0 || x >= def.columns() * 100 || y >= def.rows() * 100)
        return 0;
    const int column = x / 100, row = y / 100;
    const int piece = b.PieceAt(row * def.columns() + column);
    if (piece == 0)
        return 0;
    // A few hundredths in from the piece's outline, not from a field's.
    const FieldSet mask = b.PieceMask(piece);
    const auto same = [&](int c, int r) {
        return c >= 0 && r >= 0 && c < def.columns() && r < def.rows() &&
               (mask & FieldBit(r * def.columns() + c));
    };
    const int fx = x % 100, fy = y % 100;
    if ((fx < kHitMargin && !same(column - 1, row)) || (fx >= 100 - kHitMargin && !same(column + 1, row)) ||
        (fy < kHitMargin && !same(column, row - 1)) || (fy >= 100 - kHitMargin && !same(column, row + 1)))
        return 0;
    return piece;
}

Reply Session::hover(int x, int y) {
    Reply r;
    if (editing_ || dragging_ || mode_ != kPlay || busy() || puzzle_.ListFull())
        return answer(r);
    const int piece = pieceAt(x, y);
    r = answer(r);
    r.view.hand = piece != 0 && puzzle_.PossibleDirections(piece) != 0;
    return r;
}

Reply Session::press(int x, int y) {
    Reply r;
    if (dragging_)
        return answer(r);
    const int piece = pieceAt(x, y);
    const Board& b = boardShown();
    if (editing_) {
        // Any piece may be taken to any free place.
        if (piece == 0)
            return answer(r);
        selected_ = piece;
    } else {
        // A full list takes no more moves, so a press does not start a drag.
        if (mode_ != kPlay || busy() || puzzle_.ListFull())
            return answer(r);
        // The press takes the keyboard's ring away, and a goal's glow.
        selected_ = 0;
        r.board = true;
        if (piece == 0)
            return answer(r);
    }
    const int columns = b.def().columns();
    drag_ = {piece,
             x - b.anchor(piece) % columns * 100,
             y - b.anchor(piece) / columns * 100,
             editing_ ? uint8_t(0) : b.PossibleDirections(piece),
             0,
             0};
    dragging_ = true;
    r.board = true;
    return answer(r);
}

Reply Session::drag(int x, int y) {
    Reply r;
    if (!dragging_)
        return hover(x, y);
    const Board& b = boardShown();
    const PuzzleDef& def = b.def();
    const int columns = def.columns();
    const auto corner = [&](int piece) {
        return std::pair{b.anchor(piece) % columns * 100, b.anchor(piece) / columns * 100};
    };
    r.board = true;
    if (editing_) {
        const ShapeDef& shape = def.shape(def.piece(drag_.piece).shape);
        const auto [cx, cy] = corner(drag_.piece);
        drag_.dx = std::clamp(x - drag_.grabX, 0, (columns - shape.width) * 100) - cx;
        drag_.dy = std::clamp(y - drag_.grabY, 0, (def.rows() - shape.height) * 100) - cy;
        return answer(r);
    }
    if (mode_ != kPlay || run_ != RunOrder::None)
        return answer(r);
    // A drag that goes on along free fields moves the piece on, a field and
    // a move at a time; the piece then follows from its new field.
    Reply made;
    for (;;) {
        const auto [cx, cy] = corner(drag_.piece);
        const int ox = x - drag_.grabX - cx, oy = y - drag_.grabY - cy;
        const unsigned d = DirectionOf(ox, oy, kDragOn);
        if (d == 0 || !(drag_.dirs & d) || std::abs(d == Right || d == Left ? oy : ox) > kDragOn)
            break;
        const int before = puzzle_.board().anchor(drag_.piece);
        made = playMove(drag_.piece, d, false);
        if (puzzle_.board().anchor(drag_.piece) == before)
            break;
        drag_.dirs = puzzle_.PossibleDirections(drag_.piece);
    }
    const auto [cx, cy] = corner(drag_.piece);
    int dx = x - drag_.grabX - cx, dy = y - drag_.grabY - cy;
    if ((!(drag_.dirs & Right) && dx > 0) || (!(drag_.dirs & Left) && dx < 0))
        dx = 0;
    if ((!(drag_.dirs & Down) && dy > 0) || (!(drag_.dirs & Up) && dy < 0))
        dy = 0;
    dx = std::clamp(dx, -kDragLimit, kDragLimit);
    dy = std::clamp(dy, -kDragLimit, kDragLimit);
    if (std::abs(dx) > std::abs(dy))
        dy = 0;
    else
        dx = 0;
    drag_.dx = dx;
    drag_.dy = dy;
    made.board = true;
    return answer(made);
}

Reply Session::release() {
    if (!dragging_)
        return answer(Reply());
    dragging_ = false;
    const Drag d = drag_;
    drag_ = {};
    const Board& b = boardShown();
    if (editing_) {
        // The field nearest to where the piece was let go.
        const int columns = b.def().columns();
        const int x = b.anchor(d.piece) % columns * 100 + d.dx;
        const int y = b.anchor(d.piece) / columns * 100 + d.dy;
        return place(d.piece, (y + 50) / 100 * columns + (x + 50) / 100);
    }
    Reply r;
    r.board = true;
    if (mode_ != kPlay || run_ != RunOrder::None)
        return answer(r);
    const unsigned direction = DirectionOf(d.dx, d.dy, kDragCommit);
    if (direction == 0)
        return answer(r);
    // The puzzle decides: only an open step is made, and only while the
    // list has room; otherwise the piece snaps back without a word.
    return playMove(d.piece, direction, false);
}

// --- modes, reset, undo ---------------------------------------------------------

Reply Session::chooseMode(Mode mode, bool pressed) {
    const GameState before = capture();
    solvePaused_ = false;
    takenBack_.clear();
    celebrated_ = false;
    Reply r;
    mode_ = kNoMode;
    modeChosen_ = true;
    if (!pressed || mode == kNoMode) {
        remember(before, r);
        return answer(r);
    }
    mode_ = mode;
    r.list = true;
    switch (mode) {
    case kPlay:
        // Play goes on from the position shown; later moves leave the list.
        puzzle_.CutList();
        alone_ = false;
        r.said.words = Words::PlayEntered;
        break;
    case kReplay:
        puzzle_.ResetBoard(puzzle_.maxMove()); // moveNr 1, the list kept
        go_ = stepMode_ ? GoCaption::Step : GoCaption::Go;
        selected_ = 0;
        r.board = r.newGame = true;
        r.said.words = Words::ReplayEntered;
        break;
    default:
        puzzle_.ResetBoard(puzzle_.maxMove());
        puzzle_.ClearMoves();
        coached_.fill(false);
        go_ = GoCaption::Go;
        selected_ = 0;
        r.board = r.newGame = true;
        r.said.words = Words::SearchEntered;
        break;
    }
    r.gameChanged = true;
    remember(before, r);
    return answer(r);
}

Reply Session::reset() {
    const GameState before = capture();
    solvePaused_ = false;
    takenBack_.clear();
    celebrated_ = false;
    Reply r;
    r.said.words = Words::Clear;
    // In replay the list stays; the reset puts moveNr back to 1.
    if (mode_ == kPlay || mode_ == kSearch) {
        puzzle_.ClearMoves();
        coached_.fill(false);
        newGame();
    }
    puzzle_.ResetBoard(puzzle_.maxMove());
    selected_ = 0;
    r.board = r.newGame = r.list = true;
    r.gameChanged = true;
    remember(before, r);
    return answer(r);
}

void Session::coachHelps() {
    if (alone_) {
        alone_ = false;
        helped_ = true;
    }
}

void Session::newGame() {
    playedMs_ = 0;
    since_ = -1;
    alone_ = false;
    helped_ = false;
    hintBlock_ = 0;
}

bool Session::GameState::sameList(const GameState& o) const {
    return def && o.def && def->SameStart(*o.def) && list == o.list;
}

bool Session::GameState::sameGame(const GameState& o) const {
    return sameList(o) && mode == o.mode && moveNr == o.moveNr;
}

Session::GameState Session::capture() const {
    GameState g;
    g.def = puzzle_.sharedDef();
    g.name = name_;
    g.mode = mode_;
    g.list.assign(puzzle_.movesList(), puzzle_.movesList() + puzzle_.lastMove() + 1);
    for (MoveRecord& m : g.list)
        m.dirSet = 0;
    g.moveNr = puzzle_.moveNr();
    g.coached.assign(coached_.begin(), coached_.begin() + puzzle_.lastMove() + 1);
    g.alone = alone_;
    g.helped = helped_;
    g.playedMs = playedMs();
    return g;
}

bool Session::restore(const GameState& g) {
    if (!puzzle_.ChoosePuzzle(g.def, limitFor(*g.def)) ||
        !puzzle_.LoadMoves(g.list.data(), int(g.list.size()) - 1))
        return false;
    for (int i = 1; i < g.moveNr; ++i)
        if (!puzzle_.ReplayMove().made)
            break;
    name_ = g.name;
    mode_ = g.mode;
    coached_.fill(false);
    std::copy(g.coached.begin(), g.coached.end(), coached_.begin());
    alone_ = g.alone;
    helped_ = g.helped;
    playedMs_ = g.playedMs;
    since_ = -1;
    selected_ = 0;
    hintBlock_ = 0;
    takenBack_.clear();
    solvePaused_ = false;
    celebrated_ = false;
    return true;
}

void Session::remember(const GameState& before, Reply& r) {
    if (before.list.size() <= 1)
        return;
    const GameState after = capture();
    // Moves gone from the list, or the list replaced.
    if (!after.sameList(before)) {
        actions_.push_back({before, after});
        if (actions_.size() > kRememberedActions)
            actions_.erase(actions_.begin());
        undone_.clear();
        r.aside = Said(Words::MovesCleared);
    }
}

Reply Session::undo() {
    const GameState now = capture();
    // Moves made in play since the last action go back one by one first.
    const bool movesSince =
        mode_ == kPlay && puzzle_.moveNr() > 1 && (actions_.empty() || !now.sameGame(actions_.back().after));
    if (!actions_.empty() && !movesSince) {
        // Whatever a run did since (a search's line, a replay's steps) goes
        // with the action it followed.
        const Action action{actions_.back().before, now};
        actions_.pop_back();
        restore(action.before);
        undone_.push_back(action);
        Reply r{Said(Words::MoveNumber, puzzle_.moveNr() - 1)};
        if (puzzle_.moveNr() == 1)
            r.said = Said(Words::Clear);
        r.board = r.list = r.newGame = true;
        r.gameChanged = true;
        return answer(r);
    }
    return back();
}

Reply Session::redo() {
    if (!undone_.empty() && (mode_ != kPlay || takenBack_.empty()) &&
        capture().sameGame(undone_.back().before)) {
        const Action action = undone_.back();
        undone_.pop_back();
        restore(action.after);
        actions_.push_back(action);
        Reply r{Said(Words::Clear)};
        r.board = r.list = r.newGame = true;
        r.gameChanged = true;
        return answer(r);
    }
    if (mode_ != kPlay || takenBack_.empty())
        return answer(Reply());
    const TakenBack m = takenBack_.back();
    const PlayOutcome o = puzzle_.PlayMove(m.block, m.direction);
    if (!o.made())
        return answer(Reply(Said(o.result == PlayResult::ListFull ? Words::ListFull : Words::Keep)));
    takenBack_.pop_back();
    // It counts as it counted the first time.
    redoing_ = true;
    Reply r = moved(o, Words::KeyMoved, m.coached);
    redoing_ = false;
    r.slide = {true, m.block, m.direction, o.fromField};
    sliding_ = true;
    return answer(r);
}

// --- the coach --------------------------------------------------------------------

Reply Session::hint() {
    Reply r;
    if (mode_ != kPlay)
        return answer(r);
    if (puzzle_.GoalReached()) {
        // The goal's own words stand.
        if (!celebrated_)
            r.said.words = Words::SolutionReached;
        return answer(r);
    }
    if (puzzle_.ListFull()) {
        r.said.words = Words::ListFull;
        return answer(r);
    }
    if (!table_ || !table_->known())
        return answer(r);
    const MoveRecord best = table_->BestMove(puzzle_.board());
    if (best.block == 0)
        return answer(r); // a position without a way: no hint to give
    // A game the coach helped with ends without the congratulation.
    coachHelps();
    if (hintBlock_ != 0 && hintBlock_ == selected_ && hintKey_ == puzzle_.boardKey()) {
        // The hint stands: the second press makes its move.
        hintBlock_ = 0;
        const PlayOutcome o = puzzle_.PlayMove(best.block, best.direction);
        if (!o.made())
            return answer(r);
        r = moved(o, Words::ToGo, true);
        if (!puzzle_.GoalReached())
            r.said = {Words::ToGo, distance(puzzle_.board())};
        r.slide = {true, best.block, best.direction, o.fromField};
        sliding_ = true;
        return answer(r);
    }
    selected_ = best.block;
    hintBlock_ = best.block;
    hintKey_ = puzzle_.boardKey();
    r.board = true;
    r.said = {Words::Hint, distance(puzzle_.board()), puzzle_.def().piece(best.block).letter, best.direction};
    return answer(r);
}

Reply Session::solve() {
    Reply r;
    solvePaused_ = false;
    if (mode_ != kPlay || !table_ || !table_->known())
        return answer(r);
    coachHelps();
    hintBlock_ = 0;
    run_ = RunOrder::StartSolve;
    refusalSaid_ = false;
    r.run = run_;
    return answer(r);
}

Reply Session::SolveStep() {
    Reply r;
    if (puzzle_.GoalReached()) {
        run_ = RunOrder::None;
        r.run = RunOrder::Stop;
        r.said.words = Words::SolutionReached;
        return answer(r);
    }
    const MoveRecord best = table_ ? table_->BestMove(puzzle_.board()) : MoveRecord{};
    if (best.block == 0) {
        run_ = RunOrder::None;
        r.run = RunOrder::Stop;
        return answer(r);
    }
    const PlayOutcome o = puzzle_.PlayMove(best.block, best.direction);
    lastSolveResult_ = o.result;
    if (!o.made()) {
        if (o.result == PlayResult::ListFull)
            r.said.words = Words::MovedListFull;
        run_ = RunOrder::None;
        r.run = RunOrder::Stop;
        return answer(r);
    }
    r = moved(o, Words::Solving, true);
    if (o.result != PlayResult::Solved && o.result != PlayResult::MovedListFull)
        r.said = {Words::Solving, distance(puzzle_.board())};
    r.celebrate = false; // the coach's goal is no celebration
    r.slide = {true, best.block, best.direction, o.fromField};
    sliding_ = true;
    return answer(r);
}

Reply Session::SolveSlid(bool stopRequested) {
    Reply r;
    if (lastSolveResult_ == PlayResult::Solved)
        r.said.words = Words::SolutionReached;
    else if (lastSolveResult_ == PlayResult::MovedListFull)
        r.said.words = Words::MovedListFull;
    else if (stopRequested)
        r.said.words = Words::SolvePaused;
    else
        return answer(r); // it goes on
    solvePaused_ = r.said.words == Words::SolvePaused;
    run_ = RunOrder::None;
    r.run = RunOrder::Stop;
    return answer(r);
}

Reply Session::SolveEnded() {
    if (run_ == RunOrder::StartSolve) {
        run_ = RunOrder::None;
        if (!puzzle_.GoalReached())
            solvePaused_ = true;
    }
    Reply r;
    if (solvePaused_)
        r.said.words = Words::SolvePaused;
    return answer(r);
}

// --- replay and search runs ---------------------------------------------------

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
        end.run = RunOrder::Stop;
        return end;
    }
    sliding_ = true;
    r.list = true;
    return answer(r);
}

Reply Session::ReplayEnded() {
    run_ = RunOrder::None;
    go_ = stepMode_ ? GoCaption::Step : GoCaption::Go;
    Reply r;
    if (puzzle_.moveNr() > puzzle_.lastMove())
        r.said.words = Words::EndOfList;
    return answer(r);
}

Reply Session::SearchSlice(int32_t budget) {
    searchResult_ = puzzle_.SearchStep(budget);
    Reply r;
    r.list = r.board = true;
    return answer(r);
}

Reply Session::SearchWaited(bool stopRequested) {
    Reply r;
    switch (searchResult_) {
    case kBudgetSpent:
        if (stopRequested)
            r.run = RunOrder::Stop;
        r.said =
            stopRequested ? Said(Words::Pause) : Said(Words::Searching, int(puzzle_.counters().trialMoves));
        break;
    case kSolved:
        r.run = RunOrder::Stop;
        r.said.words = Words::SearchSolved;
        break;
    default:
        r.run = RunOrder::Stop;
        r.said.words = Words::NoSolution;
        break;
    }
    return answer(r);
}

Reply Session::SearchEnded(uint32_t seconds) {
    puzzle_.EndSearchRun(seconds);
    run_ = RunOrder::None;
    go_ = GoCaption::Go;
    Reply r;
    r.gameChanged = true;
    return answer(r);
}

// --- puzzles, set-up, files ---------------------------------------------------

Reply Session::Start(int32_t moveLimit) {
    solvePaused_ = false;
    takenBack_.clear();
    coached_.fill(false);
    puzzle_.ResetBoard(moveLimit);
    if (puzzle_.def().tenBlock())
        tenBlockLimit_ = puzzle_.maxMove();
    selected_ = 0;
    newGame();
    Reply r{Said(Words::Welcome)};
    r.board = r.newGame = true;
    return answer(r);
}

Reply Session::SetRecords(Records records) {
    records_ = std::move(records);
    return answer(Reply());
}

Reply Session::RecordsKept(Records records) {
    records_ = std::move(records);
    Reply r;
    r.list = true; // the chart's record line
    return answer(r);
}

std::shared_ptr<const PuzzleDef> Session::CoachWants() const {
    // While setting up, the position set up; else the puzzle played.
    const std::shared_ptr<const PuzzleDef>& wanted = editing_ ? draftDef_ : puzzle_.sharedDef();
    if (table_ && table_->def().SameRules(*wanted) &&
        (!table_->known() || table_->Find(Board(*wanted)).known))
        return nullptr;
    return wanted;
}

Reply Session::CoachReady(std::shared_ptr<const DistanceTable> table) {
    if (table && table->status() != DistanceTable::Status::Cancelled && table->def().SameRules(puzzle_.def()))
        table_ = std::move(table);
    Reply r;
    if (editing_) {
        r.said = startSaid(*draftDef_);
        return answer(r);
    }
    r.list = true; // the chart
    if (announce_ && table_ && table_->known()) {
        announce_ = false;
        const int shortest = distance(Board(puzzle_.def()));
        if (shortest >= 0)
            r.said = Said(Words::PuzzleChosen, shortest, 0, 0, name_);
    }
    if (table_ && !table_->known() && mode_ == kPlay)
        r.aside = Said(Words::CoachUnknown);
    else if (table_ && table_->known() && table_->Distance(Board(puzzle_.def())) == kNoDistance)
        r.aside = Said(Words::NoWay);
    return answer(r);
}

int32_t Session::limitFor(const PuzzleDef& def) const {
    return def.tenBlock() ? tenBlockLimit_ : MoveLimitCeiling(def);
}

bool Session::choose(std::shared_ptr<const PuzzleDef> def, const std::string& name) {
    if (!def || !CheckStart(*def).playable() || !puzzle_.ChoosePuzzle(def, limitFor(*def)))
        return false;
    name_ = name;
    selected_ = 0;
    coached_.fill(false);
    takenBack_.clear();
    solvePaused_ = false;
    celebrated_ = false;
    newGame();
    // A table of the same start stays; any other is built anew.
    if (table_ && !table_->def().SameStart(*def) &&
        !(table_->known() && table_->def().SameRules(*def) && table_->Find(Board(*def)).known))
        table_.reset();
    return true;
}

Reply Session::ChoosePuzzle(std::shared_ptr<const PuzzleDef> def, const std::string& name) {
    const GameState before = capture();
    if (!def)
        return answer(Reply());
    if (!choose(def, name))
        return answer(Reply(startSaid(*def)));
    Reply r = chooseMode(kPlay, true);
    r.board = r.newGame = true;
    const int shortest = distance(Board(puzzle_.def()));
    r.said = shortest >= 0 ? Said(Words::PuzzleChosen, shortest, 0, 0, name_)
                           : Said(Words::PuzzleNamed, 0, 0, 0, name_);
    // Its shortest line is said once the coach knows it.
    announce_ = shortest < 0;
    remember(before, r);
    return answer(r);
}

Reply Session::BeginSetup() {
    if (busy())
        return answer(Reply());
    draftDef_ = puzzle_.sharedDef();
    draft_ = Board(*draftDef_);
    editing_ = true;
    selected_ = 0;
    Reply r{Said(Words::SettingUp)};
    r.board = true;
    return answer(r);
}

Reply Session::place(int piece, int field) {
    Reply refused{Said(Words::NoRoom)};
    refused.board = true; // the piece goes back where it stood
    const PuzzleDef& def = *draftDef_;
    if (!editing_ || piece < 1 || piece > def.pieceCount() || field < 0 || field >= def.fields())
        return answer(refused);
    const FieldSet mask = def.Place(def.piece(piece).shape, field);
    if (mask == 0 || (mask & def.walls()) || (mask & (draft_.occupied() & ~draft_.PieceMask(piece))))
        return answer(refused);
    uint8_t anchors[kMaxPieces + 1];
    for (int p = 1; p <= def.pieceCount(); ++p)
        anchors[p] = uint8_t(draft_.anchor(p));
    anchors[piece] = uint8_t(field);
    draftDef_ = std::make_shared<const PuzzleDef>(def.WithStart(anchors));
    draft_ = Board(*draftDef_);
    Reply r(startSaid(*draftDef_));
    r.board = true;
    return answer(r);
}

Reply Session::endSetup(bool use) {
    if (!editing_)
        return answer(Reply());
    if (use) {
        const Said verdict = startSaid(*draftDef_);
        // Said why when it cannot be played, not passed over.
        if (verdict.words != Words::ToGo && verdict.words != Words::Clear)
            return answer(Reply(verdict));
    }
    editing_ = false;
    selected_ = 0;
    dragging_ = false;
    if (use) {
        const std::shared_ptr<const PuzzleDef> def = draftDef_;
        return ChoosePuzzle(def, NameOf(*def));
    }
    Reply r{Said(Words::Clear)};
    r.board = true;
    return answer(r);
}

Reply Session::Open(const OpenedFile& file) {
    if (file.kind == OpenedFile::Kind::Refused)
        return Failed(file.error);
    if (file.kind == OpenedFile::Kind::Puzzle) {
        Reply r = ChoosePuzzle(file.def, NameOf(*file.def));
        return r;
    }
    // A list belongs to its puzzle: a file of another one brings it along.
    const GameState before = capture();
    std::vector<MoveRecord> list(file.moves.size() + 1);
    std::copy(file.moves.begin(), file.moves.end(), list.begin() + 1);
    const bool other = !file.def->SameStart(puzzle_.def());
    if (!puzzle_.CanHold(list.data(), int(file.moves.size())) || !CheckStart(*file.def).playable())
        return Failed(Said(Words::ReadError));
    if (other && !choose(file.def, NameOf(*file.def)))
        return Failed(Said(Words::WrongFile));
    // The list and the board in step: the board stands at the list's start,
    // the pointer at its first move, as after a replay's reset.
    puzzle_.ResetBoard(puzzle_.maxMove());
    puzzle_.LoadMoves(list.data(), int(file.moves.size()));
    coached_.fill(false);
    takenBack_.clear();
    selected_ = 0;
    newGame();
    Reply r;
    r.board = r.list = r.newGame = true;
    r.gameChanged = true;
    remember(before, r);
    r.said = Said(Words::Opened, 0, 0, 0, file.name);
    return answer(r);
}

Reply Session::Failed(const Said& why) {
    return answer(Reply(why));
}

Reply Session::Saved(const std::string& name) {
    return answer(Reply(Said(Words::Saved, 0, 0, 0, name)));
}

Reply Session::Printed(const std::string& file) {
    return answer(Reply(Said(Words::Printed, 0, 0, 0, file)));
}

// --- the kept game --------------------------------------------------------------

KeptGame Session::Kept() const {
    KeptGame k;
    k.def = puzzle_.sharedDef();
    k.name = name_;
    k.mode = mode_;
    k.moves.assign(puzzle_.movesList() + 1, puzzle_.movesList() + 1 + puzzle_.lastMove());
    for (MoveRecord& m : k.moves)
        m.dirSet = 0;
    for (int i = 1; i <= puzzle_.lastMove(); ++i)
        k.coached.push_back(coached(i));
    k.moveNr = puzzle_.moveNr();
    k.alone = alone_;
    k.helped = helped_;
    k.playedMs = playedMs();
    return k;
}

Reply Session::Resume(const KeptGame& k, bool& resumed) {
    resumed = false;
    GameState g;
    g.def = k.def;
    g.name = k.name;
    g.mode = k.mode;
    g.list.assign(1, MoveRecord{});
    g.list.insert(g.list.end(), k.moves.begin(), k.moves.end());
    g.coached.assign(1, false);
    g.coached.insert(g.coached.end(), k.coached.begin(), k.coached.end());
    g.coached.resize(g.list.size(), false);
    g.moveNr = k.moveNr;
    g.alone = k.alone;
    g.helped = k.helped;
    g.playedMs = k.playedMs;
    if (!g.def || !CheckStart(*g.def).playable() || g.moveNr < 1 || g.moveNr > int(k.moves.size()) + 1)
        return answer(Reply());
    // A list the board cannot replay is no game of this puzzle.
    const GameState now = capture();
    if (!restore(g) || puzzle_.moveNr() != g.moveNr) {
        restore(now);
        return answer(Reply());
    }
    actions_.clear();
    undone_.clear();
    resumed = true;
    // The game of the last run is back: say so, not the welcome.
    Reply r{Said(Words::GameBack, 0, 0, 0, name_)};
    r.board = r.list = r.newGame = true;
    return answer(r);
}

} // namespace trulp
