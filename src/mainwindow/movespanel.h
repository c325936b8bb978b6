// The moves list beside the board: thirty rows of number, letter and arrow,
// scrolled so that the row of the next move shows, and the red pointer at it.
#pragma once

#include "session.h"

#include <QWidget>

namespace trulp {

class MovesPanel : public QWidget {
    Q_OBJECT
public:
    explicit MovesPanel(QWidget* parent);
    // The list to draw, at once: the list follows the board move by move.
    void show(const ListShown& list);
    const ListShown& shown() const { return list_; }
    // Paints the whole panel (background, grid, rows, pointer) in design pixels.
    void paintPanel(QPainter& canvas) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void describe();

    ListShown list_;
};

} // namespace trulp
