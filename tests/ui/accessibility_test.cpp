// What a screen reader learns of the window through the accessibility
// interface: every control at its place with a name, the board and the
// moves panel in words that follow the game, and the message line.
#include "design_layout.h"
#include "form_fixture.h"
#include "puzzles.h"
#include "puzzlesdialog.h"

#include <QAccessible>

using namespace trulp;

namespace {

QAccessibleInterface* Face(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlAtItsPlaceWithAName() {
        FormFixture fx;
        const QPoint origin = fx.f().mapToGlobal(QPoint());
        for (const auto& l : kLayout) {
            auto* w = fx.f().findChild<QWidget*>(QLatin1String(l.name));
            QVERIFY2(w, l.name);
            QCOMPARE(w->geometry(), l.geometry);
            QCOMPARE(Face(w)->rect().translated(-origin), l.geometry);
            if (w != fx.msgtext())
                QVERIFY2(!Face(w)->text(QAccessible::Name).isEmpty(), l.name);
        }
        const struct {
            QWidget* widget;
            const char* name;
        } names[] = {{fx.open_image(), "open moves file"},
                     {fx.save_image(), "save moves"},
                     {fx.pr_image(), "print"},
                     {fx.pr_setup(), "printer setup"},
                     {fx.chart_image(), "game chart"},
                     {fx.playBtn(), "play"},
                     {fx.stepcheck(), "step"},
                     {fx.hintBtn(), "hint"}};
        for (const auto& n : names)
            QCOMPARE(Face(n.widget)->text(QAccessible::Name), QString::fromLatin1(n.name));
        QCOMPARE(Face(fx.stepcheck())->role(), QAccessible::CheckBox);
        QVERIFY(!Face(fx.stepcheck())->state().checked);
        fx.click(fx.stepcheck());
        QVERIFY(Face(fx.stepcheck())->state().checked);
    }

    void boardPanelAndMessageInWords() {
        FormFixture fx;
        QAccessibleInterface* board = Face(fx.PaintBox1());
        QCOMPARE(board->text(QAccessible::Description),
                 QStringLiteral(
                     "A: column 1, rows 1 to 2; X: columns 2 to 3, rows 1 to 2; B: column 4, rows 1 to 2; "
                     "C: column 1, rows 3 to 4; D: columns 2 to 3, row 3; E: column 4, rows 3 to 4; "
                     "F: column 2, row 4; G: column 3, row 4; H: column 1, row 5; I: column 4, row 5"));
        QCOMPARE(Face(fx.PaintBox3())->text(QAccessible::Description), QStringLiteral("move 0 of 0"));

        fx.click(fx.playBtn());
        fx.drag(7, 0, 80); // F down
        QVERIFY(board->text(QAccessible::Description).contains(QStringLiteral("F: column 2, row 5;")));
        QCOMPARE(Face(fx.PaintBox3())->text(QAccessible::Description), QStringLiteral("move 1 of 1: F down"));
        QCOMPARE(Face(fx.msgtext())->text(QAccessible::Name), QStringLiteral("find solutions..."));

        // An L is read row by row, not as the square around it.
        fx.desktop([](Desktop& d) {
            d.choosePuzzle = [] {
                const PuzzleInfo* mas = FindPuzzle("mas-puzzle");
                return PuzzleChoice{PuzzleChoice::Play, mas->def, QString::fromStdString(mas->name())};
            };
        });
        fx.action(Act::Puzzles)->trigger();
        const QString said = board->text(QAccessible::Description);
        QVERIFY2(said.endsWith(QStringLiteral("X: columns 4 to 5, row 1; X: column 5, row 2; "
                                              "Y: column 1, row 3; Y: columns 1 to 2, row 4")),
                 qPrintable(said));
    }

    // Undo and redo are offered, in the window's menu of actions, only when
    // they can do something.
    void undoAndRedoOnlyWhenThereIsSomething() {
        FormFixture fx;
        QCOMPARE(fx.f().contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(fx.f().actions().contains(fx.action(Act::Undo)));
        fx.click(fx.playBtn());
        QVERIFY(!fx.action(Act::Undo)->isEnabled());
        QVERIFY(!fx.action(Act::Redo)->isEnabled());
        fx.drag(7, 0, 80);
        QVERIFY(fx.action(Act::Undo)->isEnabled());
        fx.action(Act::Undo)->trigger();
        QVERIFY(fx.waitIdle());
        QVERIFY(!fx.action(Act::Undo)->isEnabled());
        QVERIFY(fx.action(Act::Redo)->isEnabled());
    }

    // A screen reader's action on a mode button clicks it, as the mouse
    // does: the mode changes, not the button alone.
    void aScreenReaderChoosesTheMode() {
        FormFixture fx;
        const struct {
            QPushButton* button;
            QString action;
            Mode mode;
            const char* words;
        } steps[] = {
            {fx.playBtn(), QAccessibleActionInterface::toggleAction(), kPlay, "search for solution..."},
            {fx.replayBtn(), QAccessibleActionInterface::pressAction(), kReplay, "show moves"},
            {fx.searchBtn(), QAccessibleActionInterface::toggleAction(), kSearch, "click GO to start search"},
            {fx.searchBtn(), QAccessibleActionInterface::pressAction(), kNoMode, "click GO to start search"}};
        for (const auto& step : steps) {
            QAccessibleActionInterface* actions = Face(step.button)->actionInterface();
            QVERIFY(actions && actions->actionNames().contains(step.action));
            actions->doAction(step.action);
            QCOMPARE(fx.f().session().mode(), step.mode);
            QCOMPARE(fx.message(), QString::fromLatin1(step.words));
            QCOMPARE(Face(step.button)->state().checked, step.mode != kNoMode);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
