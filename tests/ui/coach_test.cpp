// The coach on the real window: moves to go, the two-stage hint, solve from
// here, and the chart of a game.
#include "chart.h"
#include "distance.h"
#include "form_fixture.h"

#include <QPainter>

using namespace trulp;

namespace {

int ToGo(FormFixture& fx) {
    return fx.togotext()->text().toInt();
}
int Distance(FormFixture& fx) {
    return DistanceTable::Shared().Distance(fx.p().blockTable());
}

// Whether a pixel near the point is close to the colour (the lines are
// antialiased).
bool ColourNear(const QImage& img, QPointF at, QColor colour) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = img.pixelColor(int(at.x()) + dx, int(at.y()) + dy);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                60)
                return true;
        }
    return false;
}

} // namespace

class CoachTest : public QObject {
    Q_OBJECT

private slots:
    void hintRingsFirstAndMovesSecond() {
        FormFixture fx;
        QCOMPARE(fx.togotext()->text(), QStringLiteral("116"));
        QVERIFY(!fx.hintBtn()->isEnabled()); // play mode only
        fx.click(fx.playBtn());
        const MoveRecord best = DistanceTable::Shared().BestMove(fx.p().blockTable());
        fx.click(fx.hintBtn());
        QCOMPARE(fx.f().session().selected(), int(best.block));
        QCOMPARE(fx.message(), QStringLiteral("hint: H right (116 to go)"));
        QCOMPARE(fx.p().lastMove(), 0); // nothing else changed
        QCOMPARE(fx.p().moveNr(), 1);

        fx.click(fx.hintBtn()); // the hint stands: its move is made
        QVERIFY(fx.f().sliding());
        QCOMPARE(fx.p().lastMove(), 1);
        QCOMPARE(fx.p().movesList()[1].block, best.block);
        QCOMPARE(fx.p().movesList()[1].direction, best.direction);
        QCOMPARE(fx.message(), QStringLiteral("115 to go"));
        QCOMPARE(ToGo(fx), 115);
        fx.click(fx.hintBtn()); // refused during the slide
        QCOMPARE(fx.message(), QStringLiteral("115 to go"));
        QVERIFY(fx.waitIdle());

        // After a first hint, the cursor key makes the move by hand.
        fx.click(fx.hintBtn());
        const MoveRecord next = DistanceTable::Shared().BestMove(fx.p().blockTable());
        QCOMPARE(fx.f().session().selected(), int(next.block));
        fx.key(next.direction == Right  ? Qt::Key_Right
               : next.direction == Up   ? Qt::Key_Up
               : next.direction == Left ? Qt::Key_Left
                                        : Qt::Key_Down);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 2);
        QCOMPARE(ToGo(fx), 114);
        QVERIFY(fx.boardSound());
    }

    void toGoFollowsEveryChangeOfThePosition() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(7, 0, 80); // F down
        QCOMPARE(ToGo(fx), Distance(fx));
        QVERIFY(ToGo(fx) != 116);
        fx.click(fx.BackBtn());
        QVERIFY(fx.waitIdle());
        QCOMPARE(ToGo(fx), 116);
        fx.drag(7, 0, 80);
        fx.click(fx.replayBtn());
        QCOMPARE(ToGo(fx), 116);
        QVERIFY(fx.replayStep());
        QCOMPARE(ToGo(fx), Distance(fx));
        QVERIFY(!fx.solveBtn()->isEnabled());
        fx.f().solveBtnClick(); // outside play mode nothing happens
        fx.f().hintBtnClick();
        QVERIFY(!fx.f().busy());
        QCOMPARE(fx.p().lastMove(), 1);
    }

    void solveStopsAfterTheMoveUnderWay() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.click(fx.solveBtn());
        QVERIFY(fx.f().busy());
        QCOMPARE(fx.message(), QStringLiteral("solving... 115 to go"));
        fx.click(fx.playBtn()); // nothing else acts meanwhile
        QCOMPARE(fx.f().session().mode(), kPlay);
        fx.key(Qt::Key_Space);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("pause"));
        QCOMPARE(fx.p().lastMove(), 1);
        QTest::qWait(100);
        QCOMPARE(fx.p().lastMove(), 1);
    }

    void solveFromTheStartReachesTheGoalAndCharts() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.click(fx.solveBtn());
        QVERIFY(fx.waitIdle(60000));
        QCOMPARE(fx.message(), QStringLiteral("solution reached"));
        QCOMPARE(fx.p().lastMove(), 116);
        QVERIFY(fx.p().GoalReached());
        QCOMPARE(fx.togotext()->text(), QStringLiteral("0"));

        // The chart of it, as the icon shows it.
        ChartData shown;
        fx.desktop([&](Desktop& d) { d.runChart = [&](const ChartData& c) { shown = c; }; });
        QTest::mouseMove(fx.chart_image(), QPoint(5, 5));
        QTest::mouseMove(fx.chart_image(), QPoint(10, 10));
        QTest::mouseClick(fx.chart_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(int(shown.distances.size()), 117);
        QCOMPARE(ChartCaption(shown), QStringLiteral("116 moves, shortest possible 116"));
    }

    void chartOfTheSearchLine() {
        FormFixture fx;
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        QVERIFY(fx.waitIdle(60000));
        const ChartData c = ChartOf(fx.p());
        QCOMPARE(ChartCaption(c), QStringLiteral("148 moves, shortest possible 116"));
        QCOMPARE(c.distances.front(), 116);
        QCOMPARE(c.distances.back(), 0);
        QImage img(GameChart::plotArea().size(), QImage::Format_RGB32);
        QPainter canvas(&img);
        PaintChart(canvas, GameChart::plotArea(), c);
        canvas.end();
        const QColor line(0, 70, 200), away(220, 30, 30);
        const QRect area = GameChart::plotArea();
        // The game starts at 116, the first move going away from the goal.
        QVERIFY(c.distances[1] > c.distances[0]);
        QVERIFY(ColourNear(img, ChartPoint(area, c, 0, 116), away));
        if (qEnvironmentVariableIsSet("TRULP_CHART_PNG"))
            img.save(qEnvironmentVariable("TRULP_CHART_PNG"));
        // The last move reaches the goal, where the board stands now.
        QVERIFY(c.distances[140] == 8);
        QVERIFY(ColourNear(img, ChartPoint(area, c, 140, 8), line));
        QVERIFY(ColourNear(img, ChartPoint(area, c, 148, 0), QColor(255, 150, 0)));
        int awayMoves = 0;
        for (int n = 1; n <= 148; ++n) {
            const QPointF mid =
                (ChartPoint(area, c, n - 1, c.distances[n - 1]) + ChartPoint(area, c, n, c.distances[n])) / 2;
            if (c.distances[n] > c.distances[n - 1]) {
                ++awayMoves;
                QVERIFY2(ColourNear(img, mid, away), qPrintable(QString::number(n)));
            }
        }
        QVERIFY(awayMoves >= 16); // 32 moves more than the shortest line
    }
};

QTEST_MAIN(CoachTest)
#include "coach_test.moc"
