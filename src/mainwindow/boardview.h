// The board: it draws the position it is handed, the keyboard's ring, a
// piece being dragged or sliding, and the goal's glow. Each frame is drawn
// whole from the position in one scaled painter, so nothing a piece leaves
// behind can stay at any scale. It turns the pointer into points of the
// board; what they mean is the session's.
#pragma once

#include "boardlook.h"
#include "session.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace trulp {

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlideTicks = 25; // of 10 ms

    explicit BoardView(QWidget* parent);

    // The position to draw, whole.
    void show(const BoardShown& board);
    const BoardShown& shown() const { return board_; }
    // A piece slides from the field it left to the one it stands on now.
    void slide(const StepMade& step);
    bool sliding() const { return slideTimer_.isActive(); }
    // Input waits for the slide: it finishes in two frames.
    void hurry();
    // Stops a slide (the window closing).
    void abandon();
    // Whether the pointer is on a piece that can move.
    void setHand(bool hand);

    // The goal's pieces glow for about a second, after the slide under way.
    void celebrate();
    void endCelebration();
    bool celebrating() const { return glowTimer_.isActive() || glowAfterSlide_; }

    // A piece's rectangle on the board, in design pixels.
    QRect pieceRect(int piece) const;
    // The board as it is drawn now, at scale 1 (for tests and checks).
    QImage picture() const;

signals:
    // Press, Drag, Release and Hover, at a point of the board in hundredths
    // of a field.
    void input(const trulp::Input& in);
    void slideFinished();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    double scale() const { return width() / double(kBoardArea.width()); }
    void send(Act act, const QMouseEvent* e);
    void paintBoard(QPainter& canvas) const;
    void slideTick();
    void glowTick();
    void describe();

    BoardShown board_;
    BoardGeometry geometry_;
    bool pressed_ = false;
    // The slide.
    int sliding_ = 0;
    QPoint slideFrom_;
    int slideTicks_ = 0;
    QTimer slideTimer_;
    // The celebration.
    QTimer glowTimer_;
    int glowTicks_ = 0;
    bool glowAfterSlide_ = false;
};

} // namespace trulp
