// The help window: its controls, the help text it loads and its page navigation.
#include "helpform.h"
#include "trulp_version.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace trulp;

namespace {

constexpr int kPages = 11;

// Runs `body` while the window is open modally, then closes it with Esc.
// Returns the dialog's result.
int whileOpen(Thelpform& form, const std::function<void()>& body) {
    QTimer::singleShot(0, &form, [&form, &body] {
        if (QTest::qWaitForWindowExposed(&form)) {
            body();
        } else {
            QTest::qFail("the help window was not shown", __FILE__, __LINE__);
        }
        if (form.isVisible()) {
            QTest::keyClick(&form, Qt::Key_Escape);
        }
    });
    form.ShowHelp();
    return form.result();
}

QString text(Thelpform& form, const char* name) {
    return form.findChild<QLabel*>(name)->text();
}

QWidget* child(Thelpform& form, const char* name) {
    return form.findChild<QWidget*>(name);
}

void key(Thelpform& form, Qt::Key k, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(&form, k);
    }
}

// The help box as a fresh repaint would draw page `helpPage`.
QImage expectedBox(const QStringList& lines, int helpPage) {
    QImage image(800, 610, QImage::Format_RGB32);
    QPainter painter(&image);
    HelpRenderer::paintBackground(painter, image.size());
    HelpRenderer().WriteHelpPage(painter, lines, helpPage);
    return image;
}

// What is on screen in the help box now: a page turn paints only the
// inside of the box, so take the window's pixels rather than repaint it.
QImage shownBox(Thelpform& form) {
    QWidget* box = child(form, "helpbox");
    const QPoint at = box->mapTo(&form, QPoint(0, 0));
    const QPixmap window = form.screen()->grabWindow(form.winId());
    return window.toImage().copy(QRect(at, box->size())).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandInTheirPlaces_data();
    void controlsStandInTheirPlaces();
    void windowLook();
    void helpTextLinesAndPages();
    void keysTurnPages();
    void mouseOnPageNumberTurnsPages();
    void holdingTheButtonRepeatsEverySecond();
    void holdingAtTheFirstPageChangesNothing();
    void closingStopsTheRepeat();
    void pageSixAndTheLastPage_data();
    void pageSixAndTheLastPage();
    void reopensAtPageOne();
    void escClosesFromEveryPage();
};

void HelpWindowTest::controlsStandInTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("subtitle") << "subtitle" << QRect(8, 16, 609, 30);
    QTest::newRow("Label1") << "Label1" << QRect(624, 24, 24, 13);
    QTest::newRow("Label2") << "Label2" << QRect(656, 16, 15, 13);
    QTest::newRow("Label3") << "Label3" << QRect(656, 32, 35, 13);
    QTest::newRow("page1btn") << "page1btn" << QRect(704, 16, 33, 33);
    QTest::newRow("pageNrDisplay") << "pageNrDisplay" << QRect(744, 16, 58, 33);
    QTest::newRow("helpbox") << "helpbox" << QRect(8, 56, 800, 610);
    QTest::newRow("Label4") << "Label4" << QRect(16, 680, 88, 13);
}

void HelpWindowTest::controlsStandInTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Thelpform form;
    QWidget* control = form.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    // the window takes every key itself
    QCOMPARE(control->focusPolicy(), Qt::NoFocus);
}

void HelpWindowTest::windowLook() {
    Thelpform form;
    QCOMPARE(form.objectName(), QStringLiteral("helpform"));
    QCOMPARE(form.windowTitle(), QStringLiteral("TRULP help"));
    // Opens at its design size; the user may resize it on any screen.
    QCOMPARE(form.size(), QSize(824, 704));
    QVERIFY(form.minimumSize().width() < 824 && form.maximumSize().width() > 824);
    QCOMPARE(form.pos(), QPoint(239, 127));
    QCOMPARE(text(form, "Label1"), QStringLiteral("page"));
    QCOMPARE(text(form, "Label4"), QStringLiteral("<ECS> close page"));
    auto* timer = form.findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isActive());

    whileOpen(form, [&form] {
        const QImage number = child(form, "pageNrDisplay")->grab().toImage();
        QCOMPARE(number.pixelColor(6, 6), QColor(240, 240, 192));
        const QImage title = child(form, "subtitle")->grab().toImage();
        bool blue = false;
        for (int x = 0; x < 120 && !blue; ++x) {
            for (int y = 0; y < title.height() && !blue; ++y) {
                blue = title.pixelColor(x, y) == QColor(0, 0, 255);
            }
        }
        QVERIFY2(blue, "title in blue");
    });
}

