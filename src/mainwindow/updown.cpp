#include "updown.h"

#include <algorithm>

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
    typing_ = new QTimer(this);
    typing_->setSingleShot(true);
    typing_->setInterval(1000);
    connect(typing_, &QTimer::timeout, this, &UpDown::applyTyped);
}

void UpDown::setPosition(int value) {
    position_ = qBound(minimum_, value, maximum_);
    if (label_)
        label_->setText(QString::number(position_));
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void UpDown::setBoundLabel(QLabel* label) {
    label_ = label;
    label_->installEventFilter(this);
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

bool UpDown::pointerOn() const {
    return underMouse() || up_->underMouse() || down_->underMouse() || (label_ && label_->underMouse());
}

void UpDown::typeDigit(int digit) {
    if (!isEnabled())
        return;
    typed_ += QChar(u'0' + digit);
    if (label_)
        label_->setText(typed_);
    if (typed_.size() < 3) {
        typing_->start();
        return;
    }
    typing_->stop();
    applyTyped();
}

void UpDown::applyTyped() {
    if (typed_.isEmpty())
        return;
    const int value = typed_.toInt();
    typed_.clear();
    setPosition(value);
    if (onMouseUp)
        onMouseUp();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
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
