#include "searchcontrol.h"

#include <chrono>
#include <cmath>

namespace trulp {

SearchControl::SearchControl(Session& session, RunHost& runHost, QObject* parent)
    : QObject(parent), session_(session), p(session.puzzle()), host(runHost) {
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

void SearchControl::say(Words words, int number) {
    host.showReply(Reply(Said(words, number)));
}

void SearchControl::caption(GoCaption go) {
    Reply r;
    r.go = go;
    host.showReply(r);
}

void SearchControl::goBtnClick(bool windowBusy) {
    const Mode mode = session_.mode();
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
        endReplay(session_.ReplayEnded());
    } else if (run_ == Run::Solve) {
        endRun(session_.SolveStopped());
    }
}

void SearchControl::slideFinished() {
    if (!waitingForSlide_)
        return;
    waitingForSlide_ = false;
    if (run_ == Run::Replay) {
        if (session_.stepMode())
            stopRequest_ = true;
        if (!stopRequest_ && p.moveNr() <= p.lastMove())
            replayNextMove();
        else
            endReplay(session_.ReplayEnded());
    } else if (run_ == Run::Solve) {
        const Reply r = session_.SolveSlid(stopRequest_);
        if (r.runEnds)
            endRun(r);
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
    caption(GoCaption::Stop);
    const int64_t c0 = ReadCycles();
    searchResult_ = p.SearchStep(session_.stepMode() ? kStepSlice : kSlice);
    searchCycles_ += ReadCycles() - c0;
    host.redrawSearchView();
    // Presses of GO during this wait set stopRequest.
    waitTimer_.start(session_.stepMode() ? kStepPauseMs : kPauseMs);
}

void SearchControl::afterSearchWait() {
    switch (searchResult_) {
    case kBudgetSpent:
        if (stopRequest_)
            say(Words::Pause);
        else
            say(Words::Searching, int(p.counters().trialMoves));
        break;
    case kSolved:
        stopRequest_ = true;
        say(Words::SearchSolved);
        break;
    default:
        stopRequest_ = true;
        say(Words::NoSolution);
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
    caption(GoCaption::Go);
}

// --- replay run ------------------------------------------------------------

void SearchControl::RunReplay() {
    run_ = Run::Replay;
    caption(session_.stepMode() ? GoCaption::Step : GoCaption::Stop);
    host.setBackEnabled(session_.stepMode());
    replayNextMove();
}

void SearchControl::replayNextMove() {
    stopRequest_ = false;
    const Reply r = session_.ReplayStep();
    if (r.runEnds) {
        endReplay(r);
        return;
    }
    waitingForSlide_ = true;
    host.showReply(r);
}

void SearchControl::endReplay(const Reply& last) {
    Reply r = last;
    r.go = session_.stepMode() ? GoCaption::Step : GoCaption::Go;
    run_ = Run::None;
    host.showReply(r);
    host.setBackEnabled(true);
}

// --- solve run -------------------------------------------------------------

void SearchControl::startSolve(bool windowBusy) {
    if (run_ == Run::Solve) {
        stopRequest_ = true; // a second press stops it after the move under way
        return;
    }
    if (windowBusy || running() || !session_.StartSolve())
        return;
    run_ = Run::Solve;
    stopRequest_ = false;
    solveNextMove();
}

void SearchControl::solveNextMove() {
    const Reply r = session_.SolveStep();
    if (r.runEnds) {
        endRun(r);
        return;
    }
    waitingForSlide_ = true;
    host.showReply(r);
}

void SearchControl::endRun(const Reply& last) {
    run_ = Run::None;
    host.showReply(last);
}

} // namespace trulp
