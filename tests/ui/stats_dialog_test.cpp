// The statistics dialog: which counter lands in which field, how the values
// are written, where the dialog opens and how it closes.
#include "statform.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class StatsDialogTest : public QObject {
    Q_OBJECT

    static QString field(const TStatForm& form, int n) {
        auto* label = form.findChild<QLabel*>(QStringLiteral("StaticText%1").arg(n));
        return label != nullptr ? label->text() : QStringLiteral("<missing>");
    }

private slots:
    void countersGoToTheirRows() {
        TStatForm form;
        // forwardHits comes before backwardHits in the record but after it on
        // the dialog; distinct values show any swap.
        trulp::SearchCounters c{};
        c.moves = 148;
        c.seconds = 7;
        c.trialMoves = 3000000000u;
        c.forwardLength = 29999;
        c.forwardHits = 4000000001u;
        c.backwardHits = 52;
        form.FillCounters(c);
        QCOMPARE(field(form, 1), QStringLiteral("148"));
        QCOMPARE(field(form, 2), QStringLiteral("7"));
        QCOMPARE(field(form, 3), QStringLiteral("3000000000"));
        QCOMPARE(field(form, 4), QStringLiteral("29999"));
        QCOMPARE(field(form, 5), QStringLiteral("52"));
        QCOMPARE(field(form, 6), QStringLiteral("4000000001"));

        // Every showing writes all six fields again.
        form.FillCounters(trulp::SearchCounters{});
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(field(form, n), QStringLiteral("0"));
    }

    void fieldsAreEmptyBeforeTheFirstShowing() {
        TStatForm form;
        for (int n = 1; n <= 6; ++n)
            QVERIFY(field(form, n).isEmpty());
    }

    void centring_data() {
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("even difference") << QRect(300, 120, 496, 379) << QSize(396, 279) << QPoint(350, 170);
        QTest::newRow("odd difference") << QRect(300, 120, 497, 380) << QSize(396, 279) << QPoint(350, 170);
        // A dialog larger than the main window: the half truncates toward zero.
        QTest::newRow("dialog larger") << QRect(300, 120, 295, 178) << QSize(396, 279) << QPoint(250, 70);
        QTest::newRow("off screen left")
            << QRect(-200, -50, 572, 760) << QSize(396, 279) << QPoint(-112, 190);
    }

    void centring() {
        QFETCH(QRect, mainFrame);
        QFETCH(QSize, dialog);
        QFETCH(QPoint, expected);
        QCOMPARE(TStatForm::CentredPosition(mainFrame, dialog), expected);
    }

    void layoutFollowsTheForm() {
        TStatForm form;
        QCOMPARE(form.objectName(), QStringLiteral("StatForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("TRULP statistics"));
        QCOMPARE(form.size(), QSize(396, 279));
        // Resizable, so that it fits any screen.
        QVERIFY(form.minimumSize().height() < 279 && form.maximumSize().height() > 279);
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        // Liberation Sans has no size with a 13-pixel cell; 12 is the largest below.
        QCOMPARE(QFontMetrics(form.font()).height(), 12);

        auto* ok = form.findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->geometry(), QRect(168, 232, 75, 33));

        for (int n = 1; n <= 6; ++n) {
            auto* f = form.findChild<QLabel*>(QStringLiteral("StaticText%1").arg(n));
            QVERIFY(f != nullptr);
            QCOMPARE(f->geometry(), QRect(272, 24 + 32 * (n - 1), 81, 21));
            QVERIFY(f->alignment() & Qt::AlignRight);
            QCOMPARE(f->focusPolicy(), Qt::NoFocus);
            QCOMPARE(f->frameShadow(), QFrame::Sunken);
            QCOMPARE(QFontMetrics(f->font()).height(), 15);
            // The largest counter shows in full inside the sunken border.
            QVERIFY(QFontMetrics(f->font()).horizontalAdvance(QStringLiteral("4294967295")) <=
                    f->contentsRect().width() - f->indent());
        }

        // Each label's text must end between 250 and 258, just left of its
        // field at 272, and fit its box without being cut.
        const char* labels[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
        for (const char* name : labels) {
            auto* l = form.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(l != nullptr, name);
            QVERIFY(l->alignment() & Qt::AlignRight);
            const int end = l->geometry().left() + l->geometry().width();
            QVERIFY2(end >= 250 && end <= 258, name);
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), name);
        }
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("Forward history buffer length"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label3"))->geometry(), QRect(88, 120, 163, 16));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("time (secs.)"));
    }

    void showIsModalCentredAndClosesWithOk() {
        QWidget mainWindow;
        mainWindow.setGeometry(298, 123, 564, 730);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

        TStatForm form(&mainWindow);
        trulp::SearchCounters c{};
        c.moves = 148;
        c.backwardHits = 3000000000u;

        bool wasModal = false;
        QPoint shownAt;
        QString shownValue;
        QTimer::singleShot(0, &form, [&] {
            wasModal = form.isVisible() && form.isModal() && QApplication::activeModalWidget() == &form;
            shownAt = form.frameGeometry().topLeft();
            shownValue = field(form, 5);
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        form.ShowStatistics(c, &mainWindow);

        QVERIFY(wasModal);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(shownValue, QStringLiteral("3000000000"));
        QCOMPARE(shownAt,
                 TStatForm::CentredPosition(mainWindow.frameGeometry(), form.frameGeometry().size()));

        // A second showing reads the counters afresh.
        c = {};
        QTimer::singleShot(0, &form, [&] {
            shownValue = field(form, 1);
            form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        form.ShowStatistics(c, &mainWindow);
        QCOMPARE(shownValue, QStringLiteral("0"));
    }
};

QTEST_MAIN(StatsDialogTest)
#include "stats_dialog_test.moc"
