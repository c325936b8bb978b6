// Modes, their controls, reset, the move limit and the replay steps.
#include "form_fixture.h"

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
    return {fx.f().maxmoveUpDown->isEnabled(), fx.f().BackBtn->isEnabled(), fx.f().goBtn->isEnabled(),
            fx.f().statBtn->isEnabled(), fx.f().stepcheck->isEnabled()};
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
        QCOMPARE(fx.f().flags.mode, kNoMode);
        QCOMPARE(fx.f().goBtn->text(), QStringLiteral("GO"));
        const ControlState c = Controls(fx);
        QVERIFY(c.upDown && c.back && c.go && c.stat && c.step);
        QCOMPARE(fx.f().maxmovetext->text(), QStringLiteral("150"));
        QCOMPARE(fx.p().maxMove(), 150);
        QCOMPARE(fx.f().playBtn->toolTip(), QStringLiteral("find solutions yourself"));
        QCOMPARE(fx.f().searchBtn->toolTip(), QStringLiteral("let computer search for solutions"));
    }

    void modeButtonsFollowTheTable() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        QCOMPARE(fx.f().flags.mode, kPlay);
        ControlState c = Controls(fx);
        QVERIFY(c.upDown && c.back && !c.go && !c.stat && !c.step);
        QCOMPARE(fx.message(), QStringLiteral("search for solution..."));

        fx.drag(F, 0, 80);
        fx.click(fx.f().replayBtn);
        QCOMPARE(fx.f().flags.mode, kReplay);
        QVERIFY(!fx.f().playBtn->isChecked());
        QVERIFY(fx.f().replayBtn->isChecked());
        c = Controls(fx);
        QVERIFY(!c.upDown && c.back && c.go && !c.stat && c.step);
        QCOMPARE(fx.message(), QStringLiteral("show moves"));
        QCOMPARE(fx.p().blockTable()[F].field, 13); // start position
        QCOMPARE(fx.p().lastMove(), 1);             // list kept
        QCOMPARE(fx.p().moveNr(), 1);

        fx.click(fx.f().searchBtn);
        c = Controls(fx);
        QVERIFY(c.upDown && !c.back && c.go && c.stat && c.step);
        QCOMPARE(fx.p().lastMove(), 0); // emptied
        QCOMPARE(fx.message(), QStringLiteral("click GO to start search"));

        // Releasing the pressed button: none, board and message unchanged.
        fx.click(fx.f().searchBtn);
        QCOMPARE(fx.f().flags.mode, kNoMode);
        c = Controls(fx);
        QVERIFY(!c.upDown && !c.back && !c.go && !c.stat && !c.step);
        QCOMPARE(fx.message(), QStringLiteral("click GO to start search"));
        QVERIFY(!fx.f().playBtn->isChecked() && !fx.f().replayBtn->isChecked() &&
                !fx.f().searchBtn->isChecked());
    }

    void stepBoxSetsTheCaptionOnlyWhenReplayIsEntered() {
        FormFixture fx;
        fx.click(fx.f().stepcheck);
        QVERIFY(fx.f().control.stepMode());
        fx.click(fx.f().replayBtn);
        QCOMPARE(fx.f().goBtn->text(), QStringLiteral("STEP"));
        fx.click(fx.f().stepcheck);
        QVERIFY(!fx.f().control.stepMode());
        QCOMPARE(fx.f().goBtn->text(), QStringLiteral("STEP"));
        fx.click(fx.f().searchBtn);
        QCOMPARE(fx.f().goBtn->text(), QStringLiteral("GO"));
    }

    void modeClickDuringASlideChangesNothing() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.type('h');
        fx.key(Qt::Key_Right);
        QVERIFY(fx.f().flags.animating);
        fx.click(fx.f().replayBtn);
        QCOMPARE(fx.f().flags.mode, kPlay);
        QVERIFY(fx.f().playBtn->isChecked());
        QVERIFY(!fx.f().replayBtn->isChecked());
        fx.click(fx.f().resetBtn); // refused too
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().blockTable()[H].field, 17);
        QCOMPARE(fx.p().lastMove(), 1);
    }

    void playFromTheMiddleOfAReplayCutsTheList() {
        FormFixture fx;
        PlayKnownLine(fx, 40);
        fx.click(fx.f().replayBtn);
        for (int i = 0; i < 9; ++i) {
            QVERIFY(fx.replayStep());
        }
        QCOMPARE(fx.p().moveNr(), 10);
        Board after9;
        for (int i = 1; i <= 9; ++i)
            after9.ApplyStep(fx.p().movesList()[i].block, fx.p().movesList()[i].direction);
        fx.click(fx.f().playBtn);
        QCOMPARE(fx.p().lastMove(), 9);
        for (int b = 1; b <= kBlocks; ++b)
            QCOMPARE(fx.p().blockTable()[b].field, after9.blockTable[b].field);
    }

    void replayBackAndForward() {
        FormFixture fx;
        PlayKnownLine(fx, 8);
        fx.click(fx.f().replayBtn);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(fx.replayStep());
        }
        QCOMPARE(fx.p().moveNr(), 6);
        const MoveRecord fifth = fx.p().movesList()[5];
        const uint8_t fieldAfter = fx.p().blockTable()[fifth.block].field;
        fx.click(fx.f().BackBtn);
        QVERIFY(fx.f().flags.animating);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("move 4"));
        QCOMPARE(fx.p().lastMove(), 8);
        QCOMPARE(fx.p().blockTable()[fifth.block].field, UnstepField(fieldAfter, fifth.direction));
        QVERIFY(fx.replayStep());
        QCOMPARE(fx.p().blockTable()[fifth.block].field, fieldAfter);
        QCOMPARE(fx.p().moveNr(), 6);

        // Reset in replay keeps the list and points at move 1.
        fx.click(fx.f().resetBtn);
        QCOMPARE(fx.p().moveNr(), 1);
        QCOMPARE(fx.p().lastMove(), 8);
        QCOMPARE(fx.message(), QString());
    }

    void backInPlayDropsTheMove() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.drag(F, 0, 80);
        fx.drag(G, 0, 80);
        fx.drag(5, 0, 80); // D into the two freed fields
        QCOMPARE(fx.p().lastMove(), 3);
        fx.click(fx.f().BackBtn);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 2);
        QCOMPARE(fx.p().blockTable()[5].field, 9);
        QCOMPARE(fx.message(), QStringLiteral("move 2"));
        QVERIFY(fx.boardSound());
    }

    void replayRefusesAMoveTheBoardCannotMake() {
        FormFixture fx;
        fx.click(fx.f().replayBtn);
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
        fx.click(fx.f().playBtn);
        fx.f().maxmoveUpDown->setPosition(110);
        fx.f().maxmoveUpDownMouseUp();
        QCOMPARE(fx.p().maxMove(), 120);
        QCOMPARE(fx.f().maxmoveUpDown->position(), 120);
        QCOMPARE(fx.f().maxmovetext->text(), QStringLiteral("120"));
        fx.f().maxmoveUpDown->setPosition(180);
        fx.f().maxmoveUpDownMouseUp();
        QCOMPARE(fx.p().maxMove(), 180);
        // The arrow buttons step the position and report the release.
        QTest::mouseClick(fx.f().maxmoveUpDown->upButton(), Qt::LeftButton);
        QCOMPARE(fx.f().maxmovetext->text(), QStringLiteral("181"));
        QTRY_COMPARE(fx.p().maxMove(), 181);
        fx.f().maxmoveUpDown->setPosition(300);
        QCOMPARE(fx.f().maxmoveUpDown->position(), 200);
    }

    void resetWithASelectionLeavesNoRing() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.drag(F, 0, 80);
        fx.type('g');
        QCOMPARE(fx.f().selectedBlock, G);
        fx.click(fx.f().resetBtn);
        QCOMPARE(fx.f().selectedBlock, 0);
        QCOMPARE(fx.p().lastMove(), 0);
        QCOMPARE(fx.p().blockTable()[F].field, 13);
        const QRect r = fx.f().BlockRect(G);
        for (int dy = -22; dy <= 22; ++dy)
            QVERIFY(fx.f().boardImage.pixel(r.center().x(), r.center().y() + dy) != qRgb(0xFF, 0xFF, 0));
    }

    void webLabelHoverAndClick() {
        FormFixture fx;
        QUrl opened;
        fx.f().openUrl = [&](const QUrl& url) { opened = url; };
        fx.f().Label7MouseEnter();
        QCOMPARE(fx.f().Label7->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QVERIFY(fx.f().Label7->font().underline());
        fx.f().Label7MouseLeave();
        QCOMPARE(fx.f().Label7->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QVERIFY(!fx.f().Label7->font().underline());
        QTest::mouseClick(fx.f().Label7, Qt::LeftButton);
        QCOMPARE(opened.host(), QStringLiteral("www.quorvel.example"));
    }
};

QTEST_MAIN(ModesTest)
#include "modes_test.moc"
