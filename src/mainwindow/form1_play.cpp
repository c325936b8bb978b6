// Play by mouse (drag a block one field) and by keyboard (letter, then a
// cursor key, with a 25-tick slide), and the slide itself.
#include "form1.h"

#include <QKeyEvent>

#include <cstdlib>

namespace trulp {

namespace {
constexpr int kHitMargin = 5;
constexpr int kDragCommit = 50;
constexpr int kDragLimit = 100;
} // namespace

int TForm1::BlockAt(int x, int y) const {
    for (int b = 1; b <= kBlocks; ++b) {
        const PixelRect r = p.BlockRect(b);
        if (r.left + kHitMargin <= x && x < r.right - kHitMargin && r.top + kHitMargin <= y &&
            y < r.bottom - kHitMargin)
            return b;
    }
    return 0;
}

void TForm1::PaintBox1MouseMove(int x, int y) {
    if (flags.mode != kPlay || busy() || p.ListFull())
        return;
    if (!dragging) {
        const int b = BlockAt(x, y);
        if (b != hoverBlock) {
            if (b != 0) {
                openDirs = p.PossibleDirections(b);
                PaintBox1->setCursor(openDirs != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
            } else {
                PaintBox1->setCursor(Qt::ArrowCursor);
            }
        }
        hoverBlock = uint8_t(b);
        return;
    }
    const QRect r = BlockRect(hoverBlock);
    int dx = x - grabX - r.left();
    int dy = y - grabY - r.top();
    if (!(openDirs & Right) && dx > 0)
        dx = 0;
    if (!(openDirs & Up) && dy < 0)
        dy = 0;
    if (!(openDirs & Left) && dx < 0)
        dx = 0;
    if (!(openDirs & Down) && dy > 0)
        dy = 0;
    dx = std::clamp(dx, -kDragLimit, kDragLimit);
    dy = std::clamp(dy, -kDragLimit, kDragLimit);
    if (std::abs(dx) > std::abs(dy))
        dy = 0;
    else
        dx = 0;
    ClearRect(dragRect);
    dragRect = r.translated(dx, dy);
    DrawBlockAt(r.left() + dx, r.top() + dy, hoverBlock);
    FlushBoard();
}

void TForm1::PaintBox1MouseDown(int x, int y) {
    // A full list takes no more moves, so a press does not start a drag.
    if (flags.mode != kPlay || busy() || p.ListFull())
        return;
    if (selectedBlock != 0) {
        const int previous = selectedBlock;
        selectedBlock = 0;
        DrawBlock(previous);
        FlushBoard();
    }
    if (hoverBlock != 0) {
        openDirs = p.PossibleDirections(hoverBlock);
        dragRect = BlockRect(hoverBlock);
        grabX = x - dragRect.left();
        grabY = y - dragRect.top();
        dragging = true;
    }
}

void TForm1::PaintBox1MouseUp(int, int) {
    if (flags.mode != kPlay || busy() || !dragging)
        return;
    FinishDrag();
    dragging = false;
    PaintBox1->setCursor(Qt::ArrowCursor);
    hoverBlock = 0;
}

void TForm1::FinishDrag() {
    const QRect r = BlockRect(hoverBlock);
    const int dx = dragRect.left() - r.left();
    const int dy = dragRect.top() - r.top();
    uint8_t d = 0;
    if (dx > kDragCommit)
        d = Right;
    else if (dx < -kDragCommit)
        d = Left;
    else if (dy > kDragCommit)
        d = Down;
    else if (dy < -kDragCommit)
        d = Up;
    // The puzzle decides: only an open step is made, and only while the
    // list has room; otherwise the block snaps back without a word.
    const PlayOutcome o = d != 0 ? puzzle_.PlayMove(hoverBlock, d) : PlayOutcome{PlayResult::Closed};
    ClearRect(dragRect);
    DrawBlock(hoverBlock);
    FlushBoard();
    if (!o.made())
        return;
    if (o.number == 1)
        solvedFromStart = true;
    DrawMovesPanel();
    if (o.result == PlayResult::Solved)
        showGoalMessage();
    else if (o.result == PlayResult::MovedListFull)
        setMessage(QStringLiteral("moves list is full"));
    else
        setMessage(QStringLiteral("find solutions..."));
}

// Reaching the goal is worth the same words however the block moved.
void TForm1::showGoalMessage() {
    setMessage(solvedFromStart ? QStringLiteral("SOLUTION FOUND ...congratulations !")
                               : QStringLiteral("solution reached"));
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    // The key as pressed first, then the character it types.
    FormKeyDown(e->key());
    if (!e->text().isEmpty())
        FormKeyPress(e->text().at(0));
    e->ignore();
}

void TForm1::FormKeyPress(QChar c) {
    if (flags.mode != kPlay || busy() || dragging)
        return;
    const char16_t ch = c.unicode();
    if (!((ch >= u'a' && ch <= u'i') || ch == u'x'))
        return;
    const char upper = char(ch - u'a' + 'A');
    for (int b = 1; b <= kBlocks; ++b)
        if (p.blockTable()[b].letter == upper) {
            SelectBlock(b);
            return;
        }
}

void TForm1::FormKeyDown(int key) {
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        goBtnClick();
        return;
    }
    if (busy())
        return;
    if (flags.mode == kPlay) {
        // A drag in progress owns the board until it is released.
        if (dragging)
            return;
        uint8_t d = 0;
        switch (key) {
        case Qt::Key_Backspace:
            SelectBlock(0);
            StepBack();
            return;
        case Qt::Key_Left:
            d = Left;
            break;
        case Qt::Key_Up:
            d = Up;
            break;
        case Qt::Key_Right:
            d = Right;
            break;
        case Qt::Key_Down:
            d = Down;
            break;
        default:
            break;
        }
        if (selectedBlock == 0)
            return;
        openDirs = p.PossibleDirections(selectedBlock);
        if (d != 0) {
            if (openDirs & d)
                KeyMove(selectedBlock, d);
        } else {
            setMessage(p.ListFull() ? QStringLiteral("list is full") : QStringLiteral("find solution..."));
        }
    } else if (flags.mode == kReplay && key == Qt::Key_Backspace) {
        StepBack();
    }
}

void TForm1::KeyMove(int block, uint8_t direction) {
    const PlayOutcome o = puzzle_.PlayMove(block, direction);
    if (o.result == PlayResult::ListFull) {
        setMessage(QStringLiteral("list is full"));
        return;
    }
    if (!o.made())
        return;
    setMessage(QStringLiteral("find solution..."));
    if (o.number == 1)
        solvedFromStart = true;
    slideBlock({true, uint8_t(block), direction, o.fromField});
    if (o.result == PlayResult::Solved)
        showGoalMessage();
}

void TForm1::slideBlock(const StepMade& step) {
    DrawMovesPanel();
    StartAnimation(step);
}

void TForm1::StartAnimation(const StepMade& step) {
    flags.animating = true;
    hoverBlock = 0;
    const Block& b = p.blockTable()[step.block];
    const PixelRect from = BlockRectOf({b.shape, step.fromField, b.letter});
    animRect = QRect(QPoint(from.left, from.top), QPoint(from.right - 1, from.bottom - 1));
    animTicks = 0;
    animBlock = step.block;
    animDX = step.direction == Right ? kSlideStep : step.direction == Left ? -kSlideStep : 0;
    animDY = step.direction == Down ? kSlideStep : step.direction == Up ? -kSlideStep : 0;
    Timer1.start();
}

void TForm1::Timer1Timer() {
    ++animTicks;
    ClearRect(animRect);
    animRect.translate(animDX, animDY);
    DrawBlockAt(animRect.left(), animRect.top(), animBlock);
    FlushBoard();
    if (animTicks >= kSlideTicks) {
        Timer1.stop();
        flags.animating = false;
        control.slideFinished();
    }
}

} // namespace trulp
