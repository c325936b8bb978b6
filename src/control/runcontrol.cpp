#include "runcontrol.h"

#include <chrono>
#include <cmath>

namespace trulp {

RunControl::RunControl(Session& session, RunHost& runHost, QObject* parent)
    : QObject(parent), session_(session), host(runHost) {
    waitTimer_.setSingleShot(true);
    connect(&waitTimer_, &QTimer::timeout, this, &RunControl::afterSearchWait);
}

// The steady clock needs no measuring: its rate is its period.
double RunControl::cpuMHz() {
    using Period = std::chrono::steady_clock::period;
    return double(Period::den) / double(Period::num) / 1e6;
}

int64_t RunControl::ReadCycles() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

void RunControl::order(RunOrder o) {
    if (o == RunOrder::Stop) {
        stopRequest_ = running();
        return;
    }
    if (o == RunOrder::None || running())
        return;
    run_ = o;
    stopRequest_ = false;
    if (o == RunOrder::StartSearch)
        searchSlice();
    else if (o == RunOrder::StartReplay)
        replayNextMove();
    else
        solveNextMove();
}

void RunControl::abortRun() {
    stopRequest_ = true;
    waitingForSlide_ = false;
    if (run_ == RunOrder::StartSearch) {
        waitTimer_.stop();
        endSearch();
    } else if (run_ == RunOrder::StartReplay) {
        endRun(session_.ReplayEnded());
    } else if (run_ == RunOrder::StartSolve) {
        endRun(session_.SolveEnded());
    }
}

void RunControl::slideFinished() {
    if (!waitingForSlide_)
        return;
    waitingForSlide_ = false;
    if (run_ == RunOrder::StartReplay) {
        if (session_.stepMode())
            stopRequest_ = true;
        if (!stopRequest_)
            replayNextMove();
        else
            endRun(session_.ReplayEnded());
    } else if (run_ == RunOrder::StartSolve) {
        const Reply r = session_.SolveSlid(stopRequest_);
        if (r.run == RunOrder::Stop)
            endRun(r);
        else
            solveNextMove();
    }
}

void RunControl::searchSlice() {
    stopRequest_ = false;
    const bool step = session_.stepMode();
    const int64_t c0 = ReadCycles();
    const Reply r = session_.SearchSlice(step ? kStepSlice : kSlice);
    searchCycles_ += ReadCycles() - c0;
    host.showReply(r);
    // Presses of GO during this wait ask the run to stop.
    waitTimer_.start(step ? kStepPauseMs : kPauseMs);
}

void RunControl::afterSearchWait() {
    const Reply r = session_.SearchWaited(stopRequest_);
    host.showReply(r);
    if (r.run == RunOrder::Stop)
        endSearch();
    else
        searchSlice();
}

void RunControl::endSearch() {
    run_ = RunOrder::None;
    host.showReply(
        session_.SearchEnded(uint32_t(std::trunc(double(searchCycles_) / (cpuMHz() * 1000000.0)))));
}

void RunControl::replayNextMove() {
    stopRequest_ = false;
    const Reply r = session_.ReplayStep();
    if (r.run == RunOrder::Stop) {
        endRun(r);
        return;
    }
    waitingForSlide_ = true;
    host.showReply(r);
}

void RunControl::solveNextMove() {
    const Reply r = session_.SolveStep();
    if (r.run == RunOrder::Stop || !r.slide.made) {
        endRun(r);
        return;
    }
    waitingForSlide_ = true;
    host.showReply(r);
}

void RunControl::endRun(const Reply& last) {
    run_ = RunOrder::None;
    host.showReply(last);
}

} // namespace trulp
