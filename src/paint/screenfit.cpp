#include "screenfit.h"

#include "paintkit.h"
#include "theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace trulp {

namespace {

// Before a window manager has framed any window of ours: a title bar and
// thin borders, on the large side, so that the window rather ends up a
// little small than reaching past the screen.
constexpr QMargins kGuessedFrame{4, 38, 4, 4};

// Where the desktop's panels are, Wayland does not tell a client: its
// available geometry is the whole screen, and a window of the screen's
// height ends under the top bar, its bottom row of buttons cut off. There
// room is left for a panel like GNOME's or weston's.
constexpr int kUnseenPanels = 48;

QSize Scaled(QSize design, double scale) {
    return {int(std::lround(design.width() * scale)), int(std::lround(design.height() * scale))};
}

// Moves `outer` the least so that it lies inside `area`; where it is larger,
// its top left goes to the area's.
QPoint MovedInside(const QRect& outer, const QRect& area) {
    const int x = std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height()));
    return {x, y};
}

// The window manager's frame, once it has put one around the window; a
// null margin before (or where there is no window manager).
QMargins KnownMargins(const QWidget& window) {
    if (!window.isWindow() || !window.testAttribute(Qt::WA_WState_Created))
        return {};
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QScreen* ScreenFor(const QWidget& window, const QRect& outer) {
    if (QScreen* s = QGuiApplication::screenAt(outer.center()))
        return s;
    if (const QWidget* parent = window.parentWidget())
        return parent->screen();
    return window.screen();
}

// Fits the window once more when the window manager has framed it, should
// the guessed frame have been too small for it to fit.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget& window, QSize design) : QObject(&window), m_window(window), m_design(design) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            done();
        } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            const QMargins frame = KnownMargins(m_window);
            if (!frame.isNull()) {
                done();
                refit(frame);
            }
        }
        return false;
    }

private:
    void done() {
        m_window.removeEventFilter(this);
        deleteLater();
    }
    void refit(const QMargins& frame) {
        const QRect available = WorkArea(*m_window.screen());
        const QRect outer = m_window.frameGeometry();
        if (available.contains(outer))
            return;
        const WindowFit fit = FitWindow(m_design, frame, available, outer.topLeft());
        // Not from inside the window's own move or resize.
        QWidget* window = &m_window;
        QMetaObject::invokeMethod(
            window,
            [window, fit] {
                window->resize(fit.client);
                window->move(fit.position);
            },
            Qt::QueuedConnection);
    }

    QWidget& m_window;
    QSize m_design;
};

} // namespace

QRect WorkArea(const QScreen& screen) {
    QRect area = screen.availableGeometry();
    if (area == screen.geometry() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        area.setTop(area.top() + kUnseenPanels);
    return area;
}

WindowFit FitWindow(QSize design, const QMargins& frame, const QRect& available, QPoint preferred) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const double room = std::min(double(available.width() - frameWidth) / design.width(),
                                 double(available.height() - frameHeight) / design.height());
    WindowFit fit;
    fit.client = room >= 1 ? design : Scaled(design, std::max(room, kMinimumScale));
    fit.scale = AspectScale(design, fit.client);
    const QRect outer(preferred, fit.client.grownBy(frame));
    fit.position = available.contains(outer) ? preferred : MovedInside(outer, available);
    return fit;
}

WindowFit FitBeside(QSize design, const QMargins& frame, const QRect& available, const QRect& beside,
                    double minimumScale) {
    const int right = available.right() - beside.right();
    const int left = beside.left() - available.left();
    const int room = std::max(left, right) - frame.left() - frame.right();
    const int height = available.height() - frame.top() - frame.bottom();
    WindowFit fit;
    const double scale = std::min({1.0, double(room) / design.width(), double(height) / design.height()});
    if (scale < minimumScale) {
        fit.scale = 0;
        return fit;
    }
    fit.scale = scale;
    fit.client = Scaled(design, scale);
    const QSize outer = fit.client.grownBy(frame);
    const int x = right >= left ? beside.right() + 1 : beside.left() - outer.width();
    const int y = std::clamp(beside.top(), available.top(), available.bottom() + 1 - outer.height());
    fit.position = QPoint(x, y);
    return fit;
}

double AspectScale(QSize design, QSize client) {
    return std::min(double(client.width()) / design.width(), double(client.height()) / design.height());
}

QPoint CentringOffset(QSize design, double scale, QSize client) {
    const QSize used = Scaled(design, scale);
    return {(client.width() - used.width()) / 2, (client.height() - used.height()) / 2};
}

