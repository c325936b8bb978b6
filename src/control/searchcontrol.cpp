#include "searchcontrol.h"

#include "distance.h"

#include <chrono>
#include <cmath>

namespace trulp {

SearchControl::SearchControl(Puzzle& puzzle, RunHost& runHost, QObject* parent)
    : QObject(parent), p(puzzle), host(runHost) {
    waitTimer_.setSingleShot(true);
    connect(&waitTimer_, &QTimer::timeout, this, &SearchControl::afterSearchWait);
}

// The steady clock needs no measuring: its rate is its period.
void SearchControl::CalibrateClock() {
    using Period = std::chrono::steady_clock::period;
    cpuMHz_ = double(Period::den) / double(Period::num) / 1e6;
}

int64_t SearchControl::ReadCycles() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

void SearchControl::goBtnClick(Mode mode, bool windowBusy) {
    if (mode == kReplay || mode == kSearch || run_ == Run::Solve)
        stopRequest_ = true;
    if (windowBusy || running())
        return; // a press during a run only asks it to stop
    if (mode == kReplay)
        RunReplay();
    else if (mode == kSearch)
        RunSearch();
}

void SearchControl::resetSearch() {
    searchCycles_ = 0;
    searchResult_ = kNotSearched;
}

void SearchControl::abortRun() {
    stopRequest_ = true;
    waitingForSlide_ = false;
    if (run_ == Run::Search) {
        waitTimer_.stop();
        endSearch();
    } else if (run_ == Run::Replay) {
        endReplay();
    } else if (run_ == Run::Solve) {
        endSolve(QStringLiteral("pause"));
    }
}

void SearchControl::slideFinished() {
    if (!waitingForSlide_)
        return;
    waitingForSlide_ = false;
    if (run_ == Run::Replay) {
        if (stepMode_)
            stopRequest_ = true;
        if (!stopRequest_ && p.moveNr() <= p.lastMove())
            replayNextMove();
        else
            endReplay();
    } else if (run_ == Run::Solve) {
        if (solveStep_ == PlayResult::Solved)
            endSolve(QStringLiteral("solution reached"));
        else if (solveStep_ == PlayResult::MovedListFull)
            endSolve(QStringLiteral("moves list is full"));
        else if (stopRequest_)
            endSolve(QStringLiteral("pause"));
        else
            solveNextMove();
    }
}

// --- search run ------------------------------------------------------------

void SearchControl::RunSearch() {
    run_ = Run::Search;
    searchSlice();
}

void SearchControl::searchSlice() {
    stopRequest_ = false;
    host.setGoCaption(QStringLiteral("STOP"));
    const int64_t c0 = ReadCycles();
    searchResult_ = p.SearchStep(stepMode_ ? kStepSlice : kSlice);
    searchCycles_ += ReadCycles() - c0;
    host.redrawSearchView();
    // Presses of GO during this wait set stopRequest.
    waitTimer_.start(stepMode_ ? kStepPauseMs : kPauseMs);
}

void SearchControl::afterSearchWait() {
    switch (searchResult_) {
    case kBudgetSpent:
        if (stopRequest_)
            host.setMessage(QStringLiteral("pause"));
        else
            host.setMessage(QStringLiteral("computer searching...move: ") +
                            QString::number(p.counters().trialMoves));
        break;
    case kSolved:
        stopRequest_ = true;
        host.setMessage(QStringLiteral("puzzle solved.  (see statistics)"));
        break;
    default:
        stopRequest_ = true;
        host.setMessage(QStringLiteral("no solution found"));
        break;
    }
    if (stopRequest_)
        endSearch();
    else
        searchSlice();
}

void SearchControl::endSearch() {
    p.EndSearchRun(uint32_t(std::trunc(double(searchCycles_) / (cpuMHz_ * 1000000.0))));
    run_ = Run::None;
    host.setGoCaption(QStringLiteral("GO"));
}

// --- replay run ------------------------------------------------------------

void SearchControl::RunReplay() {
    run_ = Run::Replay;
    host.setGoCaption(stepMode_ ? QStringLiteral("STEP") : QStringLiteral("STOP"));
    host.setBackEnabled(stepMode_);
    replayNextMove();
}

void SearchControl::replayNextMove() {
    stopRequest_ = false;
    host.setMessage(QStringLiteral("move ") + QString::number(p.moveNr()));
    const StepMade step = p.ReplayMove();
    if (!step.made) {
        // Past the end, or a move the board cannot make (a list recorded
        // from another position): either way the run ends here.
        endReplay();
        return;
    }
    waitingForSlide_ = true;
    host.slideBlock(step);
}

void SearchControl::endReplay() {
    if (p.moveNr() > p.lastMove())
        host.setMessage(QStringLiteral("end of list"));
    host.setGoCaption(stepMode_ ? QStringLiteral("STEP") : QStringLiteral("GO"));
    host.setBackEnabled(true);
    run_ = Run::None;
}

// --- solve run -------------------------------------------------------------

void SearchControl::startSolve() {
    if (running()) {
        if (run_ == Run::Solve)
            stopRequest_ = true;
        return;
    }
    run_ = Run::Solve;
    stopRequest_ = false;
    solveNextMove();
}

void SearchControl::solveNextMove() {
    const DistanceTable& table = DistanceTable::Shared();
    if (p.GoalReached()) {
        endSolve(QStringLiteral("solution reached"));
        return;
    }
    const MoveRecord best = table.BestMove(p.blockTable());
    if (best.block == 0) {
        endSolve(QString()); // a position the table does not know: nothing to play
        return;
    }
    const PlayOutcome o = p.PlayMove(best.block, best.direction);
    solveStep_ = o.result;
    if (!o.made()) {
        endSolve(o.result == PlayResult::ListFull ? QStringLiteral("moves list is full") : QString());
        return;
    }
    host.setMessage(QStringLiteral("solving... %1 to go").arg(table.Distance(p.blockTable())));
    waitingForSlide_ = true;
    host.slideBlock({true, best.block, best.direction, o.fromField});
}

void SearchControl::endSolve(const QString& message) {
    run_ = Run::None;
    if (!message.isEmpty())
        host.setMessage(message);
}

} // namespace trulp
