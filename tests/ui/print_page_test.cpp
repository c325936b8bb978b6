// The printed page, painted at a printable width of 4800 pixels (r = 240)
// into an image and checked pixel by pixel, and once through a real PDF
// printer rasterised by pdftoppm.
#include "paintkit.h"
#include "position.h"
#include "print_page.h"

#include <memory>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWidth = 4800;
constexpr int kR = 240;

bool isInk(QRgb p) {
    return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128;
}
bool isWhite(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}
bool isRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
}

// Bounding box of the pixels in area that satisfy test; null if none.
template <typename Test> QRect boxOf(const QImage& img, const QRect& area, Test test) {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    const QRect a = area.intersected(img.rect());
    for (int y = a.top(); y <= a.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = a.left(); x <= a.right(); ++x) {
            if (test(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return left == INT_MAX ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect inkBox(const QImage& img, const QRect& area) {
    return boxOf(img, area, isInk);
}

// Length of the run of pixels of one colour that contains (x, y), along x.
int runAlongX(const QImage& img, int x, int y) {
    const QRgb c = img.pixel(x, y);
    int a = x, b = x;
    while (a > 0 && img.pixel(a - 1, y) == c)
        --a;
    while (b + 1 < img.width() && img.pixel(b + 1, y) == c)
        ++b;
    return b - a + 1;
}

// Area of move entry row w in column c, less the frame and column lines.
QRect cellArea(int c, int w) {
    const int left = 360 + 600 * c, top = 1440 + 144 * w;
    return QRect(left + 4, top + 1, 600 - 8, 144 - 2);
}

} // namespace

class PrintPageTest : public QObject {
    Q_OBJECT

    QImage page{kWidth, 6400, QImage::Format_RGB32};
    // A game as the page sees it; any list and board, damaged ones too.
    struct Game {
        trulp::ListShown list;
        trulp::BoardShown board;
        Game() {
            board.def = std::make_shared<const trulp::PuzzleDef>();
            for (int p = 1; p <= board.def->pieceCount(); ++p)
                board.anchors[size_t(p)] = board.def->piece(p).start;
        }
        void ApplyStep(int block, unsigned direction) {
            board.anchors[size_t(block)] =
                uint8_t(board.def->StepField(board.anchors[size_t(block)], direction));
        }
        QString puzzle;
        trulp::GameRecord record() const { return {list, board, puzzle}; }
    };
    std::unique_ptr<Game> game;

    void render(int pageNumber = 0) {
        page.fill(Qt::white);
        QPainter canvas(&page);
        trulp::PaintMovesPage(canvas, kWidth, game->record(), QStringLiteral("08/12/2026"), pageNumber);
    }

    void setMoves(int count) {
        game->list.moves.assign(size_t(count), {});
        for (int n = 1; n <= count; ++n)
            game->list.moves[size_t(n - 1)] = {game->board.def->piece(1 + n % 10).letter, trulp::Left, false};
    }

    QRgb px(int x, int y) const { return page.pixel(x, y); }

private slots:
    void init() { game = std::make_unique<Game>(); }

    void cellFontsFitTheirCellOnImagesAndPrinters() {
        QImage image(10, 10, QImage::Format_RGB32);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QPaintDevice* devices[] = {&image, &printer};
        for (const QPaintDevice* device : devices) {
            for (int cell : {96, 120, 180}) {
                for (const char* family : {"Arial", "DejaVu Sans"}) {
                    const QFont font =
                        trulp::CellFont(QString::fromLatin1(family), cell, true, false, device);
                    const int height = QFontMetrics(font, device).height();
                    QVERIFY2(height <= cell && height >= cell - 3, family);
                }
            }
        }
    }

    void titleDateAndFooterStandInTheirCells() {
        render();
        // Title: cell 180 high at (360, 360); its ink (T cap to p descender)
        // fills most of the cell and never leaves it.
        const QRect title = inkBox(page, QRect(300, 300, 2600, 300));
        QVERIFY(!title.isNull());
        QVERIFY2(title.left() >= 360 && title.left() < 380, qPrintable(QString::number(title.left())));
        QVERIFY(title.top() >= 360 && title.top() < 360 + 45);
        QVERIFY(title.bottom() < 540 && title.bottom() > 540 - 20);
        // The headings over the pictures sit at y = r, 84 pixels high.
        const QRect start = inkBox(page, QRect(3000, 200, 900, 150));
        QVERIFY(start.left() >= 3000 && start.top() >= 240 && start.bottom() < 240 + 84);
        const QRect date = inkBox(page, QRect(300, 780, 1500, 200));
        QVERIFY(date.left() >= 360 && date.top() >= 840 && date.bottom() < 840 + 120);
        QVERIFY(!inkBox(page, QRect(360, 1260, 600, 96)).isNull()); // "moves"
        // Footer at y = 26 r: the maker's name on the left, the address from 10 r.
        const QRect maker = inkBox(page, QRect(300, 6200, 2000, 200));
        QVERIFY(maker.left() >= 360 && maker.top() >= 6240 && maker.bottom() < 6240 + 144);
        const QRect web = inkBox(page, QRect(2350, 6200, 2450, 200));
        QVERIFY(web.left() >= 2400 && web.top() >= 6240 && web.bottom() < 6240 + 120);
        // Nothing below 26.6 r.
        QVERIFY(inkBox(page, QRect(0, 6384, kWidth, 16)).isNull());

        // A long name stays left of the start position's picture, at 12.5 r.
        game->puzzle = QStringLiteral("Les quatre grenouilles de Guarini et de Dudeney");
        render();
        QVERIFY(inkBox(page, QRect(360, 300, 2600, 300)).right() < 3000 - 60);
    }

    void frameAndColumnLines() {
        render();
        // Frame from (360, 1440) to (4560, 5760), right and bottom exclusive.
        QCOMPARE(px(360, 3000), qRgb(0, 0, 0));
        QCOMPARE(px(359, 3000), qRgb(255, 255, 255));
        QCOMPARE(px(361, 3000), qRgb(255, 255, 255));
        QCOMPARE(px(4559, 3000), qRgb(0, 0, 0));
        QCOMPARE(px(4560, 3000), qRgb(255, 255, 255));
        QCOMPARE(px(4558, 3000), qRgb(255, 255, 255));
        QCOMPARE(px(3000, 1440), qRgb(0, 0, 0));
        QCOMPARE(px(3000, 1439), qRgb(255, 255, 255));
        QCOMPARE(px(3000, 5759), qRgb(0, 0, 0));
        QCOMPARE(px(3000, 5760), qRgb(255, 255, 255));
        // Six column lines, pen width 2, the whole height of the frame.
        for (int x = 960; x <= 3960; x += 600) {
            QCOMPARE(px(x, 3000), qRgb(0, 0, 0));
            QCOMPARE(runAlongX(page, x, 3000), 2);
            QCOMPARE(px(x, 1441), qRgb(0, 0, 0));
            QCOMPARE(px(x, 5758), qRgb(0, 0, 0));
            QCOMPARE(px(x, 5760), qRgb(255, 255, 255));
        }
        QCOMPARE(runAlongX(page, 4200, 3000), 4558 - 3961 + 1); // white between line 6 and the frame
    }

    void positionPictureFieldsBevelAndLetter() {
        render();
        // Start picture at (3000, 360), fields 180. Across X (fields 1-2 of
        // row 0) at y = 460: 24 light, red, 24 dark; B starts at 3540.
        const int y = 460;
        QCOMPARE(px(3179, y), qRgb(64, 64, 64)); // A's shaded right edge
        for (int x = 3180; x < 3204; ++x)
            QCOMPARE(px(x, y), qRgb(160, 160, 160));
        QCOMPARE(px(3204, y), qRgb(255, 0, 0));
        QCOMPARE(px(3515, y), qRgb(255, 0, 0));
        for (int x = 3516; x < 3540; ++x)
            QCOMPARE(px(x, y), qRgb(64, 64, 64));
        QCOMPARE(px(3540, y), qRgb(160, 160, 160));
        // Down through X at x = 3300: light top 24 rows, dark bottom 24.
        QCOMPARE(px(3300, 383), qRgb(160, 160, 160));
        QCOMPARE(px(3300, 384), qRgb(255, 0, 0));
        QCOMPARE(px(3300, 695), qRgb(255, 0, 0));
        QCOMPARE(px(3300, 696), qRgb(64, 64, 64));
        QCOMPARE(px(3300, 719), qRgb(64, 64, 64));
        QCOMPARE(px(3300, 720), qRgb(160, 160, 160)); // D below
        // Corners of the outer ring: top right is lit, bottom left shaded.
        QCOMPARE(px(3539, 360), qRgb(160, 160, 160));
        QCOMPARE(px(3180, 719), qRgb(64, 64, 64));
        // The two empty fields of the start position stay paper.
        QCOMPARE(px(3000 + 180 + 90, 360 + 720 + 90), qRgb(255, 255, 255));
        QCOMPARE(px(3000 + 360 + 90, 360 + 720 + 90), qRgb(255, 255, 255));
        // Blocks are blue and X red; the final picture at 3960 shows the same board.
        QCOMPARE(px(3000 + 60, 360 + 60), qRgb(0, 96, 255));
        QCOMPARE(px(3960 + 240, 360 + 60), qRgb(255, 0, 0));

        // Letter X: white, centred in the block, its black shadow 6 down and right.
        const QRect block(3204, 384, 312, 312);
        const QRect white = boxOf(page, block, [](QRgb p) { return p == qRgb(255, 255, 255); });
        const QRect black = boxOf(page, block, [](QRgb p) { return p == qRgb(0, 0, 0); });
        QVERIFY(!white.isNull() && !black.isNull());
        QVERIFY(std::abs(white.center().x() - 3360) <= 6);
        QVERIFY(std::abs(white.center().y() - 540) <= 6);
        // A capital of a 120-pixel cell (0.5 r) stands about 0.61 cell high.
        QVERIFY(std::abs(white.height() - 73) <= 3);
        QVERIFY(std::abs(black.right() - white.right() - 6) <= 1);
        QVERIFY(std::abs(black.bottom() - white.bottom() - 6) <= 1);
    }

    void movesFillTheGridColumnByColumn_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("thirty") << 30;
        QTest::newRow("thirty-one") << 31;
        QTest::newRow("full") << 200;
    }

    void movesFillTheGridColumnByColumn() {
        QFETCH(int, count);
        setMoves(count);
        render();
        for (int c = 0; c < 7; ++c) {
            for (int w = 0; w < 30; ++w) {
                const bool filled = c * 30 + w + 1 <= count;
                const QRect ink = inkBox(page, cellArea(c, w));
                QVERIFY2(ink.isNull() != filled,
                         qPrintable(QStringLiteral("column %1 row %2").arg(c).arg(w)));
            }
        }
        // The list must not bleed below the frame either.
        QVERIFY(inkBox(page, QRect(361, 5760, 4198, 300)).isNull());
    }

    void entryPartsEndOnTheirStops() {
        setMoves(31);
        game->list.moves[0] = {'X', trulp::Right, false};
        game->list.moves[30] = {'I', trulp::Down, false};
        render();
        // Move 1: number ends at 2.25 r = 540, letter at 3.1 r = 744, arrow at 3.7 r = 888.
        const QRect number = inkBox(page, QRect(364, 1441, 540 - 364 + 4, 143));
        const QRect letter = inkBox(page, QRect(545, 1441, 744 - 545 + 4, 143));
        const QRect arrow = inkBox(page, QRect(749, 1441, 888 - 749 + 4, 143));
        QVERIFY(number.right() <= 540 && number.right() > 540 - 15);
        QVERIFY(letter.right() <= 744 && letter.right() > 744 - 15);
        QVERIFY(arrow.right() <= 888 && arrow.right() > 888 - 15);
        // Text tops at 6 r: the ink starts below the row's top and stays in its 0.4 r cell.
        QVERIFY(number.top() > 1440 && number.bottom() < 1440 + 96);
        // Move 31 at the top of the second column, its number ending at 4.75 r.
        const QRect n31 = inkBox(page, QRect(964, 1441, 1140 - 964 + 4, 143));
        QVERIFY(n31.right() <= 1140 && n31.right() > 1140 - 15);
        QVERIFY(n31.width() > number.width()); // "31" is wider than "1"
    }

    void arrowsPointTheirDirection_data() {
        QTest::addColumn<int>("direction");
        QTest::newRow("right") << int(trulp::Right);
        QTest::newRow("up") << int(trulp::Up);
        QTest::newRow("left") << int(trulp::Left);
        QTest::newRow("down") << int(trulp::Down);
    }

    void arrowsPointTheirDirection() {
        QFETCH(int, direction);
        setMoves(1);
        game->list.moves[0] = {'A', uint8_t(direction), false};
        render();
        const QRect arrow = inkBox(page, QRect(749, 1441, 888 - 749 + 4, 143));
        QVERIFY(!arrow.isNull());
        const bool horizontal = direction == trulp::Right || direction == trulp::Left;
        QCOMPARE(arrow.width() > arrow.height(), horizontal);
        // The head is the wide end: compare the ink across the first and last
        // fifth of the arrow along its axis.
        const int len = horizontal ? arrow.width() : arrow.height();
        const int fifth = std::max(1, len / 5);
        const QRect first = horizontal ? QRect(arrow.left(), arrow.top(), fifth, arrow.height())
                                       : QRect(arrow.left(), arrow.top(), arrow.width(), fifth);
        const QRect last = horizontal ? QRect(arrow.right() - fifth + 1, arrow.top(), fifth, arrow.height())
                                      : QRect(arrow.left(), arrow.bottom() - fifth + 1, arrow.width(), fifth);
        const int spanFirst = horizontal ? inkBox(page, first).height() : inkBox(page, first).width();
        const int spanLast = horizontal ? inkBox(page, last).height() : inkBox(page, last).width();
        const bool headAtEnd = direction == trulp::Right || direction == trulp::Down;
        QVERIFY2((spanLast > spanFirst) == headAtEnd,
                 qPrintable(QStringLiteral("%1 %2").arg(spanFirst).arg(spanLast)));
    }

    void finalPictureShowsTheBoardAsItStands() {
        // G steps down from field 14 to 18; the list says nothing of it.
        game->ApplyStep(8, trulp::Down);
        render();
        const auto field = [](int left, int f) {
            return QPoint(left + (f % 4) * 180 + 40, 360 + (f / 4) * 180 + 40);
        };
        QCOMPARE(page.pixel(field(3000, 14)), qRgb(0, 96, 255));
        QCOMPARE(page.pixel(field(3000, 18)), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(field(3960, 14)), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(field(3960, 18)), qRgb(0, 96, 255));
        QVERIFY(inkBox(page, cellArea(0, 0)).isNull());
    }

    void damagedEntriesPrintOnlyTheirNumber() {
        setMoves(200);
        game->list.moves[1] = {'?', 3, false}; // no such block, no such direction
        game->board.anchors[5] = 200;          // and a block off the board
        render();
        QVERIFY(!inkBox(page, QRect(364, 1585, 540 - 364 + 4, 143)).isNull());
        QVERIFY(inkBox(page, QRect(545, 1585, 888 - 545 + 4, 143)).isNull());
        QVERIFY(!inkBox(page, cellArea(6, 19)).isNull());
        QVERIFY(inkBox(page, cellArea(6, 20)).isNull());
        QCOMPARE(px(3960 + 180 + 40, 360 + 360 + 40), qRgb(255, 255, 255)); // D not drawn
    }

    // A list longer than a page goes on on the next, numbered on.
    void aLongListTakesMorePages() {
        setMoves(250);
        QCOMPARE(trulp::Pages(game->record()), 2);
        render(0);
        QVERIFY(!inkBox(page, cellArea(6, 29)).isNull()); // move 210
        render(1);
        QVERIFY(!inkBox(page, cellArea(1, 9)).isNull()); // move 250
        QVERIFY(inkBox(page, cellArea(1, 10)).isNull());
    }

    void printsThroughAPdfPrinter() {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        game->ApplyStep(8, trulp::Down);
        setMoves(40);
        {
            QPainter canvas;
            QVERIFY(canvas.begin(&printer));
            trulp::PaintMovesPage(canvas, printer.width(), game->record(), QStringLiteral("08/12/2026"));
        }

        QProcess convert;
        convert.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                 QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(convert.waitForFinished(60000));
        QCOMPARE(convert.exitCode(), 0);
        const QImage png =
            QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!png.isNull());

        // Printer pixels to PNG pixels: the printable area's offset, then 50 dpi.
        const double r = printer.width() / 20.0;
        const QPointF origin = printer.pageRect(QPrinter::DevicePixel).topLeft();
        const double scale = 50.0 / printer.resolution();
        const auto at = [&](double xr, double yr) {
            return QPoint(int((origin.x() + xr * r) * scale), int((origin.y() + yr * r) * scale));
        };
        QVERIFY(isRed(png.pixel(at(13.5, 1.75))));                            // X of the start position
        QVERIFY(isRed(png.pixel(at(17.5, 1.75))));                            // and of the final position
        QVERIFY(isWhite(png.pixel(at(12.5 + 0.75 * 1.5, 1.5 + 0.75 * 4.5)))); // field 17 empty
        QVERIFY(isWhite(png.pixel(at(16.5 + 0.75 * 2.5, 1.5 + 0.75 * 3.5)))); // G has left field 14
        QVERIFY(!isWhite(png.pixel(at(16.5 + 0.75 * 2.5, 1.5 + 0.75 * 4.5))));

        // The title's ink at the printer's scale: most of a 0.75 r cell.
        const QRect title = boxOf(png, QRect(at(1.4, 1.4), at(10, 2.3)), isInk);
        QVERIFY(!title.isNull());
        const double cell = 0.75 * r * scale;
        QVERIFY2(title.height() > 0.7 * cell && title.height() <= cell + 1,
                 qPrintable(QStringLiteral("%1 of %2").arg(title.height()).arg(cell)));
        QVERIFY(std::abs(title.left() - at(1.5, 0).x()) <= 2);
        // Move 40 is in the second column, row 10.
        QVERIFY(
            !boxOf(png, QRect(at(4.1, 6 + 0.6 * 9 + 0.05), at(6.4, 6 + 0.6 * 10 - 0.05)), isInk).isNull());
        QVERIFY(
            boxOf(png, QRect(at(4.1, 6 + 0.6 * 10 + 0.05), at(6.4, 6 + 0.6 * 11 - 0.05)), isInk).isNull());
    }
};

QTEST_MAIN(PrintPageTest)
#include "print_page_test.moc"
