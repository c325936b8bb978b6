// The runs: the search GO starts, slice by slice; the replay GO starts, move
// by move; and the coach's solve, best move by best move. Each is a
// timer-driven state machine on the event loop rather than nested event
// processing, so the window stays responsive and a run can never start
// inside another. The runs change the puzzle only through its operations
// and ask the window only to show things.
#pragma once

#include "puzzle.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace trulp {

enum Mode : uint8_t { kPlay = 0, kReplay = 1, kSearch = 2, kNoMode = 3 };

// What a run needs from the window.
class RunHost {
public:
    virtual ~RunHost() = default;
    virtual void setMessage(const QString& text) = 0;
    virtual void setGoCaption(const QString& caption) = 0;
    virtual void setBackEnabled(bool enabled) = 0;
    // Moves panel and the whole board, once per search slice.
    virtual void redrawSearchView() = 0;
    // The puzzle has made this step: show the list and slide the block;
    // slideFinished() is called when the slide is over.
    virtual void slideBlock(const StepMade& step) = 0;
};

class SearchControl : public QObject {
    Q_OBJECT
public:
    static constexpr int32_t kSlice = 10000;
    static constexpr int32_t kStepSlice = 1;
    static constexpr int kPauseMs = 2;
    static constexpr int kStepPauseMs = 333;

    SearchControl(Puzzle& puzzle, RunHost& host, QObject* parent = nullptr);

    // GO, Space and Return. During a run they only ask it to stop.
    void goBtnClick(Mode mode, bool windowBusy);
    // The coach's solve from the position on the board (the window checks
    // that it may start); a second press stops it like GO.
    void startSolve();
    void slideFinished();
    // Ends a run as if STOP had been pressed, at once (window closing).
    void abortRun();
    // A board reset: the search time and result start again.
    void resetSearch();

    void setStepMode(bool on) { stepMode_ = on; }
    bool stepMode() const { return stepMode_; }
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
    void RunSearch();
    void searchSlice();
    void afterSearchWait();
    void endSearch();
    void RunReplay();
    void replayNextMove();
    void endReplay();
    void solveNextMove();
    void endSolve(const QString& message);

    Puzzle& p;
    RunHost& host;
    Run run_ = Run::None;
    bool stepMode_ = false;
    bool stopRequest_ = false;
    bool waitingForSlide_ = false;
    PlayResult solveStep_ = PlayResult::Moved;
    SearchResult searchResult_ = kNotSearched;
    double cpuMHz_ = 1.0;
    int64_t searchCycles_ = 0; // clock ticks spent inside SearchStep
    QTimer waitTimer_;
};

} // namespace trulp
