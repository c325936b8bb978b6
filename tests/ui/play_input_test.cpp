// Play by mouse and keyboard on the real window.
#include "form_fixture.h"

#include <QApplication>
#include <QKeyEvent>

using namespace trulp;

namespace {
constexpr int F = 7, G = 8, H = 9, I = 10, A = 1, X = 2;

// The move made with the mouse: a drag of 80 pixels its way.
void DragMove(FormFixture& fx, const MoveRecord& m) {
    const int dx = m.direction == Right ? 80 : m.direction == Left ? -80 : 0;
    const int dy = m.direction == Down ? 80 : m.direction == Up ? -80 : 0;
    fx.drag(m.block, dx, dy);
}
} // namespace

class PlayInputTest : public QObject {
    Q_OBJECT

private slots:
    void dragCommitsOnlyBeyondFiftyPixels_data() {
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("moves");
        QTest::newRow("50 px snaps back") << 50 << false;
        QTest::newRow("51 px moves") << 51 << true;
        QTest::newRow("300 px moves one field") << 300 << true;
    }
    void dragCommitsOnlyBeyondFiftyPixels() {
        QFETCH(int, distance);
        QFETCH(bool, moves);
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(F, 0, distance);
        QCOMPARE(fx.p().board().anchor(F), moves ? 17 : 13);
        QCOMPARE(fx.p().lastMove(), moves ? 1 : 0);
        QCOMPARE(fx.p().moveNr(), moves ? 2 : 1);
        QCOMPARE(fx.message(),
                 moves ? QStringLiteral("find solutions...") : QStringLiteral("search for solution..."));
        if (moves) {
            QCOMPARE(fx.p().movesList()[1].block, F);
            QCOMPARE(fx.p().movesList()[1].direction, Down);
            QCOMPARE(fx.p().movesList()[1].dirSet, Down); // open directions before the move
        }
        QVERIFY(fx.boardSound());
    }

    void diagonalDragFollowsTheLongerAxis() {
        FormFixture fx;
        fx.click(fx.playBtn());
        // H can go right only; a drag right-and-down moves it right.
        fx.drag(H, 70, 40);
        QCOMPARE(fx.p().board().anchor(H), 17);
        // G at 14 can go down only; equal displacements go vertical.
        fx.drag(G, 60, 60);
        QCOMPARE(fx.p().board().anchor(G), 18);
        QCOMPARE(fx.p().lastMove(), 2);
    }

