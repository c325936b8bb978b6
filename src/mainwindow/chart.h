// The game chart: how far the goal was after each move of the list, against
// the shortest possible pace, drawn on any QPainter; and the modal dialog
// that shows it.
#pragma once

#include "puzzle.h"
#include "screenfit.h"

#include <QDialog>
#include <QPointF>
#include <QRect>
#include <QString>

#include <vector>

class QLabel;
class QPainter;

namespace trulp {

struct ChartData {
    std::vector<int> distances; // after moves 0..n of the list, as far as it replays
    int moves = 0;              // the list's length
    int mark = 0;               // the move the board stands after (moveNr - 1)
    int shortest = 0;           // moves to go from the start
};

ChartData ChartOf(const Puzzle& p);
QString ChartCaption(const ChartData& chart);

// Where a point of the chart lies in the area.
QPointF ChartPoint(const QRect& area, const ChartData& chart, int move, int distance);
void PaintChart(QPainter& canvas, const QRect& area, const ChartData& chart);

class GameChart : public QDialog {
    Q_OBJECT
public:
    explicit GameChart(QWidget* parent = nullptr);
    // Shows the chart modally, centred over its parent, at its design size
    // where that fits the screen; returns when it is closed.
    void ShowChart(const ChartData& chart);
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
