// The runs: the search GO starts, slice by slice; the replay GO starts, move
// by move; and the coach's solve, best move by best move. Each is a
// timer-driven state machine on the event loop rather than nested event
// processing, so the window stays responsive and a run can never start
// inside another. The runs change the puzzle only through its operations
// and ask the window only to show things.
#pragma once

#include "session.h"

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace trulp {

// What a run needs from the window.
class RunHost {
public:
    virtual ~RunHost() = default;
    // Words, captions, the list and a slide, as the session answered them.
    // A slide ends in SearchControl::slideFinished().
    virtual void showReply(const Reply& reply) = 0;
    virtual void setBackEnabled(bool enabled) = 0;
    // Moves panel and the whole board, once per search slice.
    virtual void redrawSearchView() = 0;
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
    // A board reset: the search time and result start again.
    void resetSearch();

    bool running() const { return run_ != Run::None; }
    bool solving() const { return run_ == Run::Solve; }
    bool stopRequested() const { return stopRequest_; }
    SearchResult searchResult() const { return searchResult_; }

    // Measures the clock that times the search (ticks per microsecond).
    void CalibrateClock();
    double cpuMHz() const { return cpuMHz_; }
    int64_t searchCycles() const { return searchCycles_; }

private:
    enum class Run { None, Search, Replay, Solve };

    static int64_t ReadCycles();
    void say(Words words, int number = 0);
    void caption(GoCaption go);
    void RunSearch();
    void searchSlice();
    void afterSearchWait();
    void endSearch();
    void RunReplay();
    void replayNextMove();
    void endReplay(const Reply& last);
    void solveNextMove();
    void endRun(const Reply& last);

    Session& session_;
    Puzzle& p;
    RunHost& host;
    Run run_ = Run::None;
    bool stopRequest_ = false;
    bool waitingForSlide_ = false;
    SearchResult searchResult_ = kNotSearched;
    double cpuMHz_ = 1.0;
    int64_t searchCycles_ = 0; // clock ticks spent inside SearchStep
    QTimer waitTimer_;
};

} // namespace trulp
