// The main window at other sizes than its design: every control keeps its
// place in proportion, the board is drawn at the scale one to one, and a
// drag on the board means what it means at the design size.
#include "design_layout.h"
#include "form_fixture.h"
#include "screenfit.h"

using namespace trulp;

namespace {

const QSize kDesign(564, 730);
constexpr int F = 7;

// Resizes the window as the user would and waits until it is laid out.
bool Resize(FormFixture& fx, QSize client) {
    fx.f().resize(client);
    return QTest::qWaitFor([&] { return fx.f().size() == client; });
}

} // namespace

class WindowScaleTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAndBoardFollowTheScale_data() {
        QTest::addColumn<QSize>("client");
        QTest::newRow("half") << QSize(282, 365);
        QTest::newRow("a laptop's") << QSize(536, 694);
        QTest::newRow("uneven") << QSize(400, 600);
        QTest::newRow("wider, with margins") << QSize(800, 730);
        QTest::newRow("twice") << QSize(1128, 1460);
    }

    void controlsAndBoardFollowTheScale() {
        QFETCH(QSize, client);
        FormFixture fx;
        QVERIFY(Resize(fx, client));
        const double scale = AspectScale(kDesign, client);
        const QPoint offset = CentringOffset(kDesign, scale, client);
        for (const auto& l : kLayout)
            QCOMPARE(fx.w(l.name)->geometry(), ScaledRect(l.geometry, scale, offset));
        // Type in proportion: the message line's character cell.
        const int cell = QFontMetrics(fx.msgtext()->font()).height();
        QVERIFY2(cell <= std::lround(16 * scale) && cell >= std::lround(16 * scale) - 2,
                 qPrintable(QString::number(cell)));

        const QImage shown = fx.f().grab().toImage();
        const auto at = [&](QPoint design) { return (QPointF(offset) + QPointF(design) * scale).toPoint(); };
        const QPoint board(16, 148), panel(432, 48);
        QCOMPARE(shown.pixel(at(board + QPoint(115, 385))), qRgb(0x00, 0x60, 0xFF)); // F's face
        QCOMPARE(shown.pixel(at(board + QPoint(150, 450))), qRgb(0xFF, 0xFF, 0xFF)); // field 17 is free
        QCOMPARE(shown.pixel(at(board + QPoint(250, 50))), qRgb(0xFF, 0x00, 0x00));  // X
        QCOMPARE(shown.pixel(at(panel + QPoint(4, 9))), qRgb(0xFF, 0x00, 0x00));     // the move pointer
    }

    // A drag commits beyond half a field, whatever the scale.
    void aDragIsHalfAFieldAtAnyScale_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("drag"); // in board pixels
        QTest::addColumn<bool>("moves");
        for (const QSize client : {QSize(282, 365), QSize(404, 523), QSize(1128, 1460)}) {
            QTest::addRow("%dx%d, 40", client.width(), client.height()) << client << 40 << false;
            QTest::addRow("%dx%d, 60", client.width(), client.height()) << client << 60 << true;
        }
    }

    void aDragIsHalfAFieldAtAnyScale() {
        QFETCH(QSize, client);
        QFETCH(int, drag);
        QFETCH(bool, moves);
        FormFixture fx;
        QVERIFY(Resize(fx, client));
        fx.click(fx.playBtn());
        const double scale = AspectScale(kDesign, client);
        const int from = fx.p().board().anchor(F);
        // F's middle and the drag down, in the board view's own pixels.
        const QPoint start = (QPointF(fx.centreOf(F)) * scale).toPoint();
        QTest::mouseMove(fx.PaintBox1(), start + QPoint(1, 1));
        QTest::mouseMove(fx.PaintBox1(), start);
        QTest::mousePress(fx.PaintBox1(), Qt::LeftButton, {}, start);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(fx.PaintBox1(), start + QPoint(0, int(drag * scale * i / 4)));
        QTest::mouseRelease(fx.PaintBox1(), Qt::LeftButton, {}, start + QPoint(0, int(drag * scale)));
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.p().board().anchor(F), moves ? from + 4 : from);
        QCOMPARE(fx.p().lastMove(), moves ? 1 : 0);
    }
};

QTEST_MAIN(WindowScaleTest)
#include "window_scale_test.moc"
