#include "coach.h"

#include <QMetaObject>

namespace trulp {

namespace {
constexpr size_t kKept = 4;
}

Coach::Coach(QObject* parent) : QObject(parent) {
    qRegisterMetaType<std::shared_ptr<const DistanceTable>>();
}

Coach::~Coach() {
    stop();
}

void Coach::stop() {
    if (worker_.joinable()) {
        cancel_ = true;
        worker_.join();
    }
    cancel_ = false;
}

std::shared_ptr<const DistanceTable> Coach::kept(const PuzzleDef& def) const {
    for (const auto& t : kept_)
        if (t->def().SameStart(def))
            return t;
    return nullptr;
}

void Coach::keep(const std::shared_ptr<const DistanceTable>& table) {
    if (table->status() == DistanceTable::Status::Cancelled || kept(table->def()))
        return;
    kept_.insert(kept_.begin(), table);
    if (kept_.size() > kKept)
        kept_.pop_back();
}

std::shared_ptr<const DistanceTable> Coach::buildNow(const std::shared_ptr<const PuzzleDef>& def) {
    if (auto t = kept(*def))
        return t;
    auto table = DistanceTable::Build(def, Board(*def));
    keep(table);
    return table;
}

std::shared_ptr<const DistanceTable> Coach::want(const std::shared_ptr<const PuzzleDef>& def) {
    if (!def)
        return nullptr;
    if (auto t = kept(*def))
        return t;
    stop();
    done_ = false;
    worker_ = std::thread([this, def] {
        auto table = DistanceTable::Build(
            def, Board(*def),
            [this](int64_t positions) {
                QMetaObject::invokeMethod(
                    this, [this, positions] { emit progress(positions); }, Qt::QueuedConnection);
            },
            &cancel_);
        done_ = true;
        if (table->status() == DistanceTable::Status::Cancelled)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, table] {
                keep(table);
                emit ready(table);
            },
            Qt::QueuedConnection);
    });
    return nullptr;
}

} // namespace trulp
