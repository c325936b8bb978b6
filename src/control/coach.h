// The coach's tables, built off the window's thread: the program makes one
// Coach and hands it to the window; the session asks what it needs and is
// handed the table when it is ready. The last few tables are kept, so that
// going back to a puzzle does not build its table again.
#pragma once

#include "distance.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace trulp {

class Coach : public QObject {
    Q_OBJECT
public:
    explicit Coach(QObject* parent = nullptr);
    ~Coach() override;

    // A table for the start of `def`: at once when one is kept, else built
    // in the background (ready() follows). A new wish cancels an older one.
    std::shared_ptr<const DistanceTable> want(const std::shared_ptr<const PuzzleDef>& def);
    // The same, built on this thread (the command line, tests).
    std::shared_ptr<const DistanceTable> buildNow(const std::shared_ptr<const PuzzleDef>& def);
    bool building() const { return worker_.joinable() && !done_; }

signals:
    void ready(std::shared_ptr<const trulp::DistanceTable> table);
    // Positions found so far by the table under way.
    void progress(qint64 positions);

private:
    std::shared_ptr<const DistanceTable> kept(const PuzzleDef& def) const;
    void keep(const std::shared_ptr<const DistanceTable>& table);
    void stop();

    std::vector<std::shared_ptr<const DistanceTable>> kept_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
};

} // namespace trulp