void HelpWindowTest::helpTextLinesAndPages() {
    Thelpform form;
    const QStringList& lines = form.lines();
    whileOpen(form, [] {});
    QCOMPARE(form.pageCount(), kPages);

    const QStringList titles = {"Introduction",
                                "the buttons",
                                "buttons (continued)",
                                "save, open, print",
                                "mouse and keyboard",
                                "installation, conditions",
                                "the coach",
                                "puzzles",
                                "your progress",
                                "puzzle files",
                                "keys"};
    for (int page = 0; page < titles.size(); ++page) {
        QCOMPARE(lines[page * 25], titles[page]);
    }
    // lines that are easily damaged in storage: blanks and lone backslashes
    QCOMPARE(lines[25 + 16], QStringLiteral("\\"));
    QCOMPARE(lines[25 + 13], QStringLiteral(" \\t\\[back \\[\\n   show previous move"));
    QCOMPARE(lines[100 + 14], QString(18, u' '));
    QCOMPARE(lines[25 + 4], QStringLiteral("\\t\\[back \\\\[\\n   take back last move \\n"));
    QVERIFY(lines[50 + 14].startsWith(QStringLiteral("\\t") + QString(32, u' ')));
    QCOMPARE(lines[125 + 9], QStringLiteral("\\fQuorvel"));
    QVERIFY(lines[125 + 12].isEmpty() && lines[125 + 17].isEmpty() && lines[125 + 23].isEmpty());

    bool versionShown = false;
    for (const QString& line : lines) {
        QVERIFY(line.size() <= kHelpMaxLineLength);
        QVERIFY(!line.contains(QStringLiteral("@TRULP_VERSION@")));
        QVERIFY2(!line.contains(QStringLiteral(".exe")), qPrintable(line));
        versionShown = versionShown || line.contains(QStringLiteral(TRULP_VERSION));
    }
    QVERIFY(versionShown);
}

