#include "searchcontrol.h"

#include <chrono>
#include <cmath>

namespace trulp {

SearchControl::SearchControl(Session& session, RunHost& runHost, QObject* parent)
    : QObject(parent), session_(session), host(runHost) {
    waitTimer_.setSingleShot(true);
    connect(&waitTimer_, &QTimer::timeout, this, &SearchControl::afterSearchWait);
}

// The steady clock needs no measuring: its rate is its period.
double SearchControl::cpuMHz() {
    using Period = std::chrono::steady_clock::period;
    return double(Period::den) / double(Period::num) / 1e6;
}

int64_t SearchControl::ReadCycles() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

void SearchControl::goBtnClick(bool windowBusy) {
    const Mode mode = session_.mode();
    if (mode == kReplay || mode == kSearch || run_ == Run::Solve)
        stopRequest_ = true;
    if (windowBusy || running())
        return; // a press during a run only asks it to stop
    if (mode == kPlay && session_.solvePaused()) {
        startSolve(windowBusy);
        return;
    }
    if (mode == kReplay) {
        run_ = Run::Replay;
        host.showReply(session_.ReplayStarted());
        replayNextMove();
    } else if (mode == kSearch) {
        run_ = Run::Search;
        searchSlice();
    }
}

void SearchControl::abortRun() {
    stopRequest_ = true;
    waitingForSlide_ = false;
    if (run_ == Run::Search) {
        waitTimer_.stop();
        endSearch();
    } else if (run_ == Run::Replay) {
        endRun(session_.ReplayEnded());
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
        if (!stopRequest_)
            replayNextMove();
        else
            endRun(session_.ReplayEnded());
    } else if (run_ == Run::Solve) {
        const Reply r = session_.SolveSlid(stopRequest_);
        if (r.runEnds)
            endRun(r);
        else
            solveNextMove();
    }
}

void SearchControl::searchSlice() {
    stopRequest_ = false;
    const int64_t c0 = ReadCycles();
    const Reply r = session_.SearchSlice(session_.stepMode() ? kStepSlice : kSlice);
    searchCycles_ += ReadCycles() - c0;
    host.showReply(r);
    // Presses of GO during this wait set stopRequest.
    waitTimer_.start(session_.stepMode() ? kStepPauseMs : kPauseMs);
}

void SearchControl::afterSearchWait() {
    const Reply r = session_.SearchWaited(stopRequest_);
    host.showReply(r);
    if (r.runEnds)
        endSearch();
    else
        searchSlice();
}

void SearchControl::endSearch() {
    run_ = Run::None;
    host.showReply(
        session_.SearchEnded(uint32_t(std::trunc(double(searchCycles_) / (cpuMHz() * 1000000.0)))));
}

void SearchControl::replayNextMove() {
    stopRequest_ = false;
    const Reply r = session_.ReplayStep();
    if (r.runEnds) {
        endRun(r);
        return;
    }
    waitingForSlide_ = true;
    host.showReply(r);
}

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
