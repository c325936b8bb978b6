// Windows on the screens people have: the scale and place a window opens at
// for a given available area, and text colours that stay readable in a
// dark desktop style.
#include "screenfit.h"
#include "theme.h"

#include <QtTest>

using namespace trulp;

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void opensAsLargeAsFits_data() {
        QTest::addColumn<QSize>("design");
        QTest::addColumn<QPoint>("preferred");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("position");

        const QSize main(564, 730), help(824, 704);
        const QPoint mainAt(298, 123), helpAt(239, 127);
        // A title bar of 37 px and no borders, as mutter frames a window;
        // the desktops have a top bar of 32 px.
        const QMargins mutter(0, 37, 0, 0);
        QTest::newRow("1366x768 laptop") << main << mainAt << mutter << QRect(0, 32, 1366, 736) << 540.0 / 564
                                         << QSize(540, 699) << QPoint(298, 32);
        QTest::newRow("1920x1080 at 150 %") << main << mainAt << mutter << QRect(0, 32, 1280, 688)
                                            << 651.0 / 730 << QSize(503, 651) << QPoint(298, 32);
        QTest::newRow("1280x1024 at scale 2") << main << mainAt << mutter << QRect(0, 32, 640, 480)
                                              << 342.0 / 564 << QSize(342, 443) << QPoint(298, 32);
        QTest::newRow("1280x1024") << main << mainAt << mutter << QRect(0, 32, 1280, 992) << 1.0 << main
                                   << mainAt;
        QTest::newRow("2560x1600") << main << mainAt << mutter << QRect(0, 32, 2560, 1568) << 1.0 << main
                                   << mainAt;
        QTest::newRow("help on the laptop") << help << helpAt << mutter << QRect(0, 32, 1366, 736)
                                            << 818.0 / 824 << QSize(818, 699) << QPoint(239, 32);
        // Fits at its design size, but not at its designed place.
        QTest::newRow("1024x800") << main << mainAt << mutter << QRect(0, 0, 1024, 800) << 1.0 << main
                                  << QPoint(298, 33);
        QTest::newRow("a panel on the left") << main << mainAt << QMargins(4, 30, 4, 4)
                                             << QRect(400, 0, 1520, 1080) << 1.0 << main << QPoint(400, 123);
        // Nothing is made smaller than 0.4 of its design.
        QTest::newRow("tiny") << main << mainAt << mutter << QRect(0, 0, 320, 240) << 0.4 << QSize(226, 292)
                              << QPoint(94, 0);
    }

    void opensAsLargeAsFits() {
        QFETCH(QSize, design);
        QFETCH(QPoint, preferred);
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        QFETCH(double, scale);
        QFETCH(QSize, client);
        QFETCH(QPoint, position);
        const WindowFit fit = FitWindow(design, frame, available, preferred);
        QCOMPARE(fit.client, client);
        QCOMPARE(fit.position, position);
        QVERIFY2(qAbs(fit.scale - scale) < 1e-9, qPrintable(QString::number(fit.scale, 'f', 9)));
        // The scale lays the whole design into the client area.
        QVERIFY(QRect(QPoint(), client).contains(ScaledRect(QRect(QPoint(), design), fit.scale)));
        if (scale >= 0.5)
            QVERIFY(available.contains(QRect(position, client.grownBy(frame))));
    }

    // The chart beside the main window: on the side with more room, covering
    // none of it, smaller where it must; not at all below half its size.
    void chartGoesBesideTheWindow() {
        const QSize chart(620, 394);
        const QMargins mutter(0, 37, 0, 0);
        const struct {
            const char* what;
            QRect available, main;
            double scale; // 0: no room beside it
            bool right;
        } cases[] = {{"1366x768 laptop", {0, 32, 1366, 736}, {298, 32, 540, 736}, 528.0 / 620, true},
                     {"1920x1080", {0, 32, 1920, 1048}, {298, 123, 564, 767}, 1.0, true},
                     {"main window moved right", {0, 32, 1366, 736}, {700, 32, 540, 736}, 1.0, false},
                     {"no room on either side", {0, 0, 1024, 768}, {250, 0, 540, 736}, 0.0, true}};
        for (const auto& c : cases) {
            const WindowFit fit = FitBeside(chart, mutter, c.available, c.main, 0.5);
            QVERIFY2(qAbs(fit.scale - c.scale) < 1e-9, c.what);
            if (c.scale == 0)
                continue;
            const QRect outer(fit.position, fit.client.grownBy(mutter));
            QVERIFY2(!outer.intersects(c.main), c.what);
            QVERIFY2(c.available.contains(outer), c.what);
            QCOMPARE(outer.left() > c.main.left(), c.right);
        }
    }

    void darkTintsReadAndKeepTheirHue_data() {
        QTest::addColumn<QColor>("design");
        QTest::addColumn<QColor>("background");
        const char* colours[] = {"#008000", "#000080", "#800080", "#FF0000",
                                 "#0000FF", "#806000", "#008080", "#000000"};
        // Button faces and windows of dark styles: Fusion's, Adwaita's.
        const char* backgrounds[] = {"#353535", "#2d2d2d", "#242424"};
        for (const char* c : colours)
            for (const char* b : backgrounds)
                QTest::addRow("%s on %s", c, b) << QColor(c) << QColor(b);
    }

    void darkTintsReadAndKeepTheirHue() {
        QFETCH(QColor, design);
        QFETCH(QColor, background);
        QPalette dark(background, background);
        dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
        QVERIFY(IsDarkPalette(dark));
        const QColor shown = ReadableColour(design, background, dark);
        QVERIFY2(
            ContrastRatio(shown, background) >= 4.5,
            qPrintable(QStringLiteral("%1: %2").arg(shown.name()).arg(ContrastRatio(shown, background))));
        QVERIFY(shown.lightnessF() > design.lightnessF());
        if (design.hslHue() >= 0) {
            // Still the same colour, only lighter: hue and saturation kept.
            const int turn = qAbs(shown.hslHue() - design.hslHue());
            QVERIFY2(qMin(turn, 360 - turn) <= 3, qPrintable(shown.name()));
            QVERIFY2(qAbs(shown.hslSaturationF() - design.hslSaturationF()) < 0.05, qPrintable(shown.name()));
        }

        // In a light style every colour stays exactly as designed.
        QPalette light(QColor(0xEF, 0xEF, 0xEF), QColor(0xEF, 0xEF, 0xEF));
        light.setColor(QPalette::WindowText, Qt::black);
        QVERIFY(!IsDarkPalette(light));
        QCOMPARE(ReadableColour(design, QColor(0xEF, 0xEF, 0xEF), light), design);
        // So does a text on a light picture in a dark style.
        QCOMPARE(ReadableColour(design, QColor(240, 240, 192), dark) == design,
                 ContrastRatio(design, QColor(240, 240, 192)) >= 4.5);
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