void HelpWindowTest::keysTurnPages() {
    Thelpform form;
    const int result = whileOpen(form, [&form] {
        QCOMPARE(form.currentPage(), 1);
        QCOMPARE(text(form, "subtitle"), QStringLiteral("Introduction"));
        key(form, Qt::Key_PageUp);
        QCOMPARE(form.currentPage(), 1);
        key(form, Qt::Key_PageDown, 2);
        QCOMPARE(form.currentPage(), 3);
        QCOMPARE(text(form, "pageNrDisplay"), QStringLiteral("3"));
        QCOMPARE(text(form, "subtitle"), QStringLiteral("buttons (continued)"));
        QCOMPARE(shownBox(form), expectedBox(form.lines(), 3));
        key(form, Qt::Key_PageUp);
        QCOMPARE(form.currentPage(), 2);
        QCOMPARE(text(form, "subtitle"), QStringLiteral("the buttons"));

        // keys the window does not use change nothing, Return included
        key(form, Qt::Key_Return);
        key(form, Qt::Key_Down);
        key(form, Qt::Key_A);
        QCOMPARE(form.currentPage(), 2);
        QVERIFY(form.isVisible());

        // the mouse over the help box does nothing with this text
        QWidget* box = child(form, "helpbox");
        QTest::mouseMove(box, QPoint(100, 3 * 24 + 5));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(100, 3 * 24 + 5));
        QCOMPARE(form.currentPage(), 2);

        key(form, Qt::Key_PageDown, 10);
        QCOMPARE(form.currentPage(), kPages);
        key(form, Qt::Key_Home);
        QCOMPARE(form.currentPage(), 1);
        QCOMPARE(text(form, "pageNrDisplay"), QStringLiteral("1"));
        QCOMPARE(text(form, "subtitle"), QStringLiteral("Introduction"));
        QCOMPARE(shownBox(form), expectedBox(form.lines(), 1));

        key(form, Qt::Key_PageDown, 4);
        QTest::mouseClick(form.findChild<QPushButton*>("page1btn"), Qt::LeftButton);
        QCOMPARE(form.currentPage(), 1);
        QCOMPARE(text(form, "subtitle"), QStringLiteral("Introduction"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
}

void HelpWindowTest::mouseOnPageNumberTurnsPages() {
    Thelpform form;
    whileOpen(form, [&form] {
        QWidget* number = child(form, "pageNrDisplay");
        QTest::mouseClick(number, Qt::RightButton);
        QCOMPARE(form.currentPage(), 1);
        QTest::mouseClick(number, Qt::LeftButton);
        QCOMPARE(form.currentPage(), 2);
        QTest::mouseClick(number, Qt::MiddleButton);
        QCOMPARE(form.currentPage(), 3);
        QTest::mouseClick(number, Qt::RightButton);
        QCOMPARE(form.currentPage(), 2);
        QCOMPARE(text(form, "pageNrDisplay"), QStringLiteral("2"));
        QCOMPARE(shownBox(form), expectedBox(form.lines(), 2));
        QVERIFY(!form.findChild<QTimer*>("Timer1")->isActive());
    });
}

void HelpWindowTest::holdingTheButtonRepeatsEverySecond() {
    Thelpform form;
    whileOpen(form, [&form] {
        QWidget* number = child(form, "pageNrDisplay");
        // one page at once, one after 1 s and one after 2 s
        QTest::mousePress(number, Qt::LeftButton);
        QCOMPARE(form.currentPage(), 2);
        QTest::qWait(2500);
        QTest::mouseRelease(number, Qt::LeftButton);
        QCOMPARE(form.currentPage(), 4);
        QCOMPARE(text(form, "pageNrDisplay"), QStringLiteral("4"));
        QTest::qWait(1200);
        QCOMPARE(form.currentPage(), 4);
    });
}

void HelpWindowTest::holdingAtTheFirstPageChangesNothing() {
    Thelpform form;
    whileOpen(form, [&form] {
        QWidget* number = child(form, "pageNrDisplay");
        auto* timer = form.findChild<QTimer*>("Timer1");
        QTest::mousePress(number, Qt::RightButton);
        QTest::qWait(1200);
        QCOMPARE(form.currentPage(), 1);
        QVERIFY(timer->isActive());
        QTest::mouseRelease(number, Qt::RightButton);
        QVERIFY(!timer->isActive());
    });
}

void HelpWindowTest::closingStopsTheRepeat() {
    Thelpform form;
    whileOpen(form, [&form] { QTest::mousePress(child(form, "pageNrDisplay"), Qt::LeftButton); });
    QVERIFY(!form.findChild<QTimer*>("Timer1")->isActive());
}

void HelpWindowTest::pageSixAndTheLastPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("part");
    // how the program is really installed and started, the package's name following the version
    QTest::newRow("page 6 installs the package")
        << 6 << 1 << QStringLiteral("\\fsudo apt-get install ./trulp_" TRULP_VERSION "_amd64.deb\\n");
    QTest::newRow("page 6 starts the program") << 6 << 2 << QStringLiteral("type \\ftrulp\\n in a terminal");
    QTest::newRow("progress, page 9") << 9 << 0 << QStringLiteral("your progress");
    QTest::newRow("keys, the last page") << kPages << 0 << QStringLiteral("keys");
}

void HelpWindowTest::pageSixAndTheLastPage() {
    QFETCH(int, page);
    QFETCH(int, row);
    QFETCH(QString, part);
    Thelpform form;
    whileOpen(form, [&form, page, row, &part] {
        key(form, Qt::Key_PageDown, page - 1);
        QCOMPARE(form.currentPage(), page);
        QCOMPARE(text(form, "pageNrDisplay"), QString::number(page));
        const qsizetype first = qsizetype(page - 1) * kHelpPageLines;
        QVERIFY2(form.lines().at(first + row).contains(part), qPrintable(form.lines().at(first + row)));
        QCOMPARE(text(form, "subtitle"), form.lines().at(first));
        QCOMPARE(shownBox(form), expectedBox(form.lines(), page));
        // Page Down on the last page does nothing
        key(form, Qt::Key_PageDown);
        QCOMPARE(form.currentPage(), std::min(page + 1, kPages));
    });
}

void HelpWindowTest::reopensAtPageOne() {
    Thelpform form;
    whileOpen(form, [&form] { key(form, Qt::Key_PageDown, 4); });
    QCOMPARE(form.currentPage(), 5);
    whileOpen(form, [&form] {
        QCOMPARE(form.currentPage(), 1);
        QCOMPARE(text(form, "pageNrDisplay"), QStringLiteral("1"));
        QCOMPARE(text(form, "subtitle"), QStringLiteral("Introduction"));
        QCOMPARE(shownBox(form), expectedBox(form.lines(), 1));
    });
}

void HelpWindowTest::escClosesFromEveryPage() {
    Thelpform form;
    for (int page = 1; page <= kPages; ++page) {
        bool sawPage = false;
        QTimer::singleShot(0, &form, [&form, page, &sawPage] {
            key(form, Qt::Key_PageDown, page - 1);
            sawPage = form.currentPage() == page;
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        form.ShowHelp();
        QVERIFY(sawPage);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
