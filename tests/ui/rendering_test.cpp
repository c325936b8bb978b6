// Pixels of the board image, the target indicator, the moves panel and the
// window's frames, where the picture is the behaviour.
#include "form_fixture.h"

#include <QApplication>
#include <QPainter>

using namespace trulp;

namespace {

const QRgb kBlue = qRgb(0x00, 0x60, 0xFF);
const QRgb kLightBlue = qRgb(0xA0, 0xE0, 0xFF);
const QRgb kDarkBlue = qRgb(0x00, 0x40, 0xC0);
const QRgb kRed = qRgb(0xFF, 0x00, 0x00);
const QRgb kLightRed = qRgb(0xFF, 0xA0, 0xA0);
const QRgb kDarkRed = qRgb(0xC0, 0x00, 0x00);
const QRgb kPanel = qRgb(0xFF, 0xFF, 0xE0);

// Bounding box of the pixels of one colour inside a rectangle.
QRect BoxOf(const QImage& img, const QRect& area, QRgb colour) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) == colour)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

bool Dark(QRgb c) {
    return qGray(c) < 80;
}

QImage PanelImage(FormFixture& fx) {
    QImage img(120, 600, QImage::Format_RGB32);
    QPainter canvas(&img);
    fx.f().panel().paintPanel(canvas);
    return img;
}

// Rows of the panel that hold a move number (dark pixels in column 1).
QList<int> RowsWithNumbers(const QImage& panel) {
    QList<int> rows;
    for (int row = 1; row <= 30; ++row) {
        bool any = false;
        for (int y = (row - 1) * 20 + 1; y < row * 20 && !any; ++y)
            for (int x = 11; x < 49 && !any; ++x)
                any = Dark(panel.pixel(x, y));
        if (any)
            rows << row;
    }
    return rows;
}

int PointerRow(const QImage& panel) {
    for (int row = 1; row <= 30; ++row)
        if (panel.pixel(5, (row - 1) * 20 + 9) == kRed)
            return row;
    return 0;
}

// The panel handed F down and up again, count moves, with moveNr - 1 of
// them made.
void FillList(FormFixture& fx, int count, int moveNr) {
    ListShown list;
    for (int i = 1; i <= count; ++i)
        list.moves.push_back({'F', uint8_t(i % 2 ? Down : Up), false});
    list.moveNr = moveNr;
    fx.PaintBox3()->show(list);
}

} // namespace

