// A main window on its own puzzle, shown offscreen, with the desktop hooks
// (dialogs, message boxes, browser) replaced by recorders.
#pragma once

#include "boardview.h"
#include "form1.h"
#include "hooklabel.h"
#include "movespanel.h"
#include "targetview.h"
#include "toolbar.h"
#include "updown.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

// Every control of the main window with its place.
inline const struct {
    const char* name;
    QRect geometry;
} kLayout[] = {{"open_image", {16, 5, 50, 46}},      {"save_image", {72, 12, 49, 40}},
               {"pr_image", {128, 16, 43, 37}},      {"pr_setup", {176, 24, 49, 26}},
               {"chart_image", {234, 16, 46, 37}},   {"Image2", {288, 8, 125, 30}},
               {"helpBtn", {488, 8, 65, 28}},        {"Label3", {432, 27, 37, 15}},
               {"PaintBox3", {432, 48, 120, 600}},   {"PaintBox2", {352, 64, 60, 75}},
               {"Label1", {296, 93, 49, 15}},        {"Label5", {304, 110, 39, 15}},
               {"Label2", {304, 126, 38, 15}},       {"Label4", {16, 65, 56, 15}},
               {"maxmovetext", {16, 83, 41, 22}},    {"maxmoveUpDown", {57, 83, 18, 22}},
               {"stepcheck", {80, 80, 49, 17}},      {"Label8", {144, 65, 40, 15}},
               {"togotext", {144, 83, 41, 22}},      {"playBtn", {16, 112, 65, 28}},
               {"replayBtn", {88, 112, 65, 28}},     {"searchBtn", {160, 112, 65, 28}},
               {"PaintBox1", {16, 148, 400, 500}},   {"msgtext", {16, 658, 537, 25}},
               {"resetBtn", {16, 696, 65, 28}},      {"hintBtn", {96, 696, 65, 28}},
               {"solveBtn", {168, 696, 65, 28}},     {"BackBtn", {288, 696, 57, 28}},
               {"goBtn", {360, 696, 57, 28}},        {"statBtn", {472, 696, 75, 28}},
               {"Label9", {196, 65, 90, 15}},        {"puzzletext", {196, 83, 90, 22}},
               {"puzzles_image", {238, 111, 44, 32}}};

struct FormFixture {
    std::unique_ptr<trulp::Puzzle> puzzle = std::make_unique<trulp::Puzzle>();
    std::unique_ptr<trulp::TForm1> form;
    QStringList errors;
    QString nextSavePath, nextOpenPath, nextPdfPath, proposedPdf;

    FormFixture() {
        // The window reads and keeps records only where a test says.
        QStandardPaths::setTestModeEnabled(true);
        form = std::make_unique<trulp::TForm1>(*puzzle);
        form->setRecordsFile(QString());
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
    }

    trulp::TForm1& f() { return *form; }
    trulp::Puzzle& p() { return *puzzle; }
    QString message() const { return form->findChild<QLabel*>(QStringLiteral("msgtext"))->text(); }

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

    // Centre of a block on the board view.
    QPoint centreOf(int block) const { return form->board().blockRect(block).center(); }

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // Pointer onto the block, press, move by (dx, dy) in a few steps, release.
    void drag(int block, int dx, int dy) {
        const QPoint start = centreOf(block);
        // Two moves, so the pointer really arrives even if it was there.
        QTest::mouseMove(PaintBox1(), start + QPoint(1, 1));
        QTest::mouseMove(PaintBox1(), start);
        QTest::mousePress(PaintBox1(), Qt::LeftButton, {}, start);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(PaintBox1(), start + QPoint(dx * i / 4, dy * i / 4));
        QTest::mouseRelease(PaintBox1(), Qt::LeftButton, {}, start + QPoint(dx, dy));
    }

    void key(Qt::Key k) { QTest::keyClick(form.get(), k); }
    void type(char c) { QTest::keyClick(form.get(), c); }

    bool waitIdle(int ms = 5000) {
        return QTest::qWaitFor([this] { return !form->busy(); }, ms);
    }

    // A list as an opened file gives it, of which the first `replayed`
    // moves are replayed at once; the window shows the result.
    void setLine(const trulp::MoveRecord* list, int count, int replayed) {
        std::vector<trulp::MoveRecord> copy(list, list + count + 1);
        QVERIFY(puzzle->LoadMoves(copy.data(), count));
        for (int i = 0; i < replayed; ++i)
            QVERIFY(puzzle->ReplayMove().made);
        PaintBox1()->update();
        PaintBox3()->showList();
    }

    // One press of STEP in replay; true when a move was played.
    bool replayStep() {
        const int before = puzzle->moveNr();
        const bool wasStep = form->session().stepMode();
        if (!wasStep)
            click(stepcheck());
        click(goBtn());
        const bool idle = waitIdle();
        if (!wasStep)
            click(stepcheck());
        return idle && puzzle->moveNr() == before + 1;
    }

    // The board is sound: key matches the blocks, no two blocks overlap.
    bool boardSound() const {
        uint32_t seen = 0;
        for (int b = 1; b <= trulp::kBlocks; ++b) {
            const uint32_t m = puzzle->BlockMask(b);
            if ((seen & m) != 0 || (m & ~trulp::kFieldBits) != 0)
                return false;
            seen |= m;
        }
        trulp::Board rebuilt = puzzle->board();
        rebuilt.MakeKey();
        return rebuilt.boardKey == puzzle->boardKey();
    }
};
