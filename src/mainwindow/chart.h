// The game chart: how far the goal was after each move of the list, in
// moves and in piece moves, against the shortest possible pace, drawn on any
// QPainter in the colours of the desktop's style; and the window that shows it.
#pragma once

#include "distance.h"
#include "screenfit.h"
#include "session.h"

#include <QDialog>
#include <QPalette>
#include <QPointF>
#include <QRect>
#include <QString>

#include <vector>

class QLabel;
class QPainter;

namespace trulp {

using ChartData = ChartShown;

QString ChartCaption(const ChartData& chart);

// How far the axes reach, and the step of their ticks: a little beyond the
// game's largest value.
struct ChartAxis {
    int range;
    int step;
};
ChartAxis AxisFor(int largest);

// Where a point of the chart lies in the area.
QPointF ChartPoint(const QRect& area, const ChartData& chart, int move, int distance);
void PaintChart(QPainter& canvas, const QRect& area, const ChartData& chart, const QPalette& palette);

class GameChart : public QDialog {
    Q_OBJECT
public:
    explicit GameChart(QWidget* parent = nullptr);
    // Shows the chart beside its parent, at its design size where that fits
    // the screen; it stays open and the game goes on.
    void ShowChart(const ChartData& chart);
    // A new state of the game, when the chart is open.
    void Follow(const ChartData& chart);
    const ChartData& chart() const { return chart_; }
    static QRect plotArea() { return {0, 0, 620, 360}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    ChartData chart_;
    QLabel* caption_;
    ScaledLayout layout_;
};

} // namespace trulp
