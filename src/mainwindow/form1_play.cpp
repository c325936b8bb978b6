// Play by mouse (drag a block one field) and by keyboard (letter, then a
// cursor key, with a 25-tick slide), and the slide itself. What a drag or a
// key means is the session's; here are the pointer, the keys and the slide.
#include "form1.h"

#include <QKeyEvent>
#include <QTimer>

#include <cstdlib>

namespace trulp {

namespace {
constexpr int kHitMargin = 5;
constexpr int kDragCommit = 50;
constexpr int kDragLimit = 100;

// The cursor key's direction, 0 for any other key.
unsigned DirectionOfKey(int key) {
    return key == Qt::Key_Left    ? Left
           : key == Qt::Key_Up    ? Up
           : key == Qt::Key_Right ? Right
           : key == Qt::Key_Down  ? Down
                                  : 0;
}

bool IsGoKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

int TForm1::BlockAt(int x, int y) const {
    for (int b = 1; b <= kBlocks; ++b) {
        const PixelRect r = BlockRectOf(session_.boardShown()[b]);
        if (r.left + kHitMargin <= x && x < r.right - kHitMargin && r.top + kHitMargin <= y &&
            y < r.bottom - kHitMargin)
            return b;
    }
    return 0;
}

void TForm1::PaintBox1MouseMove(int x, int y) {
    if (session_.editing()) {
        SetupMouseMove(x, y);
        return;
    }
    if (session_.mode() != kPlay || busy() || p().ListFull())
        return;
    if (!dragging_) {
        const int b = BlockAt(x, y);
        if (b != hoverBlock_)
            PaintBox1->setCursor(b != 0 && p().PossibleDirections(b) != 0 ? Qt::PointingHandCursor
                                                                          : Qt::ArrowCursor);
        hoverBlock_ = uint8_t(b);
        return;
    }
    const QRect r = BlockRect(hoverBlock_);
    int dx = x - grabX_ - r.left();
    int dy = y - grabY_ - r.top();
    if (!(dragDirs_ & Right) && dx > 0)
        dx = 0;
    if (!(dragDirs_ & Up) && dy < 0)
        dy = 0;
    if (!(dragDirs_ & Left) && dx < 0)
        dx = 0;
    if (!(dragDirs_ & Down) && dy > 0)
        dy = 0;
    dx = std::clamp(dx, -kDragLimit, kDragLimit);
    dy = std::clamp(dy, -kDragLimit, kDragLimit);
    if (std::abs(dx) > std::abs(dy))
        dy = 0;
    else
        dx = 0;
    ClearRect(dragRect_);
    dragRect_ = r.translated(dx, dy);
    DrawBlockAt(r.left() + dx, r.top() + dy, hoverBlock_);
    FlushBoard();
}

void TForm1::PaintBox1MouseDown(int x, int y) {
    if (session_.editing() && !dragging_) {
        // Any block may be taken to any free place.
        hoverBlock_ = uint8_t(BlockAt(x, y));
        if (hoverBlock_ != 0) {
            showReply(session_.Letter(char32_t(startTable[hoverBlock_].letter - 'A' + 'a')));
            dragRect_ = BlockRect(hoverBlock_);
            grabX_ = x - dragRect_.left();
            grabY_ = y - dragRect_.top();
            dragging_ = true;
        }
        return;
    }
    // A full list takes no more moves, so a press does not start a drag.
    if (session_.mode() != kPlay || busy() || p().ListFull())
        return;
    session_.Deselect();
    ShowSelection();
    EndCelebration();
    // The block under the press, whether or not the pointer moved since the
    // last release: a tap and then a drag is two presses and no move.
    hoverBlock_ = uint8_t(BlockAt(x, y));
    if (hoverBlock_ != 0) {
        dragDirs_ = p().PossibleDirections(hoverBlock_);
        dragRect_ = BlockRect(hoverBlock_);
        grabX_ = x - dragRect_.left();
        grabY_ = y - dragRect_.top();
        dragging_ = true;
    }
}

void TForm1::PaintBox1MouseUp(int, int) {
    if (session_.editing()) {
        SetupMouseUp();
        return;
    }
    if (session_.mode() != kPlay || busy() || !dragging_)
        return;
    FinishDrag();
    dragging_ = false;
    PaintBox1->setCursor(Qt::ArrowCursor);
    hoverBlock_ = 0;
}

void TForm1::FinishDrag() {
    const QRect r = BlockRect(hoverBlock_);
    const int dx = dragRect_.left() - r.left();
    const int dy = dragRect_.top() - r.top();
    unsigned d = 0;
    if (dx > kDragCommit)
        d = Right;
    else if (dx < -kDragCommit)
        d = Left;
    else if (dy > kDragCommit)
        d = Down;
    else if (dy < -kDragCommit)
        d = Up;
    const Reply reply = session_.Drag(hoverBlock_, d);
    // The block snaps onto its field, new or old.
    ClearRect(dragRect_);
    DrawBlock(hoverBlock_);
    FlushBoard();
    showReply(reply);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    e->ignore(); // the focused control, if any, sees the key too
    if (session_.editing()) {
        if (!dragging_)
            SetupKey(e->key(), e->text());
        return;
    }
    if (IsGoKey(e->key())) {
        goBtnClick();
        return;
    }
    if (animating_ && !dragging_) {
        // Kept for after the slide; a held key's repeats are not, so it
        // stops when it is let go.
        if (!e->isAutoRepeat() && queuedKeys_ < kKeyQueue)
            keyQueue_[queuedKeys_++] = {e->key(), e->text()};
        return;
    }
    handleKey(e->key(), e->text());
}

void TForm1::handleKey(int key, const QString& text) {
    // The key as pressed first, then the character it types.
    FormKeyDown(key);
    if (!text.isEmpty())
        FormKeyPress(text.at(0));
}

void TForm1::FormKeyPress(QChar c) {
    if (busy() || dragging_)
        return;
    showReply(session_.Letter(c.unicode()));
}

void TForm1::FormKeyDown(int key) {
    // A drag in progress owns the board until it is released.
    if (busy() || dragging_)
        return;
    if (key == Qt::Key_Backspace) {
        if (session_.mode() == kPlay) {
            session_.Deselect();
            ShowSelection();
        }
        showReply(session_.Back());
        return;
    }
    if (session_.mode() != kPlay)
        return;
    const unsigned d = DirectionOfKey(key);
    showReply(session_.Key(d));
}

// A block taken to anywhere on the board, drawn over the others until it
// is let go.
void TForm1::SetupMouseMove(int x, int y) {
    if (!dragging_)
        return;
    const QRect r = BlockRect(hoverBlock_);
    const QPoint at(std::clamp(x - grabX_, 0, kColumns * kFieldPixels - r.width()),
                    std::clamp(y - grabY_, 0, kRows * kFieldPixels - r.height()));
    dragRect_ = QRect(at, r.size());
    DrawSetupBoard(hoverBlock_, at);
}

void TForm1::SetupMouseUp() {
    if (!dragging_)
        return;
    dragging_ = false;
    // The field nearest to where the block was let go.
    const int column = (dragRect_.left() + kFieldPixels / 2) / kFieldPixels;
    const int row = (dragRect_.top() + kFieldPixels / 2) / kFieldPixels;
    showReply(session_.Place(hoverBlock_, row * kColumns + column));
    hoverBlock_ = 0;
}

void TForm1::SetupKey(int key, const QString& text) {
    // Return plays the position, Escape gives it up.
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        showReply(session_.EndSetup(key != Qt::Key_Escape, maxmoveUpDown->position()));
        return;
    }
    const unsigned d = DirectionOfKey(key);
    if (d != 0)
        showReply(session_.Key(d));
    else if (!text.isEmpty())
        showReply(session_.Letter(text.at(0).unicode()));
}

void TForm1::DrawSetupBoard(int floating, QPoint at) {
    ClearRect(kBoardArea);
    for (int b = 1; b <= kBlocks; ++b)
        if (b != floating)
            DrawBlock(b);
    if (floating != 0)
        DrawBlockAt(at.x(), at.y(), floating);
    FlushBoard();
}

void TForm1::StartAnimation(const StepMade& step) {
    animating_ = true;
    hoverBlock_ = 0;
    const Block& b = p().blockTable()[step.block];
    const PixelRect from = BlockRectOf({b.shape, step.fromField, b.letter});
    animRect_ = QRect(QPoint(from.left, from.top), QPoint(from.right - 1, from.bottom - 1));
    animTicks_ = 0;
    animBlock_ = step.block;
    animDX_ = step.direction == Right ? kSlideStep : step.direction == Left ? -kSlideStep : 0;
    animDY_ = step.direction == Down ? kSlideStep : step.direction == Up ? -kSlideStep : 0;
    Timer1->start();
}

void TForm1::Timer1Timer() {
    ++animTicks_;
    ClearRect(animRect_);
    animRect_.translate(animDX_, animDY_);
    DrawBlockAt(animRect_.left(), animRect_.top(), animBlock_);
    FlushBoard();
    if (animTicks_ < kSlideTicks)
        return;
    Timer1->stop();
    animating_ = false;
    if (celebrateAfterSlide_) {
        celebrateAfterSlide_ = false;
        StartCelebration();
    }
    control_.slideFinished();
    // Keys typed during a run's slides belong to no one: the run ignores them.
    if (control_.running())
        queuedKeys_ = 0;
    // The keys typed meanwhile, in order, until one starts another slide.
    while (queuedKeys_ > 0 && !animating_) {
        const QueuedKey k = keyQueue_[0];
        std::move(keyQueue_ + 1, keyQueue_ + queuedKeys_, keyQueue_);
        --queuedKeys_;
        handleKey(k.key, k.text);
    }
}

} // namespace trulp
