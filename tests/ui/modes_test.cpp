// Modes, their controls, reset, the move limit and the replay steps.
#include "form_fixture.h"

#include <QApplication>
#include <QWheelEvent>

using namespace trulp;

namespace {
constexpr int F = 7, G = 8;

// Plays n moves of the search's line at limit 150 on the puzzle, as if made by
// hand from the start.
void PlayKnownLine(FormFixture& fx, int n) {
    auto solver = std::make_unique<Puzzle>();
    solver->ResetBoard(150);
    solver->ClearMoves();
    while (solver->SearchStep(10000) == kBudgetSpent) {
    }
    fx.playLine(solver->movesList(), n);
}

struct ControlState {
    bool upDown, back, go, stat, step;
};

ControlState Controls(FormFixture& fx) {
    return {fx.maxmoveUpDown()->isEnabled(), fx.BackBtn()->isEnabled(), fx.goBtn()->isEnabled(),
            fx.statBtn()->isEnabled(), fx.stepcheck()->isEnabled()};
}

} // namespace

class ModesTest : public QObject {
    Q_OBJECT

private slots:
    void startState() {
        FormFixture fx;
        QCOMPARE(fx.f().windowTitle(), QStringLiteral("TRULP puzzel"));
        QCOMPARE(fx.f().size(), QSize(564, 730));
        QCOMPARE(fx.message(),
                 QStringLiteral("welcome at the TRULP puzzle. Select \"play\" or \"search\"..."));
        QCOMPARE(fx.f().session().mode(), kNoMode);
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
        const ControlState c = Controls(fx);
        QVERIFY(c.upDown && c.back && c.go && c.stat && c.step);
        QCOMPARE(fx.maxmovetext()->text(), QStringLiteral("150"));
        QCOMPARE(fx.p().maxMove(), 150);
        QCOMPARE(fx.playBtn()->toolTip(), QStringLiteral("find solutions yourself (Ctrl+1)"));
        QCOMPARE(fx.searchBtn()->toolTip(), QStringLiteral("let computer search for solutions (Ctrl+3)"));
    }

    // The buttons stand as the session's mode, and the controls as each mode offers.
    void modeButtonsShowTheSessionsMode() {
        FormFixture fx;
        const struct {
            QPushButton* button;
            Mode mode;
            ControlState controls;
            bool hint;
        } presses[] = {{fx.playBtn(), kPlay, {true, true, false, true, false}, true},
                       {fx.replayBtn(), kReplay, {false, true, true, false, true}, false},
                       {fx.searchBtn(), kSearch, {true, false, true, true, true}, false},
                       {fx.searchBtn(), kNoMode, {false, false, false, false, false}, false}};
        for (const auto& p : presses) {
            fx.click(p.button);
            QCOMPARE(fx.f().session().mode(), p.mode);
            QCOMPARE(fx.playBtn()->isChecked(), p.mode == kPlay);
            QCOMPARE(fx.replayBtn()->isChecked(), p.mode == kReplay);
            QCOMPARE(fx.searchBtn()->isChecked(), p.mode == kSearch);
            const ControlState c = Controls(fx);
            QCOMPARE(c.upDown, p.controls.upDown);
            QCOMPARE(c.back, p.controls.back);
            QCOMPARE(c.go, p.controls.go);
            QCOMPARE(c.stat, p.controls.stat);
            QCOMPARE(c.step, p.controls.step);
            QCOMPARE(fx.hintBtn()->isEnabled(), p.hint);
        }
    }

