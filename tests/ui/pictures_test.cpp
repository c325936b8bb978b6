// The toolbar pictures, the logo and the application icon: the resource file
// lists them, each has its size and the background colour in its bottom-left
// pixel, and that colour, and only that colour, turns transparent.
#include "toolbar_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

QDir IconsDir() {
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../resources/icons");
}

const QRgb kKey = qRgb(250, 250, 252);

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirSizeAndBackground_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("open") << "open.png" << QSize(50, 46);
        QTest::newRow("save") << "save.png" << QSize(49, 40);
        QTest::newRow("print") << "print.png" << QSize(43, 37);
        QTest::newRow("printer setup") << "printer_setup.png" << QSize(49, 26);
        QTest::newRow("logo") << "logo.png" << QSize(125, 30);
        QTest::newRow("application") << "trulp.png" << QSize(256, 256);
    }

    void picturesHaveTheirSizeAndBackground() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage picture(IconsDir().filePath(file));
        QVERIFY2(!picture.isNull(), qPrintable(file));
        QCOMPARE(picture.size(), size);
        QVERIFY(!picture.hasAlphaChannel()); // plain 24-bit colour
        QCOMPARE(picture.pixel(0, picture.height() - 1), kKey);

        const QImage shown = TransparentImage(picture);
        QCOMPARE(shown.size(), size);
        int keyPixels = 0, clear = 0, opaque = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const bool key = picture.pixel(x, y) == kKey;
                const int alpha = qAlpha(shown.pixel(x, y));
                keyPixels += key;
                clear += alpha == 0;
                opaque += alpha == 255;
                if (!key)
                    QCOMPARE(shown.pixel(x, y), picture.pixel(x, y));
            }
        }
        QCOMPARE(clear, keyPixels);
        QCOMPARE(opaque + clear, size.width() * size.height());
        // A picture, not a blank: at least a fifth of it is drawn.
        QVERIFY(opaque * 5 >= size.width() * size.height());
    }

    void onlyTheBottomLeftColourTurnsTransparent() {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        picture.setPixel(0, 1, qRgb(200, 100, 50)); // the key, whatever it is
        picture.setPixel(2, 0, qRgb(200, 100, 50));
        picture.setPixel(1, 1, qRgb(200, 100, 51)); // one step off stays
        const QPixmap pixmap = TransparentPicture(picture);
        QVERIFY(pixmap.hasAlphaChannel());
        const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(shown.pixel(0, 1)), 0);
        QCOMPARE(qAlpha(shown.pixel(2, 0)), 0);
        QCOMPARE(shown.pixel(1, 1), qRgba(200, 100, 51, 255));
        QCOMPARE(shown.pixel(0, 0), qRgba(10, 20, 30, 255));

        QVERIFY(TransparentPicture(QImage()).isNull());
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
