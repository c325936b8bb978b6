// A label (text or picture) that reports the pointer to its window.
#pragma once

#include <QLabel>

#include <functional>

namespace trulp {

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
    // A double click is one click: its second press does nothing.
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QString picture_;
    bool transparent_ = true;
};

} // namespace trulp