class RenderingTest : public QObject {
    Q_OBJECT

private slots:
    void blockBevelAndLetter() {
        FormFixture fx;
        const QImage img = fx.f().board().picture();
        // F on field 13: (100, 300) to (200, 400).
        QCOMPARE(img.pixel(110, 310), kBlue);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(img.pixel(150, 300 + i), kLightBlue);     // top
            QCOMPARE(img.pixel(100 + i, 350), kLightBlue);     // left
            QCOMPARE(img.pixel(150, 399 - i), kDarkBlue);      // bottom
            QCOMPARE(img.pixel(199 - i, 350), kDarkBlue);      // right
            QCOMPARE(img.pixel(199 - i, 300 + i), kLightBlue); // top-right corner is light
            QCOMPARE(img.pixel(100 + i, 399 - i), kDarkBlue);  // bottom-left corner is dark
        }
        QCOMPARE(img.pixel(104, 350), kBlue);
        // X on field 1 in red with its own bevel.
        QCOMPARE(img.pixel(250, 0), kLightRed);
        QCOMPARE(img.pixel(250, 199), kDarkRed);
        QCOMPARE(img.pixel(120, 120), kRed);
        // The letters: white, centred, with a black shadow 2 px down-right.
        const QRect white = BoxOf(img, {104, 304, 92, 92}, qRgb(255, 255, 255));
        const QRect black = BoxOf(img, {104, 304, 92, 92}, qRgb(0, 0, 0));
        QVERIFY(!white.isEmpty());
        QVERIFY(std::abs(white.center().x() - 150) <= 3);
        QVERIFY(std::abs(white.center().y() - 350) <= 4);
        QCOMPARE(black.right(), white.right() + 2);
        QCOMPARE(black.bottom(), white.bottom() + 2);
        const QRect xLetter = BoxOf(img, {104, 4, 192, 192}, qRgb(255, 255, 255));
        QVERIFY(std::abs(xLetter.center().x() - 200) <= 3);
        QVERIFY(std::abs(xLetter.center().y() - 100) <= 4);
        // Free fields are white.
        QCOMPARE(img.pixel(150, 450), qRgb(255, 255, 255));
    }

    void selectionRingAroundTheCentre() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.type('x');
        const QRect ring = BoxOf(fx.f().board().picture(), {100, 0, 200, 200}, qRgb(0xFF, 0xFF, 0));
        QVERIFY(std::abs(ring.center().x() - 200) <= 1);
        QVERIFY(std::abs(ring.center().y() - 100) <= 1);
        QVERIFY(ring.width() >= 40 && ring.width() <= 43);
        fx.type('x'); // selecting it again keeps the ring
        QCOMPARE(BoxOf(fx.f().board().picture(), {100, 0, 200, 200}, qRgb(0xFF, 0xFF, 0)), ring);
        QTest::mouseClick(fx.PaintBox1(), Qt::LeftButton, {}, QPoint(2, 2)); // a press drops the ring
        QVERIFY(BoxOf(fx.f().board().picture(), {100, 0, 200, 200}, qRgb(0xFF, 0xFF, 0)).isEmpty());
    }

    void theViewShowsThePicture() {
        FormFixture fx;
        fx.click(fx.playBtn());
        fx.drag(9, 100, 0); // H right
        const QImage shown = fx.PaintBox1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, fx.f().board().picture());
    }

    void targetIndicator() {
        FormFixture fx;
        const QImage t = fx.f().target().picture();
        QCOMPARE(t.size(), QSize(60, 75));
        QCOMPARE(t.pixel(15, 5), qRgb(0xC0, 0xC0, 0xC0)); // grid
        QCOMPARE(t.pixel(5, 60), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(t.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(t.pixel(20, 45), qRgb(0xFF, 0x80, 0x80)); // bevel top
        QCOMPARE(t.pixel(44, 60), qRgb(0x70, 0x00, 0x00)); // bevel right
        QCOMPARE(t.pixel(17, 72), qRgb(0xFF, 0x00, 0x00));
        const QRect white = BoxOf(t, {17, 47, 26, 26}, qRgb(255, 255, 255));
        QVERIFY(white.left() >= 23 && white.top() >= 50);
    }

    void panelEmptyWithPointerInRowOne() {
        FormFixture fx;
        const QImage panel = PanelImage(fx);
        QVERIFY(RowsWithNumbers(panel).isEmpty());
        QCOMPARE(PointerRow(panel), 1);
        QCOMPARE(panel.pixel(30, 10), kPanel);
        QCOMPARE(panel.pixel(1, 9), kRed);   // pointer tip column 1
        QCOMPARE(panel.pixel(0, 9), kPanel); // column 0 transparent
    }

    void panelScrollsWithMoveNr_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("moveNr");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("pointer");
        QTest::newRow("play after 45 moves") << 45 << 46 << 1 << 29 << 30;
        QTest::newRow("replay at 10 of 45") << 45 << 10 << 1 << 30 << 10;
        QTest::newRow("replay at 40 of 45") << 45 << 40 << 1 << 30 << 30;
        QTest::newRow("a short list") << 5 << 1 << 1 << 5 << 1;
    }
    void panelScrollsWithMoveNr() {
        QFETCH(int, count);
        QFETCH(int, moveNr);
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        QFETCH(int, pointer);
        FormFixture fx;
        FillList(fx, count, moveNr);
        const QImage panel = PanelImage(fx);
        const QList<int> rows = RowsWithNumbers(panel);
        QCOMPARE(rows.size(), lastRow - firstRow + 1);
        QCOMPARE(rows.front(), firstRow);
        QCOMPARE(rows.back(), lastRow);
        QCOMPARE(PointerRow(panel), pointer);
    }

    void moveNumbersEndFivePixelsBeforeTheLine() {
        FormFixture fx;
        FillList(fx, 150, 125);
        const QImage panel = PanelImage(fx);
        // Rows show 95..124 with three digits; every number ends at x 44 or 45.
        for (int row : {1, 30}) {
            int right = 0;
            for (int y = (row - 1) * 20 + 1; y < row * 20; ++y)
                for (int x = 0; x < 50; ++x)
                    if (Dark(panel.pixel(x, y)))
                        right = std::max(right, x);
            QVERIFY2(right >= 42 && right <= 45, qPrintable(QString::number(right)));
        }
        // Letter and arrow in their columns.
        bool letter = false, arrow = false;
        for (int y = 1; y < 20; ++y)
            for (int x = 51; x < 85; ++x)
                letter = letter || (Dark(panel.pixel(x, y)) && x >= 65);
        for (int y = 1; y < 20; ++y)
            for (int x = 95; x < 119; ++x)
                arrow = arrow || Dark(panel.pixel(x, y));
        QVERIFY(letter);
        QVERIFY(arrow);
        // The dotted grid survives between the cells.
        int dots = 0;
        for (int x = 0; x < 120; ++x)
            dots += panel.pixel(x, 20) == qRgb(0, 0, 0);
        QVERIFY(dots > 40 && dots < 80);
    }

    void sunkenFramesAroundThePaintBoxes() {
        FormFixture fx;
        const QImage w = fx.f().grab().toImage();
        // PaintBox1 at (16, 148) 400 x 500: dark above and left, light below and right.
        QCOMPARE(w.pixel(200, 146), qRgb(0, 0, 0));
        QCOMPARE(w.pixel(200, 147), qRgb(0, 0, 0));
        QCOMPARE(w.pixel(14, 300), qRgb(0, 0, 0));
        QCOMPARE(w.pixel(200, 649), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(w.pixel(417, 300), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(w.pixel(416, 300), qRgb(0xC0, 0xC0, 0xC0));
    }

    // On a dark window the step box shows, and a disabled caption is drawn
    // unlike an enabled one, in the light style and the dark one.
    void stepBoxAndDisabledCaptionsInEveryStyle() {
        const QPalette light = QApplication::palette();
        for (const bool darkStyle : {false, true}) {
            if (darkStyle) {
                QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
                dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
                dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEC));
                dark.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
                QApplication::setPalette(dark);
            }
            FormFixture fx;
            const QImage box = fx.stepcheck()->grab().toImage();
            // The box, left of the caption, stands out from the window.
            const int window = qGray(fx.stepcheck()->palette().color(QPalette::Window).rgb());
            int seen = 0;
            for (int y = 0; y < box.height(); ++y)
                for (int x = 0; x < box.height(); ++x)
                    seen += std::abs(qGray(box.pixel(x, y)) - window) > 40;
            QVERIFY2(seen > 10, darkStyle ? "dark" : "light");
            QPushButton* hint = fx.hintBtn();
            QVERIFY(!hint->isEnabled());
            const QImage disabled = hint->grab().toImage();
            hint->setEnabled(true);
            QVERIFY2(hint->grab().toImage() != disabled, darkStyle ? "dark" : "light");
        }
        QApplication::setPalette(light);
    }
};

QTEST_MAIN(RenderingTest)
#include "rendering_test.moc"
