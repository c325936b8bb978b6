#include "toolbar.h"

#include "screenfit.h"

#include <QMouseEvent>
#include <QPainter>

namespace trulp {

ToolBar::ToolBar(ScaledLayout& layout) : QObject(&layout.window()), layout_(layout) {
    struct Look {
        const char* name;
        QRect geometry;
        const char* resource;
        QString tip, spoken;
    };
    const Look looks[Count] = {
        {},
        {"open_image", {16, 5, 50, 46}, ":/icons/open", tr("open"), tr("open moves file")},
        {"save_image", {72, 12, 49, 40}, ":/icons/save", tr("save"), tr("save moves")},
        {"pr_image", {128, 16, 43, 37}, ":/icons/print", tr("print"), tr("print")},
        {"pr_setup", {176, 24, 49, 26}, ":/icons/printer_setup", tr("printer setup"), tr("printer setup")},
        {"chart_image", {234, 16, 46, 37}, ":/icons/chart", tr("game chart"), tr("game chart")},
        {"puzzles_image", {238, 111, 44, 32}, ":/icons/puzzles", tr("puzzles"), tr("puzzles")},
    };
    for (int tag = Open; tag < Count; ++tag) {
        const Look& s = looks[tag];
        auto* icon = new HookLabel(&layout.window());
        icon->setObjectName(QLatin1String(s.name));
        icon->tag = tag;
        icon->setGeometry(s.geometry);
        icon->setToolTip(s.tip);
        icon->setAccessibleName(s.spoken);
        icon->setCursor(Qt::PointingHandCursor);
        icon->setMouseTracking(true);
        icon->setPicture(QLatin1String(s.resource));
        layout.add(icon);
        icon->onMouseMove = [this, tag](QMouseEvent*) {
            if (tag != framed_)
                setFramed(tag);
        };
        // The picture clicked runs, whatever the pointer did before.
        icon->onMouseDown = [this, tag](QMouseEvent* e) {
            if (e->button() != Qt::LeftButton)
                return;
            emit activated(tag);
            setFramed(None);
        };
        pictures_[size_t(tag)] = icon;
    }
}

QRect ToolBar::frameRect(int picture) const {
    return layout_.designOf(pictures_[size_t(picture)]).adjusted(-2, -2, 2, 2);
}

void ToolBar::paintFrame(QPainter& canvas) const {
    if (framed_ == None)
        return;
    const QRect f = frameRect(framed_);
    canvas.setPen(QPen(QColor(0, 0, 255), 2));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRectF(f).adjusted(1, 1, -1, -1));
}

// The old frame goes and the new one comes at once.
void ToolBar::setFramed(int picture) {
    QWidget& window = layout_.window();
    for (const int f : {framed_, picture})
        if (f != None) {
            framed_ = picture;
            window.repaint(CoveringRect(frameRect(f), layout_.scale(), layout_.offset()));
        }
    framed_ = picture;
}

void ToolBar::pointerLeft() {
    if (framed_ != None)
        setFramed(None);
}

} // namespace trulp
