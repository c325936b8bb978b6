// The board: it draws the position the session shows, the keyboard's ring,
// a block being dragged or sliding, and X's glow at the goal. Each frame is
// drawn whole from the position in one scaled painter, so nothing a block
// leaves behind can stay at any scale. It turns the pointer into drags and
// keeps the keys typed while a block slides; what they mean is the session's.
#pragma once

#include "board.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace trulp {

class Session;
struct StepMade;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlideTicks = 25; // of 10 ms
    static constexpr int kSlideStep = 4;   // design pixels a tick
    // Keys wait for the slide under way; a whole line of moves may.
    static constexpr int kKeyQueue = 2 * kMaxMoves;

    BoardView(const Session& session, QWidget* parent);

    // Whether the window refuses input now (a run goes, the window is made).
    std::function<bool()> refusing;

    // The position as the session shows it, drawn whole; the ring on a block.
    void showBoard(int selected);
    void showSelection(int selected);
    // A block slides from the field it left to the one it stands on now.
    void slide(const StepMade& step);
    bool sliding() const { return slideTimer_.isActive(); }
    bool dragging() const { return dragging_; }
    // A key typed: handled at once, or after the slide under way, which then
    // hurries. Keys typed during a run's slide belong to no one.
    void typeKey(int key, const QString& text, bool autoRepeat, bool runGoing);
    // Stops a slide and forgets waiting keys and a drag (window closing).
    void abandon();

    // X glows on the goal for about a second, after the slide under way.
    void celebrate();
    void endCelebration();
    bool celebrating() const { return glowTimer_.isActive() || glowAfterSlide_; }

    // A block's rectangle on the board, in design pixels.
    QRect blockRect(int block) const;
    // The block under a design point, a few pixels in from its edges.
    int blockAt(QPoint at) const;
    // The board as it is drawn now, at scale 1 (for tests and checks).
    QImage picture() const;

signals:
    // A press in play (the keyboard's ring goes).
    void pressed();
    // A drag in play let go: the direction of more than half a field, or 0.
    void dragged(int block, unsigned direction);
    // While setting up: a block taken, and where it was let go.
    void taken(int block);
    void placed(int block, int field);
    // A key, now or after a slide, for the window to make a move of.
    void keyTyped(int key, const QString& text);
    void slideFinished();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    struct Key {
        int key;
        QString text;
    };

    double scale() const { return width() / double(kColumns * 100); }
    QPoint designPoint(const QMouseEvent* e) const;
    void paintBoard(QPainter& canvas) const;
    void slideTick();
    void glowTick();
    void describe();

    const Session& session_;
    int ring_ = 0;
    // A block drawn apart from its field: dragged or sliding.
    int floating_ = 0;
    QPoint floatAt_;
    // The drag.
    bool dragging_ = false;
    int hover_ = 0;
    uint8_t dragDirs_ = 0;
    QPoint grab_;
    // The slide.
    QPoint slideFrom_, slideStep_;
    int slideTicks_ = 0;
    QTimer slideTimer_;
    std::deque<Key> keys_;
    // The celebration.
    QTimer glowTimer_;
    int glowTicks_ = 0;
    bool glowAfterSlide_ = false;
};

} // namespace trulp
