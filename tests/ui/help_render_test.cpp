// The help markup renderer, checked on pictures of rows painted into images.
#include "helprenderer.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace trulp;

namespace {

constexpr QSize kBox{800, 610};

QImage blankBox() {
    QImage image(kBox, QImage::Format_RGB32);
    image.fill(kHelpPageColour);
    return image;
}

QImage renderRows(const QStringList& rows) {
    QImage image = blankBox();
    HelpRenderer renderer;
    QPainter painter(&image);
    for (int i = 0; i < rows.size(); ++i) {
        renderer.WriteHelpLine(painter, rows[i], i + 1);
    }
    return image;
}

QImage renderRow(const QString& line, int row = 1) {
    QStringList rows(row);
    rows[row - 1] = line;
    return renderRows(rows);
}

int textWidth(const QString& text, int height = kHelpNormalHeight, HelpStyle style = HelpStyle::Normal) {
    const QFontMetrics metrics(HelpRenderer().font(height, style));
    int width = 0;
    for (QChar c : text) {
        width += metrics.horizontalAdvance(c);
    }
    return width;
}

// Pixels of `a` inside `area` equal those of `b` in the same-sized area at `at`.
bool sameRegion(const QImage& a, QRect area, const QImage& b, QPoint at) {
    return a.copy(area) == b.copy(QRect(at, area.size()));
}

bool isFrame(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == kHelpFrameColour;
}

// A 2-pixel line at coordinate c covers pixels c - 1 and c, and no more.
bool frameNearColumn(const QImage& image, int x, int y) {
    return isFrame(image, x - 1, y) || isFrame(image, x, y);
}
bool frameNearRow(const QImage& image, int x, int y) {
    return isFrame(image, x, y - 1) || isFrame(image, x, y);
}
bool edgeAtColumn(const QImage& image, int x, int y) {
    return isFrame(image, x - 1, y) && isFrame(image, x, y) && !isFrame(image, x - 2, y) &&
           !isFrame(image, x + 1, y);
}
bool edgeAtRow(const QImage& image, int x, int y) {
    return isFrame(image, x, y - 1) && isFrame(image, x, y) && !isFrame(image, x, y - 2) &&
           !isFrame(image, x, y + 1);
}

bool bandIsBlank(const QImage& image, QRect band) {
    return image.copy(band) == blankBox().copy(band);
}

} // namespace

class HelpRenderTest : public QObject {
    Q_OBJECT
private slots:
    void stylesSwitchMidLine_data();
    void stylesSwitchMidLine();
    void equivalentMarkup_data();
    void equivalentMarkup();
    void codesChangeTheLook_data();
    void codesChangeTheLook();
    void linesThatDrawNothing_data();
    void linesThatDrawNothing();
    void tabsGoToTheNextMultipleOf150_data();
    void tabsGoToTheNextMultipleOf150();
    void raisedAndLoweredText();
    void framedButtonName();
    void unknownCodeInsideFrameIsConsumed();
    void openFrameExtendsUnderFollowingText();
    void nothingCarriesToTheNextRow();
    void titleRowIsVerbatimAndDrawsNothing();
    void pageDrawsOnlyItsOwnLines();
    void bevelAndClearing();
};

// Each segment: the markup that starts it, its text, height and style. A
// segment rendered alone must look the same where the whole line puts it.
struct Segment {
    QString markup;
    QString text;
    HelpStyle style;
};
Q_DECLARE_METATYPE(QList<Segment>)

void HelpRenderTest::stylesSwitchMidLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<Segment>>("segments");
    QTest::newRow("bold then normal")
        << QStringLiteral("\\fTRULP\\n has the following options:")
        << QList<Segment>{{"\\f", "TRULP", HelpStyle::Bold},
                          {"", " has the following options:", HelpStyle::Normal}};
    QTest::newRow("bold, italic, normal")
        << QStringLiteral("Moves are saved with name \\fTRULP_\\imyname \\n, without extension.")
        << QList<Segment>{{"", "Moves are saved with name ", HelpStyle::Normal},
                          {"\\f", "TRULP_", HelpStyle::Bold},
                          {"\\i", "myname ", HelpStyle::Italic},
                          {"", ", without extension.", HelpStyle::Normal}};
}

void HelpRenderTest::stylesSwitchMidLine() {
    QFETCH(QString, line);
    QFETCH(QList<Segment>, segments);
    const QImage whole = renderRow(line);
    int x = kHelpLeftMargin;
    for (const Segment& s : segments) {
        const QImage alone = renderRow(s.markup + s.text);
        const int width = textWidth(s.text, kHelpNormalHeight, s.style);
        // leave out two columns at each end, where neighbouring glyphs may overhang
        const QRect inside(kHelpLeftMargin + 2, kHelpRowHeight, width - 4, kHelpRowHeight);
        QVERIFY2(sameRegion(alone, inside, whole, QPoint(x + 2, kHelpRowHeight)), qPrintable(s.text));
        if (s.style != HelpStyle::Normal) {
            QVERIFY2(!sameRegion(renderRow(s.text), inside, whole, QPoint(x + 2, kHelpRowHeight)),
                     "styled text looks like normal text");
        }
        x += width;
    }
    QVERIFY(bandIsBlank(whole, QRect(x + 2, 0, kBox.width() - x - 2, kBox.height())));
}

