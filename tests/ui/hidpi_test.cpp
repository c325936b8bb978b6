// The window on a screen of twice the density: pictures and the board are
// drawn at the screen's resolution, not blown up.
#include "form_fixture.h"
#include "toolbar_pictures.h"

#include <QApplication>

using namespace trulp;

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void toolbarPicturesAndBoardAreSharp() {
        FormFixture fx;
        const QImage shown = fx.f().grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), QSize(2 * 564, 2 * 730));

        // Every drawn pixel of a picture is its twice-size picture's own:
        // nothing was scaled, so no edge was smeared.
        const struct {
            QWidget* widget;
            const char* picture;
        } pictures[] = {{fx.open_image(), ":/icons/open@2x.png"},
                        {fx.pr_image(), ":/icons/print@2x.png"},
                        {fx.chart_image(), ":/icons/chart@2x.png"},
                        {fx.w("Image2"), ":/icons/logo@2x.png"}};
        for (const auto& p : pictures) {
            const QImage source = TransparentImage(QImage(QString::fromLatin1(p.picture)));
            QCOMPARE(source.size(), p.widget->size() * 2);
            const QPoint at = p.widget->pos() * 2;
            int opaque = 0;
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < source.width(); ++x)
                    if (qAlpha(source.pixel(x, y)) == 255) {
                        ++opaque;
                        QCOMPARE(shown.pixel(at + QPoint(x, y)), source.pixel(x, y));
                    }
            QVERIFY2(opaque * 5 > source.width() * source.height(), p.picture);
        }

        // F's bevel: four rings of two screen pixels each, then its fill.
        const QPoint f = (fx.PaintBox1()->pos() + QPoint(100, 350)) * 2;
        for (int i = 0; i < 8; ++i)
            QCOMPARE(shown.pixel(f + QPoint(i, 0)), qRgb(0xA0, 0xE0, 0xFF));
        QCOMPARE(shown.pixel(f + QPoint(8, 0)), qRgb(0x00, 0x60, 0xFF));
        // The move pointer in row 1 of the panel: red from its column 1 on.
        const QPoint pointer = (fx.PaintBox3()->pos() + QPoint(1, 9)) * 2;
        QCOMPARE(shown.pixel(pointer), qRgb(0xFF, 0, 0));
        QVERIFY(shown.pixel(pointer - QPoint(1, 0)) != qRgb(0xFF, 0, 0));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