QRect ScaledRect(const QRect& design, double scale, QPoint offset) {
    const auto edge = [scale](int v) { return int(std::lround(v * scale)); };
    const int left = edge(design.left()), top = edge(design.top());
    const int right = edge(design.left() + design.width()), bottom = edge(design.top() + design.height());
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

QRect CoveringRect(const QRect& design, double scale, QPoint offset) {
    const int left = int(std::floor(design.left() * scale)), top = int(std::floor(design.top() * scale));
    const int right = int(std::ceil((design.left() + design.width()) * scale));
    const int bottom = int(std::ceil((design.top() + design.height()) * scale));
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

QPoint CentredOver(const QRect& over, QSize frame) {
    // C++ integer division truncates toward zero, as wanted for both signs.
    return {over.left() + (over.width() - frame.width()) / 2,
            over.top() + (over.height() - frame.height()) / 2};
}

void ScaleToDesign(QPainter& painter, QSize actual, QSize design) {
    if (actual != design)
        painter.scale(double(actual.width()) / design.width(), double(actual.height()) / design.height());
}

QPointF SurfaceToDesign(QPointF local, QSize actual, QSize design) {
    return {local.x() * design.width() / actual.width(), local.y() * design.height() / actual.height()};
}

QMargins FrameMargins(const QWidget& window) {
    QMargins frame = KnownMargins(window);
    if (!frame.isNull())
        return frame;
    if (const QWidget* parent = window.parentWidget()) {
        frame = KnownMargins(*parent->window());
        if (!frame.isNull())
            return frame;
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible()) {
            frame = KnownMargins(*other);
            if (!frame.isNull())
                return frame;
        }
    }
    return kGuessedFrame;
}

void FitToScreen(QWidget& window, QSize design, QPoint preferred) {
    const QMargins frame = FrameMargins(window);
    const QScreen* screen = ScreenFor(window, QRect(preferred, design.grownBy(frame)));
    const WindowFit fit = FitWindow(design, frame, WorkArea(*screen), preferred);
    window.resize(fit.client);
    window.move(fit.position);
    if (KnownMargins(window).isNull())
        new FrameWatcher(window, design);
}

void FitToScreenOver(QWidget& window, QSize design, const QWidget& over) {
    FitToScreen(window, design, CentredOver(over.frameGeometry(), design.grownBy(FrameMargins(window))));
}

QFont ScaledFont(const DesignFont& font, double scale) {
    const int cell = std::max(1, int(std::lround(font.cell * scale)));
    return CellFont(font.family, cell, font.bold, font.italic);
}

// Lays the window out again whenever it is resized, before it paints.
class ScaledLayout::ResizeWatcher : public QObject {
public:
    ResizeWatcher(QWidget& window, ScaledLayout& layout) : QObject(&window), m_layout(layout) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            m_layout.fit(static_cast<QWidget*>(watched)->size());
        return false;
    }

private:
    ScaledLayout& m_layout;
};

ScaledLayout::ScaledLayout(QWidget& window, QSize design, const DesignFont& windowFont)
    : m_window(window), m_design(design), m_windowFont(windowFont),
      m_watcher(new ResizeWatcher(window, *this)) {
    if (windowFont.cell > 0)
        window.setFont(ScaledFont(windowFont, 1));
    window.setMinimumSize(Scaled(design, kMinimumScale));
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.resize(design);
}

ScaledLayout::~ScaledLayout() {
    delete m_watcher;
}

void ScaledLayout::add(QWidget* control, const DesignFont& font, const QRect& room) {
    const auto* frame = qobject_cast<const QFrame*>(control);
    const int lineWidth = frame != nullptr && frame->frameShape() != QFrame::NoFrame ? frame->lineWidth() : 0;
    m_items.push_back({control, control->geometry(), font, lineWidth, room});
    place(m_items.back());
}

void ScaledLayout::apply(double scale, QPoint offset) {
    if (scale == m_scale && offset == m_offset)
        return;
    m_scale = scale;
    m_offset = offset;
    if (m_windowFont.cell > 0)
        m_window.setFont(ScaledFont(m_windowFont, scale));
    for (const Item& item : m_items)
        place(item);
    for (const auto& g : m_groups)
        even(g);
}

