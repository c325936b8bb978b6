// Modes, their controls, reset, the move limit and the replay steps.
#include "form_fixture.h"

#include <QApplication>
#include <QWheelEvent>

using namespace trulp;

namespace {
constexpr int F = 7, G = 8, H = 9;

// Plays n moves of the search's line at limit 150 on the puzzle, as if made by
// hand from the start.
void PlayKnownLine(FormFixture& fx, int n) {
    auto solver = std::make_unique<Puzzle>();
    solver->ResetBoard(150);
    solver->ClearMoves();
    while (solver->SearchStep(10000) == kBudgetSpent) {
    }
    fx.setLine(solver->movesList(), n, n);
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

    // The buttons stand as the session's mode, and the controls as what it offers.
    void modeButtonsShowTheSessionsMode() {
        FormFixture fx;
        const std::pair<QPushButton*, Mode> presses[] = {{fx.playBtn(), kPlay},
                                                         {fx.replayBtn(), kReplay},
                                                         {fx.searchBtn(), kSearch},
                                                         {fx.searchBtn(), kNoMode}};
        for (const auto& [button, mode] : presses) {
            fx.click(button);
            QCOMPARE(fx.f().session().mode(), mode);
            QCOMPARE(fx.playBtn()->isChecked(), mode == kPlay);
            QCOMPARE(fx.replayBtn()->isChecked(), mode == kReplay);
            QCOMPARE(fx.searchBtn()->isChecked(), mode == kSearch);
            const ControlSet offered = fx.f().session().controls();
            const ControlState c = Controls(fx);
            QCOMPARE(c.upDown, bool(offered & Bit(Control::MoveLimit)));
            QCOMPARE(c.back, bool(offered & Bit(Control::Back)));
            QCOMPARE(c.go, bool(offered & Bit(Control::Go)));
            QCOMPARE(c.stat, bool(offered & Bit(Control::Statistics)));
            QCOMPARE(c.step, bool(offered & Bit(Control::Step)));
            QCOMPARE(fx.hintBtn()->isEnabled(), bool(offered & Bit(Control::Hint)));
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

    void modeClickDuringASlideChangesNothing() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('h');
        fx.key(Qt::Key_Right);
        QVERIFY(fx.f().board().sliding());
        fx.click(fx.replayBtn());
        QCOMPARE(fx.f().session().mode(), kPlay);
        QVERIFY(fx.playBtn()->isChecked());
        QVERIFY(!fx.replayBtn()->isChecked());
        fx.click(fx.resetBtn()); // refused too
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().blockTable()[H].field, 17);
        QCOMPARE(fx.p().lastMove(), 1);
    }

    void playFromTheMiddleOfAReplayCutsTheList() {
        FormFixture fx;
        PlayKnownLine(fx, 40);
        fx.click(fx.replayBtn());
        for (int i = 0; i < 9; ++i) {
            QVERIFY(fx.replayStep());
        }
        QCOMPARE(fx.p().moveNr(), 10);
        Board after9;
        for (int i = 1; i <= 9; ++i)
            after9.ApplyStep(fx.p().movesList()[i].block, fx.p().movesList()[i].direction);
        fx.click(fx.playBtn());
        QCOMPARE(fx.p().lastMove(), 9);
        for (int b = 1; b <= kBlocks; ++b)
            QCOMPARE(fx.p().blockTable()[b].field, after9.blockTable[b].field);
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
        const uint8_t fieldAfter = fx.p().blockTable()[fifth.block].field;
        fx.click(fx.BackBtn());
        QVERIFY(fx.f().board().sliding());
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("move 4"));
        QCOMPARE(fx.p().lastMove(), 8);
        QCOMPARE(fx.p().blockTable()[fifth.block].field, UnstepField(fieldAfter, fifth.direction));
        QVERIFY(fx.replayStep());
        QCOMPARE(fx.p().blockTable()[fifth.block].field, fieldAfter);
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
        QCOMPARE(fx.p().blockTable()[5].field, 9);
        QCOMPARE(fx.message(), QStringLiteral("move 2"));
        QVERIFY(fx.boardSound());
    }

    void replayRefusesAMoveTheBoardCannotMake() {
        FormFixture fx;
        fx.click(fx.replayBtn());
        const MoveRecord list[2] = {{}, {1, Right, 0}}; // A right runs into X
        fx.setLine(list, 1, 0);
        QVERIFY(!fx.replayStep());
        QCOMPARE(fx.p().moveNr(), 1);
        QCOMPARE(fx.p().blockTable()[1].field, 0);
        QVERIFY(fx.boardSound());
    }

    void moveLimitNeverFallsBelowTheMovesMade() {
        FormFixture fx;
        PlayKnownLine(fx, 120);
        fx.click(fx.playBtn());
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
        QCOMPARE(fx.p().blockTable()[F].field, 13);
        const QRect r = fx.f().board().blockRect(G);
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
