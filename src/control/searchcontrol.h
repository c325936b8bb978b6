// The runs: the search GO starts, slice by slice; the replay GO starts, move
// by move; and the coach's solve, best move by best move. Each is a
// timer-driven state machine on the event loop rather than nested event
// processing, so the window stays responsive and a run can never start
// inside another. The runs hold only their own state; the session makes
// every move and says every word, and the window shows its replies.
#pragma once

#include "session.h"

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace trulp {

// What a run needs from the window: to show a reply. A slide it starts
// ends in SearchControl::slideFinished().
class RunHost {
public:
    virtual ~RunHost() = default;
    virtual void showReply(const Reply& reply) = 0;
};

class SearchControl : public QObject {
    Q_OBJECT
public:
    static constexpr int32_t kSlice = 10000;
    static constexpr int32_t kStepSlice = 1;
    static constexpr int kPauseMs = 2;
    static constexpr int kStepPauseMs = 333;

    SearchControl(Session& session, RunHost& host, QObject* parent = nullptr);

    // GO, Space and Return. During a run they only ask it to stop.
    void goBtnClick(bool windowBusy);
    // The coach's solve from the position on the board, when the session
    // allows it; a press during the solve run stops it like GO.
    void startSolve(bool windowBusy);
    void slideFinished();
    // Ends a run as if STOP had been pressed, at once (window closing).
    void abortRun();
    // A board reset: the search time starts again.
    void resetSearch() { searchCycles_ = 0; }

    bool running() const { return run_ != Run::None; }
    bool solving() const { return run_ == Run::Solve; }
    bool stopRequested() const { return stopRequest_; }

    // The clock that times the search (ticks per microsecond).
    static double cpuMHz();
    int64_t searchCycles() const { return searchCycles_; }

private:
    enum class Run { None, Search, Replay, Solve };

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
    Run run_ = Run::None;
    bool stopRequest_ = false;
    bool waitingForSlide_ = false;
    int64_t searchCycles_ = 0; // clock ticks spent inside the search slices
    QTimer waitTimer_;
};

} // namespace trulp
