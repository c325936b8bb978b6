// The coach on the real window: moves to go, the two-stage hint, solve from
// here, and the chart of a game.
#include "chart.h"
#include "distance.h"
#include "form_fixture.h"
#include "optimal.h"
#include "puzzles.h"
#include "puzzlesdialog.h"
#include "start.h"
#include "tables.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <QPainter>

#include <algorithm>

using namespace trulp;

namespace {

int ToGo(FormFixture& fx) {
    return fx.togotext()->text().toInt();
}
int Distance(FormFixture& fx) {
    return tables::TableOf(fx.p().def())->Distance(fx.p().board());
}

MoveRecord Best(FormFixture& fx) {
    return tables::TableOf(fx.p().def())->BestMove(fx.p().board());
}

// The chart as the chart window shows it now.
ChartData ChartNow(FormFixture& fx) {
    fx.action(Act::Chart)->trigger();
    return fx.f().chart().chart();
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
        const MoveRecord best = Best(fx);
        fx.click(fx.hintBtn());
        QCOMPARE(fx.f().session().selected(), int(best.block));
        QCOMPARE(fx.message(), QStringLiteral("hint: H right (116 to go)"));
        QCOMPARE(fx.p().lastMove(), 0); // nothing else changed
        QCOMPARE(fx.p().moveNr(), 1);

        fx.click(fx.hintBtn()); // the hint stands: its move is made
        QVERIFY(fx.f().board().sliding());
        QCOMPARE(fx.f().board().shown().ring, int(best.block));
        QCOMPARE(fx.p().lastMove(), 1);
        QCOMPARE(fx.p().movesList()[1].block, best.block);
        QCOMPARE(fx.p().movesList()[1].direction, best.direction);
        QCOMPARE(fx.message(), QStringLiteral("115 to go"));
        QCOMPARE(ToGo(fx), 115);
        fx.click(fx.hintBtn()); // waits for the slide, then asks again
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 1);

