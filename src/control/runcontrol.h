// The runs: the search, slice by slice; the replay, move by move; and the
// coach's solve, best move by best move. Each is a timer-driven state
// machine on the event loop rather than nested event processing, so the
// window stays responsive and a run can never start inside another. The
// session orders them and makes every move and says every word; the runs
// hold only their timing.
#pragma once

#include "session.h"

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace trulp {

// What a run needs from the window: to show a reply. A slide it starts
// ends in RunControl::slideFinished().
class RunHost {
public:
    virtual ~RunHost() = default;
    virtual void showReply(const Reply& reply) = 0;
};

class RunControl : public QObject {
    Q_OBJECT
public:
    static constexpr int32_t kSlice = 10000;
    static constexpr int32_t kStepSlice = 1;
    static constexpr int kPauseMs = 2;
    static constexpr int kStepPauseMs = 333;

    RunControl(Session& session, RunHost& host, QObject* parent = nullptr);

    // What a reply ordered: a run to start, or the one going to stop after
    // its current slice or move.
    void order(RunOrder order);
    void slideFinished();
    // Ends a run as if STOP had been pressed, at once (window closing).
    void abortRun();
    // A board reset: the search time starts again.
    void resetSearch() { searchCycles_ = 0; }

    bool running() const { return run_ != RunOrder::None; }
    bool stopRequested() const { return stopRequest_; }

    // The clock that times the search (ticks per microsecond).
    static double cpuMHz();
    int64_t searchCycles() const { return searchCycles_; }

private:
    static int64_t ReadCycles();
    void searchSlice();
    void afterSearchWait();
    void endSearch();
    void replayNextMove();
    void solveNextMove();
    // The run is over; its last reply is shown.
    void endRun(const Reply& last);

    Session& session_;
    RunHost& host;
    RunOrder run_ = RunOrder::None;
    bool stopRequest_ = false;
    bool waitingForSlide_ = false;
    int64_t searchCycles_ = 0; // clock ticks spent inside the search slices
    QTimer waitTimer_;
};

} // namespace trulp