    void dragTowardsAClosedSideLeavesTheBlock() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(F, 0, -80); // up is X
        fx.drag(F, -80, 0); // left is C
        fx.drag(A, 80, 0);  // A cannot move at all
        QCOMPARE(fx.p().board().anchor(F), 13);
        QCOMPARE(fx.p().board().anchor(A), 0);
        QCOMPARE(fx.p().lastMove(), 0);
        QVERIFY(fx.boardSound());
    }

    void dragOutsidePlayModeDoesNothing() {
        FormFixture fx;
        fx.drag(F, 0, 80); // mode none at start
        QCOMPARE(fx.p().board().anchor(F), 13);
        fx.click(fx.searchBtn());
        fx.drag(F, 0, 80);
        QCOMPARE(fx.p().board().anchor(F), 13);
    }

    void letterSelectsAndCursorKeySlides() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('X');
        QCOMPARE(fx.f().session().selected(), 0); // upper case is not a letter key
        fx.type('j');
        QCOMPARE(fx.f().session().selected(), 0);
        fx.type('x');
        QCOMPARE(fx.f().session().selected(), X);
        fx.type('g');
        QCOMPARE(fx.f().session().selected(), G);

        fx.key(Qt::Key_Right); // closed: nothing
        QVERIFY(!fx.f().board().sliding());
        QCOMPARE(fx.p().lastMove(), 0);

        fx.key(Qt::Key_Down);
        // Recorded and shown at once, the slide follows.
        QVERIFY(fx.f().board().sliding());
        QCOMPARE(fx.p().board().anchor(G), 18);
        QCOMPARE(fx.p().lastMove(), 1);
        QCOMPARE(fx.message(), QStringLiteral("find solution..."));
        // A drag during the slide is ignored.
        fx.drag(H, 80, 0);
        QCOMPARE(fx.p().lastMove(), 1);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.f().session().selected(), G); // stays for the next move
        // After the slide the block stands on its new field in the picture.
        const QRect r = fx.f().board().pieceRect(G);
        QCOMPARE(fx.f().board().picture().pixel(r.left() + 50, r.top() + 10), qRgb(0x00, 0x60, 0xFF));
        QCOMPARE(fx.f().board().picture().pixel(r.left() + 50, r.top() - 90), qRgb(0xFF, 0xFF, 0xFF));

        fx.key(Qt::Key_Up); // the way back is open again
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().board().anchor(G), 14);
        QCOMPARE(fx.p().lastMove(), 2);
        QVERIFY(fx.boardSound());
        // A shortcut no action takes, or a modifier alone, is no board key:
        // the message stays.
        fx.key(Qt::Key_Backspace);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("move 1"));
        fx.key(Qt::Key_J, Qt::ControlModifier);
        fx.key(Qt::Key_Control);
        QCOMPARE(fx.message(), QStringLiteral("move 1"));
    }

    // Typed during a slide, keys wait for it and act in order; a held key's
    // repeats do not pile up behind it.
    void keysDuringASlideAreKeptInOrder() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('h');
        fx.key(Qt::Key_Right);
        QVERIFY(fx.f().board().sliding());
        fx.type('i');
        fx.key(Qt::Key_Left);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&fx.f(), &repeat);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().board().anchor(H), 17);
        QCOMPARE(fx.p().board().anchor(I), 18);
        QCOMPARE(fx.p().lastMove(), 2); // the held key's repeat moved nothing
        QCOMPARE(fx.f().session().selected(), I);
        QVERIFY(fx.boardSound());
    }

    void mousePressRemovesTheRing() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('i');
        const QRect r = fx.f().board().pieceRect(I);
        const QPoint ring(r.center().x(), r.center().y() - 20);
        QCOMPARE(fx.f().board().picture().pixel(ring), qRgb(0xFF, 0xFF, 0x00));
        QTest::mouseClick(fx.PaintBox1(), Qt::LeftButton, {}, QPoint(250, 450)); // a free field
        QCOMPARE(fx.f().session().selected(), 0);
        QVERIFY(fx.f().board().picture().pixel(ring) != qRgb(0xFF, 0xFF, 0x00));
    }

    void keyboardIgnoredDuringADrag() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('g');
        const QPoint start = fx.centreOf(F);
        QTest::mouseMove(fx.PaintBox1(), start);
        QTest::mousePress(fx.PaintBox1(), Qt::LeftButton, {}, start);
        QTest::mouseMove(fx.PaintBox1(), start + QPoint(0, 40));
        fx.key(Qt::Key_Down); // would put G on 18 while F is held
        QVERIFY(!fx.f().board().sliding());
        QTest::mouseMove(fx.PaintBox1(), start + QPoint(0, 80));
        QTest::mouseRelease(fx.PaintBox1(), Qt::LeftButton, {}, start + QPoint(0, 80));
        QCOMPARE(fx.p().board().anchor(F), 17);
        QCOMPARE(fx.p().board().anchor(G), 14);
        QVERIFY(fx.boardSound());
    }

    // A full list: the key only says so, and a press starts no drag.
    void fullListTakesNoMoreMoves() {
        FormFixture fx;
        MoveRecord list[kMaxMoves + 1] = {};
        for (int i = 1; i <= 100; ++i)
            list[i] = {F, uint8_t(i % 2 ? Down : Up), 0};
        fx.playLine(list, 100);
        fx.maxmoveUpDown()->setPosition(100);
        fx.maxmoveUpDown()->onMouseUp();
        QVERIFY(fx.p().ListFull());
        fx.type('h');
        fx.key(Qt::Key_Right);
        QCOMPARE(fx.message(), QStringLiteral("list is full"));
        QVERIFY(!fx.f().board().sliding());
        DragMove(fx, {H, Right, 0});
        QCOMPARE(fx.p().board().anchor(H), 16);
        QCOMPARE(fx.p().lastMove(), 100);
        QVERIFY(fx.boardSound());
    }

    void backspaceTakesBackInPlayAndReplay() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(F, 0, 80);
        fx.drag(G, 0, 80);
        fx.type('f');
        fx.key(Qt::Key_Backspace);
        QCOMPARE(fx.f().session().selected(), 0);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 1); // play drops the move
        QCOMPARE(fx.p().board().anchor(G), 14);
        QCOMPARE(fx.message(), QStringLiteral("move 1"));

        fx.drag(G, 0, 80);
        fx.click(fx.replayBtn());
        QCOMPARE(fx.p().board().anchor(F), 13); // start position
        QVERIFY(fx.replayStep());
        QVERIFY(fx.replayStep());
        QCOMPARE(fx.p().moveNr(), 3);
        fx.key(Qt::Key_Backspace);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().moveNr(), 2);
        QCOMPARE(fx.p().lastMove(), 2); // replay keeps the list
        QCOMPARE(fx.p().board().anchor(G), 14);
        fx.key(Qt::Key_Backspace);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QString());
        fx.key(Qt::Key_Backspace); // nothing left to take back
        QVERIFY(!fx.f().board().sliding());
        QCOMPARE(fx.p().moveNr(), 1);
        QVERIFY(fx.boardSound());
    }

    void hoverSetsTheHandOnlyOverMovableBlocks() {
        FormFixture fx;
        fx.click(fx.playBtn());
        QTest::mouseMove(fx.PaintBox1(), fx.centreOf(F));
        QCOMPARE(fx.PaintBox1()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(fx.PaintBox1(), fx.centreOf(A));
        QCOMPARE(fx.PaintBox1()->cursor().shape(), Qt::ArrowCursor);
        // The 5-px band along a block's edge belongs to no block.
        const struct {
            QPoint at;
            bool hand;
        } points[] = {{{103, 350}, false}, {{105, 305}, true}, {{194, 394}, true}, {{195, 350}, false}};
        for (const auto& p : points) {
            QTest::mouseMove(fx.PaintBox1(), p.at);
            QCOMPARE(fx.PaintBox1()->cursor().shape() == Qt::PointingHandCursor, p.hand);
        }
    }
};

QTEST_MAIN(PlayInputTest)
#include "play_input_test.moc"
