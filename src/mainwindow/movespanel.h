// The moves list beside the board: thirty rows of number, letter and arrow,
// scrolled so that the row of the next move shows, and the red pointer at it.
#pragma once

#include <QImage>
#include <QWidget>

namespace trulp {

class Puzzle;

class MovesPanel : public QWidget {
    Q_OBJECT
public:
    MovesPanel(const Puzzle& puzzle, QWidget* parent);
    // The list or the move number changed.
    void showList();
    // Paints the whole panel (background, grid, rows, pointer) in design pixels.
    void paintPanel(QPainter& canvas) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void describe();

    const Puzzle& puzzle_;
};

} // namespace trulp
