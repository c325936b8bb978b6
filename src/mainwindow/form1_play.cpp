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
    if (flags.mode != kPlay || flags.busy() || p.moveNr > p.maxMove)
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
    if (flags.mode != kPlay || flags.busy() || p.moveNr > p.maxMove)
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
    if (flags.mode != kPlay || flags.busy() || !dragging)
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
    // The board is asked again: only an open step is ever made, and only
    // while the list has room.
    if (d != 0 && (!(p.PossibleDirections(hoverBlock) & d) || p.moveNr > p.maxMove))
        d = 0;
    if (d != 0)
        p.blockTable[hoverBlock].field = uint8_t(StepField(p.blockTable[hoverBlock].field, d));
    ClearRect(dragRect);
    DrawBlock(hoverBlock);
    FlushBoard();
    p.MakeKey();
    if (d == 0)
        return;

    if (recordPlayMove(hoverBlock, d))
        return;
    if (p.moveNr > p.maxMove)
        setMessage(QStringLiteral("moves list is full"));
    else
        setMessage(QStringLiteral("find solutions..."));
}

// Appends a move made by hand (the block already stands on its new field)
// and shows it. Reaching the goal is worth the same words however the block
// moved; true when it was reached.
bool TForm1::recordPlayMove(int block, uint8_t direction) {
    p.movesList[p.moveNr] = {uint8_t(block), direction, openDirs};
    if (p.moveNr == 1)
        solvedFromStart = true;
    p.lastMove = p.moveNr;
    ++p.moveNr;
    DrawMovesPanel();
    if (!p.GoalReached())
        return false;
    setMessage(solvedFromStart ? QStringLiteral("SOLUTION FOUND ...congratulations !")
                               : QStringLiteral("solution reached"));
    return true;
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    // The key as pressed first, then the character it types.
    FormKeyDown(e->key());
    if (!e->text().isEmpty())
        FormKeyPress(e->text().at(0));
    e->ignore();
}

void TForm1::FormKeyPress(QChar c) {
    if (flags.mode != kPlay || flags.busy() || dragging)
        return;
    const char16_t ch = c.unicode();
    if (!((ch >= u'a' && ch <= u'i') || ch == u'x'))
        return;
    const char upper = char(ch - u'a' + 'A');
    for (int b = 1; b <= kBlocks; ++b)
        if (p.blockTable[b].letter == upper) {
            SelectBlock(b);
            return;
        }
}

void TForm1::FormKeyDown(int key) {
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        goBtnClick();
        return;
    }
    if (flags.busy())
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
        case Qt::Key_Left: d = Left; break;
        case Qt::Key_Up: d = Up; break;
        case Qt::Key_Right: d = Right; break;
        case Qt::Key_Down: d = Down; break;
        default: break;
        }
        if (selectedBlock == 0)
            return;
        openDirs = p.PossibleDirections(selectedBlock);
        if (d != 0) {
            if (openDirs & d)
                KeyMove(selectedBlock, d);
        } else {
            setMessage(p.moveNr > p.maxMove ? QStringLiteral("list is full") : QStringLiteral("find solution..."));
        }
    } else if (flags.mode == kReplay && key == Qt::Key_Backspace) {
        StepBack();
    }
}

void TForm1::KeyMove(int block, uint8_t direction) {
    if (p.moveNr > p.maxMove) {
        setMessage(QStringLiteral("list is full"));
        return;
    }
    setMessage(QStringLiteral("find solution..."));
    prepareSlide(block, direction);
    p.blockTable[block].field = uint8_t(StepField(p.blockTable[block].field, direction));
    p.MakeKey();
    recordPlayMove(block, direction);
    flags.animating = true;
    Timer1.start();
}

// The slide starts where the block stands now, before its field changes.
void TForm1::prepareSlide(int block, uint8_t direction) {
    animRect = BlockRect(block);
    animTicks = 0;
    animBlock = uint8_t(block);
    animDX = direction == Right ? kSlideStep : direction == Left ? -kSlideStep : 0;
    animDY = direction == Down ? kSlideStep : direction == Up ? -kSlideStep : 0;
}

void TForm1::StartAnimation(int block, uint8_t direction) {
    flags.animating = true;
    hoverBlock = 0;
    prepareSlide(block, direction);
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
        control.animationFinished();
    }
}

} // namespace trulp
