// The target beside the board: a small grid of the board with X's place at
// the goal.
#pragma once

#include <QImage>
#include <QWidget>

namespace trulp {

class TargetView : public QWidget {
    Q_OBJECT
public:
    explicit TargetView(QWidget* parent);
    // The target at scale 1.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    static void paintTarget(QPainter& canvas);
};

} // namespace trulp
