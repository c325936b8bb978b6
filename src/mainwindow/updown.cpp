#include "updown.h"

#include <QTimer>
#include <QWheelEvent>

namespace trulp {

UpDown::UpDown(QWidget* parent, int minimum, int maximum, int position)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(position), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(60);
        b->setFocusPolicy(Qt::NoFocus);
        // After the click that steps the position, which follows the release.
        connect(b, &QToolButton::released, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (onMouseUp)
                    onMouseUp();
            });
        });
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("upButton"));
    down_->setObjectName(QStringLiteral("downButton"));
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setPosition(int value) {
    position_ = qBound(minimum_, value, maximum_);
    if (label_)
        label_->setText(QString::number(position_));
}

void UpDown::setBoundLabel(QLabel* label) {
    label_ = label;
    setPosition(position_);
}

void UpDown::step(int delta) {
    setPosition(position_ + delta);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::wheelEvent(QWheelEvent* e) {
    if (!isEnabled())
        return;
    const int delta = e->angleDelta().y() > 0 ? 1 : e->angleDelta().y() < 0 ? -1 : 0;
    if (delta != 0) {
        step(delta);
        if (onMouseUp)
            onMouseUp();
    }
    e->accept();
}

} // namespace trulp
