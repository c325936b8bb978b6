// The window's buttons, boxes and value fields: the modes, reset, back, GO,
// statistics, the coach, the set-up's two buttons, help, the step box, the
// move limit, the moves to go and the puzzle's name. It shows a view of the
// game as the session hands it, and reports what the player does to them.
#pragma once

#include "screenfit.h"
#include "session.h"

#include <QObject>

#include <array>

class QLabel;
class QWidget;

namespace trulp {

class UpDown;

class ControlBar : public QObject {
    Q_OBJECT
public:
    // Made on the layout's window at their design places.
    explicit ControlBar(ScaledLayout& layout);

    // The controls as the view says: enabled, checked, captioned, shown.
    void show(const View& view);
    // The control of an act, or none.
    QWidget* control(Act act) const { return controls_[size_t(act)]; }
    UpDown* limit() const;
    QLabel* toGo() const { return togotext_; }

signals:
    void input(const trulp::Input& in);

private:
    ScaledLayout& layout_;
    std::array<QWidget*, kActs> controls_{};
    QLabel* togotext_ = nullptr;
    QLabel* puzzletext_ = nullptr;
    QLabel* goalLabel_ = nullptr;
    QLabel* hereLabel_ = nullptr;
};

} // namespace trulp
