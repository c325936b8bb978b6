// The target beside the board: a small grid of the board with the goal's
// pieces where they must stand.
#pragma once

#include "puzzledef.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace trulp {

class TargetView : public QWidget {
    Q_OBJECT
public:
    explicit TargetView(QWidget* parent);
    // The goal of this puzzle.
    void show(std::shared_ptr<const PuzzleDef> def);
    // The target at scale 1.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void paintTarget(QPainter& canvas) const;

    std::shared_ptr<const PuzzleDef> def_;
};

} // namespace trulp
