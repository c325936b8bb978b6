// The runs of GO with a real event loop: search in slices with pause and
// step mode, replay continuous and step by step.
#include "form_fixture.h"

#include "statform.h"

#include <QLabel>
#include <QTimer>

using namespace trulp;

namespace {

bool WaitForRunEnd(FormFixture& fx, int ms = 60000) {
    return fx.waitIdle(ms);
}

bool Busy(FormFixture& fx) {
    return fx.f().runs().running() || fx.f().session().busy();
}

struct Outcome {
    int lastMove;
    SearchCounters counters;
    std::vector<MoveRecord> line;
};

Outcome OutcomeOf(const Puzzle& p) {
    Outcome o{p.lastMove(), p.counters(), {}};
    for (int i = 1; i <= p.lastMove(); ++i)
        o.line.push_back(p.movesList()[i]);
    return o;
}

bool SameLine(const Outcome& a, const Outcome& b) {
    if (a.line.size() != b.line.size())
        return false;
    for (size_t i = 0; i < a.line.size(); ++i)
        if (a.line[i].block != b.line[i].block || a.line[i].direction != b.line[i].direction)
            return false;
    return true;
}

} // namespace

class RunsTest : public QObject {
    Q_OBJECT

private slots:
    void searchRunSolvesAndFillsTheStatistics() {
        FormFixture fx;
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        QVERIFY(Busy(fx));
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("STOP"));
        // While running, other handlers refuse.
        fx.click(fx.resetBtn());
        fx.click(fx.playBtn());
        QCOMPARE(fx.f().session().mode(), kSearch);
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.message(), QStringLiteral("puzzle solved.  (see statistics)"));
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
        QCOMPARE(fx.p().lastMove(), 148);
        QCOMPARE(fx.p().counters().moves, 148u);
        QCOMPARE(fx.p().counters().trialMoves, 506873u);
        QCOMPARE(fx.p().counters().forwardLength, 18113u);
        QCOMPARE(fx.p().counters().forwardHits, 118195u);
        QCOMPARE(fx.p().counters().backwardHits, 3058u);
        QVERIFY(fx.p().GoalReached());
        // The picture shows the solved board: X's colour on its goal fields.
        QCOMPARE(fx.f().board().picture().pixel(200, 450), qRgb(0xFF, 0, 0));
    }

    void pauseAndResumeGiveTheSameResult() {
        Outcome straight;
        {
            FormFixture fx;
            fx.maxmoveUpDown()->setPosition(116);
        fx.maxmoveUpDown()->onMouseUp(); // let go: the limit holds
            fx.click(fx.searchBtn());
            fx.click(fx.goBtn());
            QVERIFY(WaitForRunEnd(fx));
            straight = OutcomeOf(fx.p());
        }
        FormFixture fx;
        fx.maxmoveUpDown()->setPosition(116);
        fx.maxmoveUpDown()->onMouseUp(); // let go: the limit holds
        fx.click(fx.searchBtn());
        int pauses = 0;
        while (true) {
            fx.key(Qt::Key_Space); // GO
            QVERIFY(fx.f().runs().running());
            QTest::qWait(3);
            fx.key(Qt::Key_Return); // STOP, taking effect after the slice
            QVERIFY(WaitForRunEnd(fx));
            if (fx.message() != QStringLiteral("pause"))
                break;
            ++pauses;
            QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
            QCOMPARE(fx.p().counters().moves, uint32_t(fx.p().lastMove()));
        }
        QVERIFY(pauses > 3);
        QCOMPARE(fx.message(), QStringLiteral("puzzle solved.  (see statistics)"));
        const Outcome paused = OutcomeOf(fx.p());
        QCOMPARE(paused.lastMove, 116);
        QVERIFY(SameLine(paused, straight));
        QCOMPARE(paused.counters.trialMoves, straight.counters.trialMoves);
        QCOMPARE(paused.counters.forwardHits, straight.counters.forwardHits);
        QCOMPARE(paused.counters.backwardHits, straight.counters.backwardHits);
        QCOMPARE(paused.counters.forwardLength, straight.counters.forwardLength);
    }

    void stepModeRecordsOneMovePerSlice() {
        FormFixture fx;
        fx.click(fx.searchBtn());
        fx.click(fx.stepcheck());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
        fx.click(fx.goBtn());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("STOP"));
        QCOMPARE(fx.p().moveNr(), 2); // the first slice: one move
        QTest::qWait(200);
        QCOMPARE(fx.p().moveNr(), 2); // still waiting out the 333 ms
        QTRY_COMPARE_WITH_TIMEOUT(fx.p().moveNr(), 3, 1000);
        QTRY_COMPARE_WITH_TIMEOUT(fx.message(), QStringLiteral("computer searching...move: 2"), 1000);
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.message(), QStringLiteral("pause"));
        QVERIFY(fx.p().moveNr() <= 5);
        // Ticking the box off during a pause: the next run uses big slices.
        fx.click(fx.stepcheck());
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.p().lastMove(), 148);
    }

    void exhaustedSearchEndsAgainAtOnce() {
        FormFixture fx;
        fx.maxmoveUpDown()->setPosition(100);
        fx.maxmoveUpDown()->onMouseUp(); // let go: the limit holds
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.message(), QStringLiteral("no solution found"));
        QCOMPARE(fx.p().counters().moves, 0u);
        const uint32_t trials = fx.p().counters().trialMoves;
        fx.msgtext()->setText(QString());
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx, 2000));
        QCOMPARE(fx.message(), QStringLiteral("no solution found"));
        // Only the start position's candidates were tried again.
        QVERIFY(fx.p().counters().trialMoves - trials <= 4);
        QCOMPARE(fx.p().moveNr(), 1);
    }

    void goDoesNothingInPlayOrWithoutMode() {
        FormFixture fx;
        fx.click(fx.goBtn());
        fx.key(Qt::Key_Space);
        QVERIFY(!Busy(fx));
        QVERIFY(!fx.f().runs().stopRequested());
        fx.click(fx.playBtn());
        fx.key(Qt::Key_Return);
        QVERIFY(!Busy(fx));
        QCOMPARE(fx.message(), QStringLiteral("search for solution..."));
    }

    void replayRunsToTheEndOrStepByStep() {
        FormFixture fx;
        fx.maxmoveUpDown()->setPosition(116);
        fx.maxmoveUpDown()->onMouseUp(); // let go: the limit holds
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx));
        fx.openLine(fx.p().movesList(), 6); // a short list keeps the test quick
        fx.click(fx.replayBtn());
        QStringList seen;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const QString m = fx.message();
            if (seen.isEmpty() || seen.back() != m)
                seen << m;
        });
        probe.start(5);
        fx.click(fx.goBtn());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("STOP"));
        QVERIFY(!fx.BackBtn()->isEnabled());
        // A press during the run only stops it after the move under way; it
        // never starts another.
        QVERIFY(QTest::qWaitFor([&] { return fx.p().moveNr() == 3; }, 5000));
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.p().moveNr(), 3);
        QCOMPARE(fx.message(), QStringLiteral("move 2"));
        QTest::qWait(50);
        QVERIFY(!Busy(fx));
        fx.click(fx.goBtn()); // on from there
        QVERIFY(WaitForRunEnd(fx));
        probe.stop();
        QCOMPARE(fx.message(), QStringLiteral("end of list"));
        QCOMPARE(fx.p().moveNr(), 7);
        QVERIFY(fx.p().GoalReached() == false);
        QVERIFY(seen.contains(QStringLiteral("move 1")));
        QVERIFY(seen.contains(QStringLiteral("move 6")));
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
        QVERIFY(fx.BackBtn()->isEnabled());
        QVERIFY(fx.boardSound());

        // Step mode: each press plays one move.
        fx.click(fx.resetBtn());
        fx.click(fx.stepcheck());
        fx.click(fx.goBtn());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("STEP"));
        QVERIFY(fx.BackBtn()->isEnabled());
        QCOMPARE(fx.message(), QStringLiteral("move 1"));
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.p().moveNr(), 2);
        fx.key(Qt::Key_Space);
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.p().moveNr(), 3);
        fx.click(fx.stepcheck());
        fx.click(fx.goBtn()); // continuous again from move 3
        QVERIFY(WaitForRunEnd(fx));
        QCOMPARE(fx.message(), QStringLiteral("end of list"));
        // Past the end: one pass that replays nothing.
        fx.click(fx.goBtn());
        QCOMPARE(fx.message(), QStringLiteral("end of list"));
        QVERIFY(!Busy(fx));
    }

    void stopDuringReplayEndsAfterTheMoveUnderWay() {
        FormFixture fx;
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        QVERIFY(WaitForRunEnd(fx));
        fx.click(fx.replayBtn());
        fx.click(fx.goBtn());
        QTest::qWait(400);
        fx.click(fx.goBtn());   // STOP
        QVERIFY(Busy(fx)); // the slide under way finishes
        QVERIFY(WaitForRunEnd(fx));
        const int stoppedAt = fx.p().moveNr();
        QVERIFY(stoppedAt > 1 && stoppedAt < 148);
        QCOMPARE(fx.message(), QStringLiteral("move ") + QString::number(stoppedAt - 1));
        QTest::qWait(100);
        QCOMPARE(fx.p().moveNr(), stoppedAt);
        QVERIFY(fx.boardSound());
    }

    void statisticsShowZeroBeforeASearch() {
        FormFixture fx;
        TStatForm stats;
        fx.f().setDialogs(&stats, nullptr);
        QStringList shown;
        QTimer::singleShot(100, &stats, [&] {
            for (int i = 1; i <= 6; ++i)
                shown << stats.findChild<QLabel*>(QStringLiteral("StaticText%1").arg(i))->text();
            stats.accept();
        });
        fx.click(fx.statBtn());
        QCOMPARE(shown, QStringList({"0", "0", "0", "0", "0", "0"}));

        // Refused while a search runs.
        fx.click(fx.searchBtn());
        fx.click(fx.goBtn());
        bool opened = false;
        QTimer::singleShot(50, &stats, [&] {
            opened = stats.isVisible();
            if (opened)
                stats.accept();
        });
        fx.click(fx.statBtn());
        QTest::qWait(80);
        QVERIFY(!opened);
        QVERIFY(WaitForRunEnd(fx));
    }

    void closingMidRunEndsItCleanly() {
        FormFixture fx;
        fx.click(fx.searchBtn());
        fx.click(fx.stepcheck());
        fx.click(fx.goBtn());
        QVERIFY(fx.f().runs().running());
        fx.f().close();
        QVERIFY(!Busy(fx));
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
        QTest::qWait(400); // no slice runs after the close
        const int moveNr = fx.p().moveNr();
        QTest::qWait(400);
        QCOMPARE(fx.p().moveNr(), moveNr);

        // Closing during a replay slide.
        FormFixture fx2;
        fx2.click(fx2.playBtn());
        fx2.drag(7, 0, 80);
        fx2.click(fx2.replayBtn());
        fx2.click(fx2.goBtn());
        QVERIFY(fx2.f().board().sliding());
        fx2.f().close();
        QVERIFY(!Busy(fx2));
        QVERIFY(!fx2.Timer1()->isActive());
    }
};

QTEST_MAIN(RunsTest)
#include "runs_test.moc"
