// An up-down control bound to a text: two arrow buttons that step a
// position between a minimum and a maximum, repeating while held, and that
// report the release of the mouse button.
#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include <functional>

namespace trulp {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QWidget* parent, int minimum, int maximum, int position);
    int position() const { return position_; }
    void setPosition(int value);
    void setBoundLabel(QLabel* label);
    std::function<void()> onMouseUp;
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void step(int delta);
    int minimum_, maximum_, position_;
    QLabel* label_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace trulp