    void stepBoxSetsTheCaptionOnlyWhenReplayIsEntered() {
        FormFixture fx;
        fx.click(fx.stepcheck());
        QVERIFY(fx.f().session().stepMode());
        fx.click(fx.replayBtn());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("STEP"));
        fx.click(fx.stepcheck());
        QVERIFY(!fx.f().session().stepMode());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("STEP"));
        fx.click(fx.searchBtn());
        QCOMPARE(fx.goBtn()->text(), QStringLiteral("GO"));
    }

    // A click during a slide waits for it: nothing changes under the slide,
    // and nothing is lost.
    void modeClickDuringASlideWaitsForIt() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('h');
        fx.key(Qt::Key_Right);
        QVERIFY(fx.f().board().sliding());
        fx.click(fx.replayBtn());
        QCOMPARE(fx.f().session().mode(), kPlay);
        QVERIFY(fx.playBtn()->isChecked());
        QVERIFY(!fx.replayBtn()->isChecked());
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.f().session().mode(), kReplay);
        QVERIFY(fx.replayBtn()->isChecked());
        QCOMPARE(fx.p().lastMove(), 1);
        QCOMPARE(fx.p().moveNr(), 1);
    }

    void playFromTheMiddleOfAReplayCutsTheList() {
        FormFixture fx;
        PlayKnownLine(fx, 40);
        fx.click(fx.replayBtn());
        for (int i = 0; i < 9; ++i) {
            QVERIFY(fx.replayStep());
        }
        QCOMPARE(fx.p().moveNr(), 10);
        Board after9(fx.p().def());
        for (int i = 1; i <= 9; ++i)
            after9.ApplyStep(fx.p().movesList()[i].block, fx.p().movesList()[i].direction);
        fx.click(fx.playBtn());
        QCOMPARE(fx.p().lastMove(), 9);
        QVERIFY(fx.p().board() == after9);
    }

    void replayBackAndForward() {
        FormFixture fx;
        PlayKnownLine(fx, 8);
        fx.click(fx.replayBtn());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(fx.replayStep());
        }
        QCOMPARE(fx.p().moveNr(), 6);
        const MoveRecord fifth = fx.p().movesList()[5];
        const int fieldAfter = fx.p().board().anchor(fifth.block);
        fx.click(fx.BackBtn());
        QVERIFY(fx.f().board().sliding());
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("move 4"));
        QCOMPARE(fx.p().lastMove(), 8);
        QCOMPARE(fx.p().board().anchor(fifth.block), fx.p().def().UnstepField(fieldAfter, fifth.direction));
        QVERIFY(fx.replayStep());
        QCOMPARE(fx.p().board().anchor(fifth.block), fieldAfter);
        QCOMPARE(fx.p().moveNr(), 6);

        // Reset in replay keeps the list and points at move 1.
        fx.click(fx.resetBtn());
        QCOMPARE(fx.p().moveNr(), 1);
        QCOMPARE(fx.p().lastMove(), 8);
        QCOMPARE(fx.message(), QString());
    }

    void backInPlayDropsTheMove() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(F, 0, 80);
        fx.drag(G, 0, 80);
        fx.drag(5, 0, 80); // D into the two freed fields
        QCOMPARE(fx.p().lastMove(), 3);
        fx.click(fx.BackBtn());
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 2);
        QCOMPARE(fx.p().board().anchor(5), 9);
        QCOMPARE(fx.message(), QStringLiteral("move 2"));
        QVERIFY(fx.boardSound());
    }

    void replayRefusesAMoveTheBoardCannotMake() {
        FormFixture fx;
        fx.click(fx.replayBtn());
        const MoveRecord list[2] = {{}, {1, Right, 0}}; // A right runs into X
        fx.openLine(list, 1);
        QVERIFY(!fx.replayStep());
        QCOMPARE(fx.p().moveNr(), 1);
        QCOMPARE(fx.p().board().anchor(1), 0);
        QVERIFY(fx.boardSound());
    }

    void moveLimitNeverFallsBelowTheMovesMade() {
        FormFixture fx;
        PlayKnownLine(fx, 120); // in play
        fx.maxmoveUpDown()->setPosition(110);
        fx.maxmoveUpDown()->onMouseUp();
        QCOMPARE(fx.p().maxMove(), 120);
        QCOMPARE(fx.maxmoveUpDown()->position(), 120);
        QCOMPARE(fx.maxmovetext()->text(), QStringLiteral("120"));
        fx.maxmoveUpDown()->setPosition(180);
        fx.maxmoveUpDown()->onMouseUp();
        QCOMPARE(fx.p().maxMove(), 180);
        // The arrow buttons step the position and report the release.
        QTest::mouseClick(fx.maxmoveUpDown()->upButton(), Qt::LeftButton);
        QCOMPARE(fx.maxmovetext()->text(), QStringLiteral("181"));
        QTRY_COMPARE(fx.p().maxMove(), 181);
        fx.maxmoveUpDown()->setPosition(300);
        QCOMPARE(fx.maxmoveUpDown()->position(), 200);
        // The wheel on the number and digits typed on it, by the same rules.
        fx.maxmoveUpDown()->setPosition(150);
        QWheelEvent wheel(QPointF(5, 5), fx.maxmovetext()->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(fx.maxmovetext(), &wheel);
        QCOMPARE(fx.p().maxMove(), 151);
        QTest::mouseMove(fx.maxmovetext(), QPoint(5, 5));
        QTRY_VERIFY(fx.maxmoveUpDown()->pointerOn());
        for (Qt::Key k : {Qt::Key_1, Qt::Key_1, Qt::Key_0})
            fx.key(k);
        QCOMPARE(fx.p().maxMove(), 120); // never below the 120 moves made
        QCOMPARE(fx.maxmovetext()->text(), QStringLiteral("120"));
        for (Qt::Key k : {Qt::Key_1, Qt::Key_9, Qt::Key_0})
            fx.key(k);
        QCOMPARE(fx.p().maxMove(), 190);
    }

    void resetWithASelectionLeavesNoRing() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(F, 0, 80);
        fx.type('g');
        QCOMPARE(fx.f().session().selected(), G);
        fx.click(fx.resetBtn());
        QCOMPARE(fx.f().session().selected(), 0);
        QCOMPARE(fx.p().lastMove(), 0);
        QCOMPARE(fx.p().board().anchor(F), 13);
        const QRect r = fx.f().board().pieceRect(G);
        for (int dy = -22; dy <= 22; ++dy)
            QVERIFY(fx.f().board().picture().pixel(r.center().x(), r.center().y() + dy) !=
                    qRgb(0xFF, 0xFF, 0));
    }

    void webLabelHoverAndClick() {
        FormFixture fx;
        QUrl opened;
        fx.desktop([&](Desktop& d) { d.openUrl = [&](const QUrl& url) { opened = url; }; });
        fx.Label7()->onEnter();
        QCOMPARE(fx.Label7()->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QVERIFY(fx.Label7()->font().underline());
        fx.Label7()->onLeave();
        QCOMPARE(fx.Label7()->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QVERIFY(!fx.Label7()->font().underline());
        QTest::mouseClick(fx.Label7(), Qt::LeftButton);
        QCOMPARE(opened.host(), QStringLiteral("www.quorvel.example"));
    }
};

QTEST_MAIN(ModesTest)
#include "modes_test.moc"
