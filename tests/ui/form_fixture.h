// A main window on its own puzzle, shown offscreen, with the desktop hooks
// (dialogs, message boxes, browser) replaced by recorders, its own coach and
// a store that keeps nothing unless a test gives it a folder.
#pragma once

#include "boardview.h"
#include "coach.h"
#include "form1.h"
#include "hooklabel.h"
#include "movespanel.h"
#include "store.h"
#include "targetview.h"
#include "toolbar.h"
#include "updown.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

struct FormFixture {
    std::unique_ptr<trulp::Puzzle> puzzle = std::make_unique<trulp::Puzzle>();
    trulp::Coach coach;
    std::unique_ptr<trulp::Store> store;
    std::unique_ptr<trulp::TForm1> form;
    QStringList errors;
    QString nextSavePath, nextOpenPath, nextPdfPath, proposedPdf;

    // `folder` keeps the records and the kept game; none keeps nothing.
    explicit FormFixture(const QString& folder = {}) {
        QStandardPaths::setTestModeEnabled(true);
        store = std::make_unique<trulp::Store>(folder);
        form = std::make_unique<trulp::TForm1>(*puzzle, coach, *store);
        desktop([this](trulp::Desktop& d) {
            d.reportError = [this](const QString& text) { errors << text; };
            d.chooseSaveFile = [this] { return nextSavePath; };
            d.chooseOpenFile = [this] { return nextOpenPath; };
            d.choosePdfFile = [this](const QString& proposed) {
                proposedPdf = proposed;
                return nextPdfPath;
            };
            d.openUrl = [](const QUrl&) {};
        });
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        waitCoach();
    }

    trulp::TForm1& f() { return *form; }
    const trulp::Puzzle& p() const { return *puzzle; }
    QString message() const { return form->findChild<QLabel*>(QStringLiteral("msgtext"))->text(); }
    QString aside() const {
        const auto* l = form->findChild<QLabel*>(QStringLiteral("recordtext"));
        return l->isVisible() ? l->text() : QString();
    }

    // The coach's table of the puzzle played is ready.
    bool waitCoach(int ms = 10000) {
        return QTest::qWaitFor([this] { return !form->session().CoachWants(); }, ms);
    }

    // Changes some of the window's ways to the desktop.
    template <class Change> void desktop(Change change) {
        trulp::Desktop d = form->desktop();
        change(d);
        form->setDesktop(std::move(d));
    }