void HelpRenderTest::equivalentMarkup_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("same");
    QTest::newRow("upper-case code") << "\\Fbold \\Iitalic"
                                     << "\\fbold \\iitalic";
    QTest::newRow("N and n") << "\\l\\fa\\Nb"
                             << "\\l\\fa\\nb";
    QTest::newRow("doubled backslash") << "\\\\fbold"
                                       << "\\fbold";
    QTest::newRow("trailing backslash") << "ab\\"
                                        << "ab";
    QTest::newRow("unknown code") << "\\=a\\ab\\zc"
                                  << "abc";
    QTest::newRow("bold replaces italic") << "\\i\\fword"
                                          << "\\fword";
    QTest::newRow("italic replaces bold") << "\\f\\iword"
                                          << "\\iword";
    QTest::newRow("size keeps style") << "\\f\\sword"
                                      << "\\s\\fword";
    QTest::newRow("N restores size and offset") << "\\l\\b\\nword"
                                                << "word";
    // characters past the 255th are not read
    QTest::newRow("long line") << QString("\\=").repeated(125) + "abcdef"
                               << "abcde";
}

void HelpRenderTest::equivalentMarkup() {
    QFETCH(QString, line);
    QFETCH(QString, same);
    QCOMPARE(renderRow(line, 2), renderRow(same, 2));
}

void HelpRenderTest::codesChangeTheLook_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("different");
    QTest::newRow("bold") << "\\fword"
                          << "word";
    QTest::newRow("italic") << "\\iword"
                            << "word";
    QTest::newRow("large") << "\\lword"
                           << "word";
    QTest::newRow("small") << "\\sword"
                           << "word";
    QTest::newRow("bold is not italic") << "\\fword"
                                        << "\\iword";
}

void HelpRenderTest::codesChangeTheLook() {
    QFETCH(QString, line);
    QFETCH(QString, different);
    QVERIFY(renderRow(line, 2) != renderRow(different, 2));
}

void HelpRenderTest::linesThatDrawNothing_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << "";
    QTest::newRow("one backslash") << "\\";
    QTest::newRow("codes only") << "\\f\\i\\n\\l\\s\\b\\p\\t\\t\\=";
}

void HelpRenderTest::linesThatDrawNothing() {
    QFETCH(QString, line);
    QCOMPARE(renderRow(line, 3), blankBox());
}

void HelpRenderTest::tabsGoToTheNextMultipleOf150_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("x");
    QTest::newRow("from the margin") << "\\tX" << 150;
    QTest::newRow("from 150") << "\\t\\tX" << 300;
    QTest::newRow("after text") << "abc\\tX" << 150;
    QTest::newRow("to the last stop") << "\\t\\t\\t\\t\\tX" << 750;
}

void HelpRenderTest::tabsGoToTheNextMultipleOf150() {
    QFETCH(QString, line);
    QFETCH(int, x);
    const QImage row = renderRow(line);
    const QRect glyph(kHelpLeftMargin, kHelpRowHeight, textWidth("X"), kHelpRowHeight);
    QVERIFY(sameRegion(renderRow("X"), glyph, row, QPoint(x, kHelpRowHeight)));
    QVERIFY(bandIsBlank(row, QRect(x + glyph.width(), 0, kBox.width() - x - glyph.width(), kBox.height())));
}

void HelpRenderTest::raisedAndLoweredText() {
    const int y = 3 * kHelpRowHeight;
    const QImage small = renderRow("\\sX", 3);
    const QRect cell(0, y, 60, kHelpSmallHeight);
    QVERIFY(sameRegion(small, cell, renderRow("\\bX", 3), QPoint(0, y + 7)));
    QVERIFY(sameRegion(small, cell, renderRow("\\pX", 3), QPoint(0, y - 5)));
}

void HelpRenderTest::framedButtonName() {
    const int y = 2 * kHelpRowHeight;
    const QImage row = renderRow("\\t\\[back \\\\[\\n   take back last move \\n", 2);
    const int left = 150;
    const int right = 155 + textWidth("back ");

    // the edges run from y - 5 to y + 25; away from the corners they stand alone
    for (int edgeY = y - 3; edgeY <= y + 22; ++edgeY) {
        QVERIFY2(edgeAtColumn(row, left, edgeY), "left edge");
        QVERIFY2(edgeAtColumn(row, right, edgeY), "right edge");
    }
    for (int edgeX = left + 2; edgeX < right - 2; ++edgeX) {
        QVERIFY2(edgeAtRow(row, edgeX, y - 5), "top edge");
        QVERIFY2(edgeAtRow(row, edgeX, y + 25), "bottom edge");
    }
    // the frame is closed: no edge runs on under the text after it
    for (int x = right + 2; x < kBox.width(); ++x) {
        QVERIFY(!frameNearRow(row, x, y - 5) && !frameNearRow(row, x, y + 25));
    }
    for (int x = 0; x < left - 2; ++x) {
        QVERIFY(!frameNearRow(row, x, y - 5));
    }

    const QString rest = "   take back last move ";
    const QRect inside(kHelpLeftMargin + 2, y, textWidth(rest) - 4, 20);
    QVERIFY(sameRegion(renderRow(rest, 2), inside, row, QPoint(right + 5 + 2, y)));
}