int TextRoomLeft(const QWidget& control) {
    const QFontMetrics fm = control.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty() || label->wordWrap() || label->text().contains(u'\n'))
            return 0;
        return label->contentsRect().width() - 2 * label->margin() - fm.horizontalAdvance(label->text());
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        const QStyle* style = box->style();
        return box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) -
               fm.horizontalAdvance(box->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty())
            return 0;
        // The frame and a little air on either side.
        return button->width() - 8 - fm.horizontalAdvance(QString(button->text()).remove(u'&'));
    }
    return 0;
}

void FitText(QWidget& control, const DesignFont& font, double scale) {
    const int cell = std::max(1, int(std::lround(font.cell * scale)));
    const int floor = std::max(kMinimumCell, int(std::lround(cell * kFloorShare)));
    for (int c = cell;; --c) {
        control.setFont(CellFont(font.family, c, font.bold, font.italic));
        if (c <= floor || TextRoomLeft(control) >= 0)
            return;
    }
}

void ScaledLayout::group(std::initializer_list<QWidget*> controls) {
    m_groups.emplace_back(controls.begin(), controls.end());
    even(m_groups.back());
}

void ScaledLayout::even(const std::vector<QPointer<QWidget>>& group) const {
    int smallest = 0;
    for (const QPointer<QWidget>& c : group)
        if (c && c->font().pixelSize() > 0 && (smallest == 0 || c->font().pixelSize() < smallest))
            smallest = c->font().pixelSize();
    for (const QPointer<QWidget>& c : group)
        if (c && c->font().pixelSize() > smallest && smallest > 0) {
            QFont font = c->font();
            font.setPixelSize(smallest);
            c->setFont(font);
        }
}

void ScaledLayout::refit(QWidget* control) const {
    const auto of = std::find_if(m_groups.begin(), m_groups.end(), [control](const auto& g) {
        return std::find(g.begin(), g.end(), control) != g.end();
    });
    for (const Item& item : m_items)
        if (item.control == control ||
            (of != m_groups.end() && std::find(of->begin(), of->end(), item.control) != of->end()))
            place(item);
    if (of != m_groups.end())
        even(*of);
}

void ScaledLayout::setDesign(QWidget* control, const QRect& design) {
    for (Item& item : m_items)
        if (item.control == control) {
            item.design = design;
            place(item);
        }
}

void ScaledLayout::place(const Item& item) const {
    if (item.control.isNull())
        return;
    item.control->setGeometry(ScaledRect(item.design, m_scale, m_offset));
    if (item.font.cell > 0)
        FitText(*item.control, item.font, m_scale);
    // A text too long for its place takes the room beside it before its
    // type shrinks; only where even the room is too small does it shrink.
    const bool shrunk =
        item.font.cell > 0 && item.control->font().pixelSize() < ScaledFont(item.font, m_scale).pixelSize();
    if (item.room.isValid() && (shrunk || TextRoomLeft(*item.control) < 0)) {
        item.control->setGeometry(ScaledRect(item.room, m_scale, m_offset));
        if (item.font.cell > 0)
            FitText(*item.control, item.font, m_scale);
    }
    if (item.lineWidth > 0) {
        if (auto* frame = qobject_cast<QFrame*>(item.control.data()))
            frame->setLineWidth(std::max(1, int(std::lround(item.lineWidth * m_scale))));
    }
}

void ScaledLayout::fit(QSize client) {
    const double scale = AspectScale(m_design, client);
    apply(scale, CentringOffset(m_design, scale, client));
}

QRect ScaledLayout::designOf(const QWidget* control) const {
    for (const Item& item : m_items)
        if (item.control == control)
            return item.design;
    return {};
}

QPointF ScaledLayout::toDesign(QPointF window) const {
    return (window - QPointF(m_offset)) / m_scale;
}

void ScaledLayout::scalePainter(QPainter& painter) const {
    painter.translate(m_offset);
    painter.scale(m_scale, m_scale);
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
            (metric != PM_IndicatorWidth && metric != PM_IndicatorHeight &&
             metric != PM_CheckBoxLabelSpacing))
            return value;
        return std::max(1, int(std::lround(value * double(widget->height()) / m_designHeight)));
    }

    // On a dark window the desktop's box is drawn dark on dark: it gets a
    // light edge there, so the step box can be seen.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorCheckBox || !IsDarkPalette(option->palette)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // A copy of the button's own option: the style reads its check state.
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button == nullptr) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QStyleOptionButton lit(*button);
        lit.palette.setColor(QPalette::Window, QColor(0xD0, 0xD0, 0xD0));
        lit.palette.setColor(QPalette::Base, option->palette.color(QPalette::Base).lighter(160));
        QProxyStyle::drawPrimitive(element, &lit, painter, widget);
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