    // The window's controls, by their names.
    template <class T = QWidget> T* w(const char* name) const {
        T* found = form->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QPushButton* playBtn() const { return w<QPushButton>("playBtn"); }
    QPushButton* replayBtn() const { return w<QPushButton>("replayBtn"); }
    QPushButton* searchBtn() const { return w<QPushButton>("searchBtn"); }
    QPushButton* resetBtn() const { return w<QPushButton>("resetBtn"); }
    QPushButton* BackBtn() const { return w<QPushButton>("BackBtn"); }
    QPushButton* goBtn() const { return w<QPushButton>("goBtn"); }
    QPushButton* statBtn() const { return w<QPushButton>("statBtn"); }
    QPushButton* helpBtn() const { return w<QPushButton>("helpBtn"); }
    QPushButton* hintBtn() const { return w<QPushButton>("hintBtn"); }
    QPushButton* solveBtn() const { return w<QPushButton>("solveBtn"); }
    QCheckBox* stepcheck() const { return w<QCheckBox>("stepcheck"); }
    trulp::UpDown* maxmoveUpDown() const { return w<trulp::UpDown>("maxmoveUpDown"); }
    QLabel* maxmovetext() const { return w<QLabel>("maxmovetext"); }
    QLabel* togotext() const { return w<QLabel>("togotext"); }
    QLabel* msgtext() const { return w<QLabel>("msgtext"); }
    trulp::HookLabel* Label7() const { return w<trulp::HookLabel>("Label7"); }
    trulp::BoardView* PaintBox1() const { return w<trulp::BoardView>("PaintBox1"); }
    trulp::MovesPanel* PaintBox3() const { return w<trulp::MovesPanel>("PaintBox3"); }
    trulp::HookLabel* open_image() const { return w<trulp::HookLabel>("open_image"); }
    trulp::HookLabel* save_image() const { return w<trulp::HookLabel>("save_image"); }
    trulp::HookLabel* pr_image() const { return w<trulp::HookLabel>("pr_image"); }
    trulp::HookLabel* pr_setup() const { return w<trulp::HookLabel>("pr_setup"); }
    trulp::HookLabel* chart_image() const { return w<trulp::HookLabel>("chart_image"); }
    QTimer* Timer1() const { return w<QTimer>("Timer1"); }
    QAction* action(trulp::Act a) const { return form->action(a); }

    // Centre of a piece on the board view, in its design pixels.
    QPoint centreOf(int piece) const { return form->board().pieceRect(piece).center(); }

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // Pointer onto the piece, press, move by (dx, dy) in a few steps, release.
    void drag(int piece, int dx, int dy) {
        const QPoint start = centreOf(piece);
        // Two moves, so the pointer really arrives even if it was there.
        QTest::mouseMove(PaintBox1(), start + QPoint(1, 1));
        QTest::mouseMove(PaintBox1(), start);
        QTest::mousePress(PaintBox1(), Qt::LeftButton, {}, start);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(PaintBox1(), start + QPoint(dx * i / 4, dy * i / 4));
        QTest::mouseRelease(PaintBox1(), Qt::LeftButton, {}, start + QPoint(dx, dy));
    }

    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(form.get(), k, m); }
    void type(char c) { QTest::keyClick(form.get(), c); }

    // No slide and no run under way.
    bool waitIdle(int ms = 5000) {
        return QTest::qWaitFor([this] { return !form->session().busy() && !form->runs().running(); }, ms);
    }

    // A list of the puzzle played, as an opened file gives it: the board at
    // its start.
    void openLine(const trulp::MoveRecord* list, int count) {
        trulp::OpenedFile file;
        file.kind = trulp::OpenedFile::Kind::Game;
        file.def = puzzle->sharedDef();
        file.moves.assign(list + 1, list + 1 + count);
        file.name = "line";
        form->open(file);
    }

    // Moves 1..count of a 1-based list played by keys in play, typed at
    // once: they wait for each other's slides.
    void playLine(const trulp::MoveRecord* list, int count) {
        if (!playBtn()->isChecked())
            click(playBtn());
        for (int i = 1; i <= count; ++i) {
            type(char(puzzle->def().piece(list[i].block).letter - 'A' + 'a'));
            key(list[i].direction == trulp::Right  ? Qt::Key_Right
                : list[i].direction == trulp::Up   ? Qt::Key_Up
                : list[i].direction == trulp::Left ? Qt::Key_Left
                                                   : Qt::Key_Down);
        }
        QVERIFY(waitIdle(10000 + 100 * count));
    }

    // One press of STEP in replay; true when a move was played.
    bool replayStep() {
        const int before = puzzle->moveNr();
        const bool wasStep = stepcheck()->isChecked();
        if (!wasStep)
            click(stepcheck());
        click(goBtn());
        const bool idle = waitIdle();
        if (!wasStep)
            click(stepcheck());
        return idle && puzzle->moveNr() == before + 1;
    }

    // The board is sound: key matches the pieces, no two pieces overlap.
    bool boardSound() const {
        trulp::FieldSet seen = 0;
        for (int b = 1; b <= puzzle->def().pieceCount(); ++b) {
            const trulp::FieldSet m = puzzle->BlockMask(b);
            if ((seen & m) != 0 || m == 0)
                return false;
            seen |= m;
        }
        trulp::Board rebuilt = puzzle->board();
        rebuilt.MakeKey();
        return rebuilt.boardKey() == puzzle->boardKey();
    }
};
