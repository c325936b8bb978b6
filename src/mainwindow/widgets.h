// Small controls that hand their events to the form's handlers, the way the
// form's paint boxes, pictures and labels do.
#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include <functional>

class QCheckBox;
class QPaintEvent;

namespace trulp {

// A surface whose painting and mouse events belong to the form.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent) : QWidget(parent) {}
    std::function<void(QPainter&, const QRect&)> onPaint;
    std::function<void(QMouseEvent*)> onMouseMove, onMouseDown, onMouseUp;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A label (text or picture) that reports the pointer to the form.
class HookLabel : public QLabel {
    Q_OBJECT
public:
    explicit HookLabel(QWidget* parent) : QLabel(parent) {}
    int tag = 0;
    std::function<void()> onEnter, onLeave;
    std::function<void(QMouseEvent*)> onMouseMove, onMouseDown;
    // Shows a toolbar picture (its resource path without ".png"), its
    // background transparent or not, at the label's size, made again
    // whenever the label is resized.
    void setPicture(const QString& base, bool transparent = true);

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QString picture_;
    bool transparent_ = true;
};

// An up-down control bound to a text: two arrow buttons that step a
// position between a minimum and a maximum, repeating while held, and that
// report the release of the mouse button.
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

// Lets a check box's box and its gap to the caption grow and shrink with
// the control's height, as a scaled layout sizes it; its height now is its
// design height.
void ScaleWithHeight(QCheckBox* box);

} // namespace trulp
