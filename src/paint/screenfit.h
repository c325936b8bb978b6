// Windows that fit any screen. Every window is designed at one client size
// (scale 1); where that size with its frame fits the screen's available
// area it opens exactly so, otherwise evenly scaled down until it fits. The
// user may resize it; its content then scales with the aspect ratio kept,
// and the rest of the client area is a neutral margin.
#pragma once

#include <QFont>
#include <QMargins>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>
#include <vector>

class QCheckBox;
class QPainter;
class QScreen;
class QWidget;

namespace trulp {

// No window is made smaller than this share of its design, however small
// the screen.
inline constexpr double kMinimumScale = 0.4;

// How a window opens: the scale of its design, its client size and where
// the top left of its frame goes.
struct WindowFit {
    double scale = 1;
    QSize client;
    QPoint position;
};

// The rule for opening a window whose design client size is `design`, whose
// frame adds `frame`, on a screen whose available area is `available`:
// scale 1 at `preferred` (the frame's designed top left) where the whole
// window fits there; scale 1 moved the least into the available area where
// it fits elsewhere; otherwise the largest scale below 1 at which the
// client area and the unscaled frame fit, moved the least into the area.
WindowFit FitWindow(QSize design, const QMargins& frame, const QRect& available, QPoint preferred);

// A window that goes beside another one (the frame `beside`), on the side
// with more room, covering none of it: at the largest scale up to 1 at which
// its client and `frame` fit that room and the available height, its top
// level with the other's where it can be. A scale of 0 where not even
// `minimumScale` fits.
WindowFit FitBeside(QSize design, const QMargins& frame, const QRect& available, const QRect& beside,
                    double minimumScale);

// The even scale at which `design` fills `client` with its aspect kept.
double AspectScale(QSize design, QSize client);
// The top left of the scaled design centred in `client`: the margin left
// of it and above it.
QPoint CentringOffset(QSize design, double scale, QSize client);
// A design rectangle at a scale, shifted by the offset. Its edges are
// rounded, not its size, so neighbours never gap or overlap.
QRect ScaledRect(const QRect& design, double scale, QPoint offset = {});
// The pixels that a design rectangle touches at a scale, shifted by the
// offset: its edges rounded outward (what to repaint when it changed).
QRect CoveringRect(const QRect& design, double scale, QPoint offset = {});
// The top left of a frame of size `frame` centred over `over`; the halves
// are truncated toward zero, also when the frame is the larger of the two.
QPoint CentredOver(const QRect& over, QSize frame);

// Lets `painter` draw a surface designed at `design` in design coordinates
// on a widget of size `actual`; the identity where the two are equal.
void ScaleToDesign(QPainter& painter, QSize actual, QSize design);
// A point of such a widget in design coordinates (for hit-testing).
QPointF SurfaceToDesign(QPointF local, QSize actual, QSize design);

// The frame the window manager puts around `window`: its own once it has
// been shown, else that of another shown window of the program (its parent
// first), else a guess on the large side.
QMargins FrameMargins(const QWidget& window);

// The part of `screen` a window may take: its available geometry, less
// room for the panels a Wayland desktop does not report.
QRect WorkArea(const QScreen& screen);

// Sizes and places a top-level window by FitWindow on the screen under
// `preferred`, before it is shown. While its frame is still a guess, it is
// fitted once more when the window manager has framed it and it does not fit.
void FitToScreen(QWidget& window, QSize design, QPoint preferred);
// The same, centred over another window (a dialog over the main window).
void FitToScreenOver(QWidget& window, QSize design, const QWidget& over);

// The font a control is designed with: a face by the height of its
// character cell. A cell of 0 leaves the control the font it inherits.
struct DesignFont {
    int cell = 0;
    bool bold = false;
    bool italic = false;
    QString family = QStringLiteral("Arial");
};
// The design font at a scale (CellFont of the scaled cell).
QFont ScaledFont(const DesignFont& font, double scale);

// A text may be longer than its control in some languages: the control's
// font then shrinks, down to this share of its design size and never below
// a readable cell, until the text fits.
inline constexpr double kFloorShare = 0.7;
inline constexpr int kMinimumCell = 9;
// Pixels to spare beside a label's, button's or check box's text in its
// control now (negative: the text is cut); 0 for a control without text.
int TextRoomLeft(const QWidget& control);
// Gives the control the design font at the scale, or the largest smaller one
// down to the floor with which its text fits.
void FitText(QWidget& control, const DesignFont& font, double scale);

// The controls of one window laid out at one scale. A window builds its
// controls at their design places as always, then hands each to add() with
// its design font; from then on every resize of the window places them at
// the design geometry times the aspect-kept scale plus the centring offset,
// with fonts made for the scaled character cells and frame lines scaled.
// At the design size everything is exactly as built.
class ScaledLayout {
public:
    // `window` is laid out at `design` now; its own font is `windowFont`.
    ScaledLayout(QWidget& window, QSize design, const DesignFont& windowFont);
    ~ScaledLayout();
    ScaledLayout(const ScaledLayout&) = delete;
    ScaledLayout& operator=(const ScaledLayout&) = delete;

    // Records a control at its geometry now (its design place) and gives it
    // its design font. Where its text does not fit, in some language, it
    // takes `room` (a design rectangle around its place), if given, and its
    // font shrinks as far as it must.
    void add(QWidget* control, const DesignFont& font = {}, const QRect& room = {});

    // Controls read together (the lines of one sentence, the labels of one
    // dialog): where one must shrink its type, all take that size.
    void group(std::initializer_list<QWidget*> controls);
    // A control's text changed: its font is fitted to it again (and its group's).
    void refit(QWidget* control) const;
    // A control moves to another design place (and is fitted there).
    void setDesign(QWidget* control, const QRect& design);
    // Places everything for a scale and the offset of the design's top left.
    void apply(double scale, QPoint offset);
    // The aspect-kept scale and the centring offset for a client size,
    // applied. The window calls this itself on every resize.
    void fit(QSize client);

    double scale() const { return m_scale; }
    QPoint offset() const { return m_offset; }
    QSize design() const { return m_design; }
    QWidget& window() const { return m_window; }
    // The design rectangle a control was added at; null for any other.
    QRect designOf(const QWidget* control) const;
    // Window coordinates of a design rectangle, and a window point in design
    // coordinates (for hit-testing).
    QRect toWindow(const QRect& design) const { return ScaledRect(design, m_scale, m_offset); }
    QPointF toDesign(QPointF window) const;
    // Sets a painter of the window to draw in design coordinates.
    void scalePainter(QPainter& painter) const;

private:
    struct Item {
        QPointer<QWidget> control;
        QRect design;
        DesignFont font;
        int lineWidth; // a frame's, 0 for none
        QRect room;    // where it may grow when its text needs more room
    };
    class ResizeWatcher;
    void place(const Item& item) const;
    void even(const std::vector<QPointer<QWidget>>& group) const;

    QWidget& m_window;
    QSize m_design;
    DesignFont m_windowFont;
    std::vector<Item> m_items;
    std::vector<std::vector<QPointer<QWidget>>> m_groups;
    double m_scale = 1;
    QPoint m_offset;
    ResizeWatcher* m_watcher;
};

// Lets a check box's box and its gap to the caption grow and shrink with
// the control's height, as a scaled layout sizes it; its height now is its
// design height. On a dark window the box gets a light edge.
void ScaleWithHeight(QCheckBox* box);

} // namespace trulp
