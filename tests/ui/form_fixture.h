// A main window on its own puzzle, shown offscreen, with the desktop hooks
// (dialogs, message boxes, browser) replaced by recorders.
#pragma once

#include "form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include <memory>

struct FormFixture {
    std::unique_ptr<trulp::Puzzle> puzzle = std::make_unique<trulp::Puzzle>();
    std::unique_ptr<trulp::TForm1> form;
    QStringList errors;
    QString nextSavePath, nextOpenPath;

    FormFixture() {
        form = std::make_unique<trulp::TForm1>(*puzzle);
        form->reportError = [this](const QString& text) { errors << text; };
        form->chooseSaveFile = [this] { return nextSavePath; };
        form->chooseOpenFile = [this] { return nextOpenPath; };
        form->openUrl = [](const QUrl&) {};
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
    }

    trulp::TForm1& f() { return *form; }
    trulp::Puzzle& p() { return *puzzle; }
    QString message() const { return form->msgtext->text(); }

    // Centre of a block on the board view.
    QPoint centreOf(int block) const { return form->BlockRect(block).center(); }

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // Pointer onto the block, press, move by (dx, dy) in a few steps, release.
    void drag(int block, int dx, int dy) {
        const QPoint start = centreOf(block);
        // Two moves, so the pointer really arrives even if it was there.
        QTest::mouseMove(form->PaintBox1, start + QPoint(1, 1));
        QTest::mouseMove(form->PaintBox1, start);
        QTest::mousePress(form->PaintBox1, Qt::LeftButton, {}, start);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(form->PaintBox1, start + QPoint(dx * i / 4, dy * i / 4));
        QTest::mouseRelease(form->PaintBox1, Qt::LeftButton, {}, start + QPoint(dx, dy));
    }

    void key(Qt::Key k) { QTest::keyClick(form.get(), k); }
    void type(char c) { QTest::keyClick(form.get(), c); }

    bool waitIdle(int ms = 5000) { return QTest::qWaitFor([this] { return !form->flags.busy(); }, ms); }

    // The board is sound: key matches the blocks, no two blocks overlap.
    bool boardSound() const {
        uint32_t seen = 0;
        for (int b = 1; b <= trulp::kBlocks; ++b) {
            const uint32_t m = puzzle->BlockMask(b);
            if ((seen & m) != 0 || (m & ~trulp::kFieldBits) != 0)
                return false;
            seen |= m;
        }
        trulp::BoardKey k = puzzle->boardKey;
        puzzle->MakeKey();
        return k == puzzle->boardKey;
    }
};