        // The press that waited for the slide gave the next hint; the cursor
        // key makes its move by hand.
        const MoveRecord next = Best(fx);
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
        QVERIFY(!fx.hintBtn()->isEnabled());
        QCOMPARE(fx.p().lastMove(), 1);
    }

    void solveStopsAfterTheMoveUnderWay() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.click(fx.solveBtn());
        QVERIFY(fx.f().runs().running());
        QCOMPARE(fx.message(), QStringLiteral("solving... 115 to go"));
        fx.click(fx.playBtn()); // nothing else acts meanwhile, and says why
        QCOMPARE(fx.f().session().mode(), kPlay);
        QVERIFY(fx.playBtn()->isChecked());
        QCOMPARE(fx.aside(), QStringLiteral("the coach is solving: GO stops it first"));
        fx.key(Qt::Key_Space);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("pause: GO goes on"));
        QCOMPARE(fx.p().lastMove(), 1);
        QTest::qWait(100);
        QCOMPARE(fx.p().lastMove(), 1);
        // GO goes on, as after a paused search; the next press stops it again.
        QVERIFY(fx.goBtn()->isEnabled());
        fx.key(Qt::Key_Return);
        QVERIFY(fx.f().runs().running());
        fx.click(fx.goBtn());
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 2);
        QCOMPARE(fx.message(), QStringLiteral("pause: GO goes on"));
        fx.drag(9, 100, 0); // H: a move of the player's own; GO rests again
        QVERIFY(!fx.goBtn()->isEnabled());
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
        QTest::mouseMove(fx.chart_image(), QPoint(5, 5));
        QTest::mouseMove(fx.chart_image(), QPoint(10, 10));
        QTest::mouseClick(fx.chart_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(fx.f().chart().isVisible());
        const ChartData shown = fx.f().chart().chart();
        QCOMPARE(int(shown.distances.size()), 117);
        QCOMPARE(shown.pieceDistances.front(), 81);
        QCOMPARE(ChartCaption(shown), QStringLiteral("116 moves, 0 to go, shortest possible 116"));
        // Every move was the coach's, and is drawn in the coach's colour.
        QCOMPARE(std::count(shown.coached.begin() + 1, shown.coached.end(), true), 116);
        QImage img(GameChart::plotArea().size(), QImage::Format_RGB32);
        QPainter canvas(&img);
        PaintChart(canvas, GameChart::plotArea(), shown, QPalette());
        canvas.end();
        const QRect area = GameChart::plotArea();
        QVERIFY(ColourNear(img,
                           (ChartPoint(area, shown, 50, shown.distances[50]) +
                            ChartPoint(area, shown, 51, shown.distances[51])) /
                               2,
                           QColor(0, 150, 140)));
    }

    // An easy puzzle solved by hand: the goal glows, the record is announced
    // and kept, and a new run of the program still knows it.
    void recordOfAnEasyPuzzleLastsAcrossRuns() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        const PuzzleInfo& easy = Collection()[1];
        {
            FormFixture fx(folder);
            fx.desktop([&](Desktop& d) {
                d.choosePuzzle = [&] {
                    return PuzzleChoice{PuzzleChoice::Play, easy.def, QString::fromStdString(easy.name())};
                };
            });
            QTest::mouseMove(fx.w("puzzles_image"), QPoint(5, 5));
            QTest::mouseClick(fx.w("puzzles_image"), Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(fx.w<QLabel>("puzzletext")->text(), QString::fromStdString(easy.name()));
            QVERIFY(fx.waitCoach());
            for (const MoveRecord& m : tables::ShortestLine(*easy.def))
                fx.drag(m.block,
                        m.direction == Right  ? 80
                        : m.direction == Left ? -80
                                              : 0,
                        m.direction == Down ? 80
                        : m.direction == Up ? -80
                                            : 0);
            QCOMPARE(fx.message(), QStringLiteral("SOLUTION FOUND ...congratulations !"));
            QVERIFY(fx.f().board().celebrating());
            QVERIFY(fx.w<QLabel>("recordtext")->isVisible());
            QCOMPARE(fx.w<QLabel>("recordtext")->text(),
                     QStringLiteral("new record: %1 moves (shortest %1)").arg(easy.shortest));
            QVERIFY(QTest::qWaitFor([&] { return !fx.f().board().celebrating(); }, 3000));
        }
        FormFixture again(folder);
        const Record* kept = again.f().session().records().Find(*easy.def);
        QVERIFY(kept);
        QCOMPARE(kept->moves, easy.shortest);
        QCOMPARE(kept->pieceMoves, easy.shortestPieces);
        QCOMPARE(kept->solved, 1);
        QVERIFY(PuzzleLine(QStringLiteral("x"), easy, kept)
                    .startsWith(QStringLiteral("\u2605 x\nyour best %1 / %2 \u00B7 shortest %1 / %2\nbest time ")
                                    .arg(easy.shortest)
                                    .arg(easy.shortestPieces)));
    }

    // The axes reach a little beyond the game, whether it is short or long.
    void chartAxesFitTheGame() {
        const struct {
            int largest, range, step;
        } axes[] = {{5, 6, 2}, {13, 15, 5}, {37, 40, 10}, {116, 140, 20}, {148, 160, 20}, {200, 220, 20}};
        for (const auto& a : axes) {
            const ChartAxis axis = AxisFor(a.largest);
            QCOMPARE(axis.range, a.range);
            QCOMPARE(axis.step, a.step);
        }
        // A 13-move game reaches across most of the chart.
        ChartData c;
        c.moves = c.shortest = 13;
        for (int d = 13; d >= 0; --d)
            c.distances.push_back(d);
        const QRect area = GameChart::plotArea();
        const QPointF origin = ChartPoint(area, c, 0, 0), end = ChartPoint(area, c, 13, 13);
        QVERIFY(end.x() - origin.x() > 0.8 * (area.width() - 72));
        QVERIFY(origin.y() - end.y() > 0.8 * (area.height() - 74));
    }

    void chartOfTheSearchLine() {
        FormFixture fx;
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        QVERIFY(fx.waitIdle(60000));
        const ChartData c = ChartNow(fx);
        QCOMPARE(ChartCaption(c), QStringLiteral("148 moves, 0 to go, shortest possible 116"));
        QCOMPARE(c.distances.front(), 116);
        QCOMPARE(c.distances.back(), 0);
        QImage img(GameChart::plotArea().size(), QImage::Format_RGB32);
        QPainter canvas(&img);
        PaintChart(canvas, GameChart::plotArea(), c, QPalette());
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

    // Each press of "new puzzle" draws a new one and shows its seed; a seed
    // typed in draws that puzzle again.
    void newPuzzleEachTime() {
        QWidget owner;
        PuzzlesDialog dialog(&owner);
        auto* seed = dialog.findChild<QLineEdit*>(QStringLiteral("seedEdit"));
        const auto draw = [&](const QString& typed = QString()) {
            QTimer::singleShot(0, &dialog, [&] {
                if (!typed.isEmpty()) {
                    seed->clear();
                    QTest::keyClicks(seed, typed);
                }
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("newPuzzleBtn")),
                                  Qt::LeftButton);
            });
            const PuzzleChoice c = dialog.choose(Records(), PuzzleDef::Classic(), "classic");
            return std::make_pair(FormatStart(*c.def), seed->text());
        };
        const auto first = draw();
        const auto second = draw();
        const auto third = draw();
        QVERIFY(first.first != second.first && second.first != third.first && first.first != third.first);
        QVERIFY(first.second != second.second && second.second != third.second);
        QCOMPARE(draw(first.second), first);
        QCOMPARE(draw(first.second), first);
    }
};

QTEST_MAIN(CoachTest)
#include "coach_test.moc"
