#include "searchcontrol.h"

#include <chrono>
#include <cmath>

namespace trulp {

SearchControl::SearchControl(Puzzle& puzzle, RunFlags& runFlags, RunHost& runHost, QObject* parent)
    : QObject(parent), cpuMHz(CalibrateClock()), p(puzzle), flags(runFlags), host(runHost) {
    waitTimer.setSingleShot(true);
    connect(&waitTimer, &QTimer::timeout, this, &SearchControl::afterSearchWait);
}

double SearchControl::CalibrateClock() {
    using Period = std::chrono::steady_clock::period;
    return double(Period::den) / double(Period::num) / 1e6;
}

int64_t SearchControl::ReadCycles() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

void SearchControl::goBtnClick() {
    if (flags.mode == kReplay || flags.mode == kSearch)
        flags.stopRequest = true;
    if (flags.busy())
        return; // a press during a run only asks it to stop
    if (flags.mode == kReplay)
        RunReplay();
    else if (flags.mode == kSearch)
        RunSearch();
}

void SearchControl::abortRun() {
    flags.stopRequest = true;
    if (run == Run::Search) {
        waitTimer.stop();
        endSearch();
    } else if (run == Run::Replay) {
        waitingForSlide = false;
        endReplay();
    }
}

// --- search run ------------------------------------------------------------

void SearchControl::RunSearch() {
    run = Run::Search;
    flags.running = true;
    searchSlice();
}

void SearchControl::searchSlice() {
    flags.stopRequest = false;
    host.setGoCaption(QStringLiteral("STOP"));
    const int64_t c0 = ReadCycles();
    flags.searchResult = p.SearchStep(flags.stepMode ? kStepSlice : kSlice);
    searchCycles += ReadCycles() - c0;
    host.redrawSearchView();
    // Presses of GO during this wait set stopRequest.
    waitTimer.start(flags.stepMode ? kStepPauseMs : kPauseMs);
}

void SearchControl::afterSearchWait() {
    switch (flags.searchResult) {
    case kBudgetSpent:
        if (flags.stopRequest)
            host.setMessage(QStringLiteral("pause"));
        else
            host.setMessage(QStringLiteral("computer searching...move: ") +
                            QString::number(p.counters.trialMoves));
        break;
    case kSolved:
        flags.stopRequest = true;
        host.setMessage(QStringLiteral("puzzle solved.  (see statistics)"));
        break;
    default:
        flags.stopRequest = true;
        host.setMessage(QStringLiteral("no solution found"));
        break;
    }
    if (flags.stopRequest)
        endSearch();
    else
        searchSlice();
}

void SearchControl::endSearch() {
    p.counters.seconds = uint32_t(std::trunc(double(searchCycles) / (cpuMHz * 1000000.0)));
    p.counters.forwardLength = uint32_t(p.forwardLength());
    p.counters.moves = uint32_t(p.lastMove);
    run = Run::None;
    flags.running = false;
    host.setGoCaption(QStringLiteral("GO"));
}

// --- replay run ------------------------------------------------------------

void SearchControl::RunReplay() {
    run = Run::Replay;
    flags.running = true;
    host.setGoCaption(flags.stepMode ? QStringLiteral("STEP") : QStringLiteral("STOP"));
    host.setBackEnabled(flags.stepMode);
    replayNextMove();
}

void SearchControl::replayNextMove() {
    flags.stopRequest = false;
    host.setMessage(QStringLiteral("move ") + QString::number(p.moveNr));
    if (host.replayStep()) {
        waitingForSlide = true;
        return;
    }
    // Nothing to replay: past the end, or a move the board cannot make (a
    // list recorded from another position); either way the run ends here.
    endReplay();
}

void SearchControl::animationFinished() {
    if (run != Run::Replay || !waitingForSlide)
        return;
    waitingForSlide = false;
    if (flags.stepMode)
        flags.stopRequest = true;
    if (!flags.stopRequest && p.moveNr <= p.lastMove)
        replayNextMove();
    else
        endReplay();
}

void SearchControl::endReplay() {
    if (p.moveNr > p.lastMove)
        host.setMessage(QStringLiteral("end of list"));
    host.setGoCaption(flags.stepMode ? QStringLiteral("STEP") : QStringLiteral("GO"));
    host.setBackEnabled(true);
    run = Run::None;
    flags.running = false;
}

} // namespace trulp
