// Play by mouse and keyboard on the real window.
#include "form_fixture.h"
#include "optimal.h"

using namespace trulp;

namespace {
constexpr int F = 7, G = 8, H = 9, I = 10, A = 1, X = 2;

Qt::Key KeyOf(unsigned direction) {
    return direction == Right  ? Qt::Key_Right
           : direction == Up   ? Qt::Key_Up
           : direction == Left ? Qt::Key_Left
                               : Qt::Key_Down;
}

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
        fx.click(fx.f().playBtn);
        fx.drag(F, 0, distance);
        QCOMPARE(fx.p().blockTable()[F].field, moves ? 17 : 13);
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
        fx.click(fx.f().playBtn);
        // H can go right only; a drag right-and-down moves it right.
        fx.drag(H, 70, 40);
        QCOMPARE(fx.p().blockTable()[H].field, 17);
        // G at 14 can go down only; equal displacements go vertical.
        fx.drag(G, 60, 60);
        QCOMPARE(fx.p().blockTable()[G].field, 18);
        QCOMPARE(fx.p().lastMove(), 2);
    }

    void dragTowardsAClosedSideLeavesTheBlock() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.drag(F, 0, -80); // up is X
        fx.drag(F, -80, 0); // left is C
        fx.drag(A, 80, 0);  // A cannot move at all
        QCOMPARE(fx.p().blockTable()[F].field, 13);
        QCOMPARE(fx.p().blockTable()[A].field, 0);
        QCOMPARE(fx.p().lastMove(), 0);
        QVERIFY(fx.boardSound());
    }

    void dragOutsidePlayModeDoesNothing() {
        FormFixture fx;
        fx.drag(F, 0, 80); // mode none at start
        QCOMPARE(fx.p().blockTable()[F].field, 13);
        fx.click(fx.f().searchBtn);
        fx.drag(F, 0, 80);
        QCOMPARE(fx.p().blockTable()[F].field, 13);
    }

    void letterSelectsAndCursorKeySlides() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.type('X');
        QCOMPARE(fx.f().selectedBlock, 0); // upper case is not a letter key
        fx.type('j');
        QCOMPARE(fx.f().selectedBlock, 0);
        fx.type('x');
        QCOMPARE(fx.f().selectedBlock, X);
        fx.type('g');
        QCOMPARE(fx.f().selectedBlock, G);

        fx.key(Qt::Key_Right); // closed: nothing
        QVERIFY(!fx.f().flags.animating);
        QCOMPARE(fx.p().lastMove(), 0);

        fx.key(Qt::Key_Down);
        // Recorded and shown at once, the slide follows.
        QVERIFY(fx.f().flags.animating);
        QCOMPARE(fx.p().blockTable()[G].field, 18);
        QCOMPARE(fx.p().lastMove(), 1);
        QCOMPARE(fx.message(), QStringLiteral("find solution..."));
        // Keys and presses during the slide are ignored.
        fx.key(Qt::Key_Up);
        fx.drag(H, 80, 0);
        QCOMPARE(fx.p().lastMove(), 1);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.f().animTicks, 25);
        QCOMPARE(fx.f().selectedBlock, G); // stays for the next move
        // After the slide the block stands on its new field in the picture.
        const QRect r = fx.f().BlockRect(G);
        QCOMPARE(fx.f().boardImage.pixel(r.left() + 50, r.top() + 10), qRgb(0x00, 0x60, 0xFF));
        QCOMPARE(fx.f().boardImage.pixel(r.left() + 50, r.top() - 90), qRgb(0xFF, 0xFF, 0xFF));

        fx.key(Qt::Key_Up); // the way back is open again
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().blockTable()[G].field, 14);
        QCOMPARE(fx.p().lastMove(), 2);
        QVERIFY(fx.boardSound());
    }

    void otherKeyWithSelectionOnlySetsTheMessage() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.type('f');
        fx.key(Qt::Key_F5);
        QCOMPARE(fx.message(), QStringLiteral("find solution..."));
        QCOMPARE(fx.p().lastMove(), 0);
    }

    void mousePressRemovesTheRing() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.type('i');
        const QRect r = fx.f().BlockRect(I);
        const QPoint ring(r.center().x(), r.center().y() - 20);
        QCOMPARE(fx.f().boardImage.pixel(ring), qRgb(0xFF, 0xFF, 0x00));
        QTest::mouseClick(fx.f().PaintBox1, Qt::RightButton, {}, QPoint(250, 450));
        QCOMPARE(fx.f().selectedBlock, 0);
        QVERIFY(fx.f().boardImage.pixel(ring) != qRgb(0xFF, 0xFF, 0x00));
    }

    void keyboardIgnoredDuringADrag() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.type('g');
        const QPoint start = fx.centreOf(F);
        QTest::mouseMove(fx.f().PaintBox1, start);
        QTest::mousePress(fx.f().PaintBox1, Qt::LeftButton, {}, start);
        QTest::mouseMove(fx.f().PaintBox1, start + QPoint(0, 40));
        fx.key(Qt::Key_Down); // would put G on 18 while F is held
        QVERIFY(!fx.f().flags.animating);
        QTest::mouseMove(fx.f().PaintBox1, start + QPoint(0, 80));
        QTest::mouseRelease(fx.f().PaintBox1, Qt::LeftButton, {}, start + QPoint(0, 80));
        QCOMPARE(fx.p().blockTable()[F].field, 17);
        QCOMPARE(fx.p().blockTable()[G].field, 14);
        QVERIFY(fx.boardSound());
    }

    void goalMessagesAndFullList() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        Puzzle& p = fx.p();
        // The shortest line, played by hand up to one move before the goal.
        const std::vector<MoveRecord> line = SolveOptimal(startTable).line;
        QCOMPARE(int(line.size()), 116);
        for (size_t i = 0; i + 1 < line.size(); ++i)
            DragMove(fx, line[i]);
        QCOMPARE(p.lastMove(), 115);
        QVERIFY(!p.GoalReached());
        const MoveRecord last = line.back();
        QCOMPARE(int(last.block), X);
        DragMove(fx, last); // reaches the goal from the start
        QCOMPARE(p.blockTable()[X].field, 13);
        QCOMPARE(fx.message(), QStringLiteral("SOLUTION FOUND ...congratulations !"));

        // Re-entering play after a move: the same goal shows the plain words.
        fx.type('x');
        fx.key(KeyOf(OppositeDir[last.direction]));
        QVERIFY(fx.waitIdle());
        fx.click(fx.f().playBtn);      // up: none
        fx.click(fx.f().playBtn);      // down: play again, solvedFromStart cleared
        fx.key(KeyOf(last.direction)); // selection was kept
        QVERIFY(fx.waitIdle());
        QCOMPARE(p.blockTable()[X].field, 13);
        QCOMPARE(fx.message(), QStringLiteral("solution reached"));

        // A full list takes no more moves by key or by mouse.
        fx.f().maxmoveUpDown->setPosition(100);
        fx.f().maxmoveUpDownMouseUp(); // held at the moves made
        QVERIFY(p.ListFull());
        int block = 1;
        while (p.PossibleDirections(block) == 0)
            ++block;
        const uint8_t open = p.PossibleDirections(block);
        const uint8_t d = uint8_t(open & -open);
        fx.type(char(startTable[block].letter - 'A' + 'a'));
        fx.f().setMessage(QString());
        fx.key(KeyOf(d));
        QCOMPARE(fx.message(), QStringLiteral("list is full"));
        QVERIFY(!fx.f().flags.animating);
        const uint8_t field = p.blockTable()[block].field;
        DragMove(fx, {uint8_t(block), d, 0});
        QCOMPARE(p.blockTable()[block].field, field);
        QCOMPARE(p.lastMove(), 118);
        QVERIFY(fx.boardSound());
    }

    void backspaceTakesBackInPlayAndReplay() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        fx.drag(F, 0, 80);
        fx.drag(G, 0, 80);
        fx.type('f');
        fx.key(Qt::Key_Backspace);
        QCOMPARE(fx.f().selectedBlock, 0);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().lastMove(), 1); // play drops the move
        QCOMPARE(fx.p().blockTable()[G].field, 14);
        QCOMPARE(fx.message(), QStringLiteral("move 1"));

        fx.drag(G, 0, 80);
        fx.click(fx.f().replayBtn);
        QCOMPARE(fx.p().blockTable()[F].field, 13); // start position
        QVERIFY(fx.replayStep());
        QVERIFY(fx.replayStep());
        QCOMPARE(fx.p().moveNr(), 3);
        fx.key(Qt::Key_Backspace);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().moveNr(), 2);
        QCOMPARE(fx.p().lastMove(), 2); // replay keeps the list
        QCOMPARE(fx.p().blockTable()[G].field, 14);
        fx.key(Qt::Key_Backspace);
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QString());
        fx.key(Qt::Key_Backspace); // nothing left to take back
        QVERIFY(!fx.f().flags.animating);
        QCOMPARE(fx.p().moveNr(), 1);
        QVERIFY(fx.boardSound());
    }

    void hoverSetsTheHandOnlyOverMovableBlocks() {
        FormFixture fx;
        fx.click(fx.f().playBtn);
        QTest::mouseMove(fx.f().PaintBox1, fx.centreOf(F));
        QCOMPARE(fx.f().hoverBlock, F);
        QCOMPARE(fx.f().PaintBox1->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(fx.f().PaintBox1, fx.centreOf(A));
        QCOMPARE(fx.f().PaintBox1->cursor().shape(), Qt::ArrowCursor);
        // The 5-px band along a block's edge belongs to no block.
        QTest::mouseMove(fx.f().PaintBox1, QPoint(103, 350));
        QCOMPARE(fx.f().hoverBlock, 0);
        QCOMPARE(fx.f().BlockAt(105, 305), F);
        QCOMPARE(fx.f().BlockAt(194, 394), F);
        QCOMPARE(fx.f().BlockAt(195, 350), 0);
    }
};

QTEST_MAIN(PlayInputTest)
#include "play_input_test.moc"
