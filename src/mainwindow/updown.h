// An up-down control bound to a text: two arrow buttons that step a
// position between a minimum and a maximum, repeating while held, and that
// report the release of the mouse button.
#pragma once

#include <QLabel>
#include <QTimer>
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
    // Another range; the position is kept within it.
    void setRange(int minimum, int maximum);
    void setBoundLabel(QLabel* label);
    std::function<void()> onMouseUp;
    // A digit typed while the pointer is on the control or its text: three
    // digits, or a pause, make the new position.
    void typeDigit(int digit);
    bool pointerOn() const;
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    // The wheel on the bound text turns the control too.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);
    int minimum_, maximum_, position_;
    QLabel* label_ = nullptr;
    void applyTyped();
    QString typed_;
    QTimer* typing_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace trulp
