#include "hooklabel.h"

#include "toolbar_pictures.h"

#include <QMouseEvent>

namespace trulp {

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

void HookLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
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

} // namespace trulp