void HelpRenderTest::unknownCodeInsideFrameIsConsumed() {
    const int y = kHelpRowHeight;
    const QImage row = renderRow("\\t\\[step \\= \\[\\n   show next move");
    const int right = 155 + textWidth("step  ");
    QVERIFY(frameNearColumn(row, right, y + 10));
    QVERIFY(!frameNearColumn(row, 155 + textWidth("step "), y + 10));
}

void HelpRenderTest::openFrameExtendsUnderFollowingText() {
    const int y = kHelpRowHeight;
    const QImage row = renderRow("\\[ab\\[cd");
    const int second = 15 + textWidth("ab");
    QVERIFY(frameNearColumn(row, 10, y + 10));
    QVERIFY(frameNearColumn(row, second, y + 10));
    // edges are drawn up to the left side of each drawn character
    const int leftOfD = second + 5 + textWidth("c");
    QVERIFY(frameNearRow(row, leftOfD - 2, y - 5));
    QVERIFY(frameNearRow(row, leftOfD - 2, y + 25));
    QVERIFY(!frameNearRow(row, leftOfD + textWidth("d") + 3, y - 5));
}

void HelpRenderTest::nothingCarriesToTheNextRow() {
    const QImage page = renderRows({"\\l\\f\\b\\[open\\[frame", "plain text after it"});
    const QImage fresh = renderRow("plain text after it", 2);
    // rows from just below the first row's frame to just below the second's
    const QRect secondRow(0, 2 * kHelpRowHeight + 2, kBox.width(), kHelpRowHeight + 6);
    QVERIFY(sameRegion(fresh, secondRow, page, secondRow.topLeft()));
}

void HelpRenderTest::titleRowIsVerbatimAndDrawsNothing() {
    QString title;
    HelpRenderer renderer([&title](const QString& t) { title = t; });
    QImage image = blankBox();
    QPainter painter(&image);
    renderer.WriteHelpLine(painter, "a \\fb\\[c\\", 0);
    painter.end();
    QCOMPARE(title, QStringLiteral("a \\fb\\[c\\"));
    QCOMPARE(image, blankBox());
}

void HelpRenderTest::pageDrawsOnlyItsOwnLines() {
    QStringList lines;
    for (int i = 0; i < 30; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    const auto drawPage = [&lines](int helpPage, QString& title) {
        QImage image = blankBox();
        HelpRenderer renderer([&title](const QString& t) { title = t; });
        QPainter painter(&image);
        renderer.WriteHelpPage(painter, lines, helpPage);
        return image;
    };
    const auto rowBand = [](int row) { return QRect(0, row * kHelpRowHeight, kBox.width(), 20); };

    QString title = "before";
    const QImage second = drawPage(2, title);
    QCOMPARE(title, QStringLiteral("line 25"));
    for (int row = 1; row <= 24; ++row) {
        QCOMPARE(bandIsBlank(second, rowBand(row)), row > 4);
    }
    QVERIFY(sameRegion(renderRow("line 27", 2), rowBand(2), second, rowBand(2).topLeft()));

    title = "before";
    QCOMPARE(drawPage(3, title), blankBox());
    QCOMPARE(title, QStringLiteral("before"));
}

void HelpRenderTest::bevelAndClearing() {
    QImage image(kBox, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        HelpRenderer::paintBackground(painter, kBox);
    }
    const int w = kBox.width();
    const int h = kBox.height();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(image.pixelColor(w / 2, i), kHelpBevelDark);
        QCOMPARE(image.pixelColor(i, h / 2), kHelpBevelDark);
        QCOMPARE(image.pixelColor(w / 2, h - 1 - i), kHelpBevelLight);
        QCOMPARE(image.pixelColor(w - 1 - i, h / 2), kHelpBevelLight);
        QCOMPARE(image.pixelColor(w - 1 - i, i), kHelpBevelDark);
        QCOMPARE(image.pixelColor(i, h - 1 - i), kHelpBevelLight);
    }
    QCOMPARE(image.pixelColor(3, 3), kHelpPageColour);
    QCOMPARE(image.pixelColor(w - 4, h - 4), kHelpPageColour);

    image.fill(Qt::red);
    {
        QPainter painter(&image);
        HelpRenderer::ClearHelpPage(painter, kBox);
    }
    QCOMPARE(image.pixelColor(4, 4), QColor(Qt::red));
    QCOMPARE(image.pixelColor(5, 5), kHelpPageColour);
    QCOMPARE(image.pixelColor(794, 604), kHelpPageColour);
    QCOMPARE(image.pixelColor(795, 300), QColor(Qt::red));
    QCOMPARE(image.pixelColor(400, 605), QColor(Qt::red));
}

QTEST_MAIN(HelpRenderTest)
#include "help_render_test.moc"
