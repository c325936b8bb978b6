// The game chart: how far the goal was after each move of the list, against
// the shortest possible pace, drawn on any QPainter; and the modal dialog
// that shows it.
#pragma once

#include "distance.h"
#include "screenfit.h"
#include "session.h"

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
    std::vector<bool> coached;  // move n was a hint's or solve's (index 0 unused)
    int moves = 0;              // the list's length
    int mark = 0;               // the move the board stands after (moveNr - 1)
    int shortest = 0;           // moves to go from the start
    int toGo = kNoDistance;     // moves to go from the board now
    int record = 0;             // the player's best for this puzzle, 0 for none
};

ChartData ChartOf(const Session& game);
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
void PaintChart(QPainter& canvas, const QRect& area, const ChartData& chart);

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
