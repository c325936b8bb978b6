// The runs that GO starts: the search, slice by slice, and the replay, move
// by move. Both are driven by timers from the event loop rather than by
// nested event processing, so the window stays responsive and a run can
// never start inside another.
#pragma once

#include "puzzle.h"
#include "runflags.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace trulp {

// What a run needs from the window.
class RunHost {
public:
    virtual ~RunHost() = default;
    virtual void setMessage(const QString& text) = 0;
    virtual void setGoCaption(const QString& caption) = 0;
    virtual void setBackEnabled(bool enabled) = 0;
    // Moves panel and the whole board, once per search slice.
    virtual void redrawSearchView() = 0;
    // Starts the slide of the move at moveNr; false when there is none or
    // the block cannot make it on the board as it stands.
    virtual bool replayStep() = 0;
};

class SearchControl : public QObject {
    Q_OBJECT
public:
    static constexpr int32_t kSlice = 10000;
    static constexpr int32_t kStepSlice = 1;
    static constexpr int kPauseMs = 2;
    static constexpr int kStepPauseMs = 333;

    SearchControl(Puzzle& puzzle, RunFlags& flags, RunHost& host, QObject* parent = nullptr);

    // GO, Space and Return.
    void goBtnClick();
    // The window tells when a slide has ended.
    void animationFinished();
    // Ends a run as if STOP had been pressed, at once (window closing).
    void abortRun();
    // A reset starts the search time again.
    void resetSearchTime() { searchCycles = 0; }

    // Clock ticks per microsecond of the clock that times the search.
    static double CalibrateClock();
    static int64_t ReadCycles();

    double cpuMHz;
    int64_t searchCycles = 0; // clock ticks spent inside SearchStep

private:
    enum class Run { None, Search, Replay };

    void RunSearch();
    void searchSlice();
    void afterSearchWait();
    void endSearch();
    void RunReplay();
    void replayNextMove();
    void endReplay();

    Puzzle& p;
    RunFlags& flags;
    RunHost& host;
    Run run = Run::None;
    bool waitingForSlide = false;
    QTimer waitTimer;
};

} // namespace trulp
