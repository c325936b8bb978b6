#include "widgets.h"

#include "toolbar_pictures.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace trulp {

void PaintBox::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    if (onPaint)
        onPaint(painter, e->rect());
}

void PaintBox::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove)
        onMouseMove(e);
}

void PaintBox::mousePressEvent(QMouseEvent* e) {
    if (onMouseDown)
        onMouseDown(e);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseUp)
        onMouseUp(e);
}

void HookLabel::enterEvent(QEnterEvent* e) {
    QLabel::enterEvent(e);
    if (onEnter)
        onEnter();
}

void HookLabel::leaveEvent(QEvent* e) {
    QLabel::leaveEvent(e);
    if (onLeave)
        onLeave();
}

void HookLabel::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove)
        onMouseMove(e);
    else
        QLabel::mouseMoveEvent(e);
}

void HookLabel::mousePressEvent(QMouseEvent* e) {
    if (onMouseDown)
        onMouseDown(e);
    else
        QLabel::mousePressEvent(e);
}

void HookLabel::setPicture(const QString& base, bool transparent) {
    picture_ = base;
    transparent_ = transparent;
    setPixmap(ToolbarPicture(picture_, size(), devicePixelRatioF(), transparent_));
}

void HookLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (!picture_.isEmpty() && pixmap().deviceIndependentSize().toSize() != size())
        setPixmap(ToolbarPicture(picture_, size(), devicePixelRatioF(), transparent_));
}

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

namespace {

// The desktop's style, with the box of a check box scaled by the control's
// height over its design height.
class IndicatorStyle : public QProxyStyle {
public:
    IndicatorStyle(QObject* owner, int designHeight) : m_designHeight(designHeight) { setParent(owner); }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        if (widget == nullptr || widget->height() == m_designHeight ||
            (metric != PM_IndicatorWidth && metric != PM_IndicatorHeight && metric != PM_CheckBoxLabelSpacing))
            return value;
        return std::max(1, int(std::lround(value * double(widget->height()) / m_designHeight)));
    }

private:
    int m_designHeight;
};

} // namespace

void ScaleWithHeight(QCheckBox* box) {
    // Kept by the window, which lets it go after the box, its last user.
    box->setStyle(new IndicatorStyle(box->window(), box->height()));
}

} // namespace trulp
