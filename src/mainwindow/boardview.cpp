#include "boardview.h"

#include "boardlook.h"
#include "paintkit.h"
#include "session.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace trulp {

namespace {
constexpr int kHitMargin = 5;
constexpr int kDragCommit = 50;
constexpr int kDragLimit = 100;
// Past a field and a half, a drag has made its move and goes on from there.
constexpr int kDragOn = 150;
constexpr int kGlowTicks = 30; // of 33 ms: one second
const QColor kGlow(255, 220, 40);

// "column 1" or "columns 2 to 3", counted from 1.
QString Columns(int first, int size) {
    return size == 1 ? BoardView::tr("column %1").arg(first + 1)
                     : BoardView::tr("columns %1 to %2").arg(first + 1).arg(first + size);
}
QString Rows(int first, int size) {
    return size == 1 ? BoardView::tr("row %1").arg(first + 1)
                     : BoardView::tr("rows %1 to %2").arg(first + 1).arg(first + size);
}
} // namespace

BoardView::BoardView(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(tr("board"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    slideTimer_.setInterval(10);
    slideTimer_.setTimerType(Qt::PreciseTimer);
    slideTimer_.setObjectName(QStringLiteral("Timer1"));
    slideTimer_.setParent(this);
    connect(&slideTimer_, &QTimer::timeout, this, &BoardView::slideTick);
    glowTimer_.setInterval(33);
    glowTimer_.setObjectName(QStringLiteral("celebrateTimer"));
    glowTimer_.setParent(this);
    connect(&glowTimer_, &QTimer::timeout, this, &BoardView::glowTick);
}

QRect BoardView::blockRect(int block) const {
    return BlockRect(session_.boardShown()[block]);
}

int BoardView::blockAt(QPoint at) const {
    for (int b = 1; b <= kBlocks; ++b)
        if (blockRect(b).adjusted(kHitMargin, kHitMargin, -kHitMargin, -kHitMargin).contains(at))
            return b;
    return 0;
}

void BoardView::paintBoard(QPainter& canvas) const {
    canvas.fillRect(kBoardArea, Qt::white);
    const BlockTable& table = session_.boardShown();
    const auto draw = [&](int block, QPoint at) {
        const Block& b = table[block];
        const QRect r(at, BlockRect(b).size());
        PaintBlock(canvas, r, QLatin1Char(b.letter), BoardLook(b.shape));
        if (block == ring_) {
            canvas.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 3));
            canvas.setBrush(Qt::NoBrush);
            const int cx = r.left() + r.width() / 2, cy = r.top() + r.height() / 2;
            canvas.drawEllipse(QRect(cx - 20, cy - 20, 39, 39));
        }
        if (block == kXBlock && glowTimer_.isActive()) {
            const double glow = std::abs(std::sin(2 * M_PI * glowTicks_ / kGlowTicks));
            QColor veil = kGlow;
            veil.setAlpha(int(150 * glow));
            canvas.fillRect(r.adjusted(4, 4, -4, -4), veil);
            canvas.setPen(QPen(kGlow, 6));
            canvas.setBrush(Qt::NoBrush);
            canvas.drawRect(QRectF(r).adjusted(3, 3, -3, -3));
        }
    };
    for (int b = 1; b <= kBlocks; ++b)
        if (b != floating_)
            draw(b, blockRect(b).topLeft());
    // The block under way goes over the others.
    if (floating_ != 0)
        draw(floating_, floatAt_);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    canvas.scale(scale(), scale());
    paintBoard(canvas);
}

QImage BoardView::picture() const {
    QImage image(kBoardArea.size(), QImage::Format_RGB32);
    QPainter canvas(&image);
    paintBoard(canvas);
    return image;
}

void BoardView::showBoard(int selected) {
    ring_ = selected;
    update();
    describe();
}

void BoardView::showSelection(int selected) {
    if (selected == ring_)
        return;
    ring_ = selected;
    update();
}

// What a screen reader says of the board: each block and its place.
void BoardView::describe() {
    QStringList blocks;
    for (int b = 1; b <= kBlocks; ++b) {
        const Block& k = session_.boardShown()[b];
        const BlockShape& s = shapeTable[k.shape];
        //: A block and where it stands, read aloud: "A: column 1, rows 1 to 2".
        blocks << tr("%1: %2, %3")
                      .arg(QString(QLatin1Char(k.letter)), Columns(k.field % kColumns, s.width),
                           Rows(k.field / kColumns, s.height));
    }
    const QString text = blocks.join(tr("; "));
    if (accessibleDescription() == text)
        return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

QPoint BoardView::designPoint(const QMouseEvent* e) const {
    return (e->position() / scale()).toPoint();
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = designPoint(e);
    if (session_.editing()) {
        if (!dragging_)
            return;
        const QSize size = blockRect(hover_).size();
        floatAt_ = QPoint(std::clamp(at.x() - grab_.x(), 0, kBoardArea.width() - size.width()),
                          std::clamp(at.y() - grab_.y(), 0, kBoardArea.height() - size.height()));
        update();
        return;
    }
    if (session_.mode() != kPlay || refusing() || sliding() || session_.puzzle().ListFull())
        return;
    if (!dragging_) {
        const int b = blockAt(at);
        if (b != hover_)
            setCursor(b != 0 && session_.puzzle().PossibleDirections(b) != 0 ? Qt::PointingHandCursor
                                                                             : Qt::ArrowCursor);
        hover_ = b;
        return;
    }
    // A drag that goes on along free fields moves the block on, a field
    // and a move at a time; the block then follows from its new field.
    for (;;) {
        const QRect r = blockRect(hover_);
        const QPoint offset = at - grab_ - r.topLeft();
        const unsigned d = offset.x() > kDragOn    ? Right
                           : offset.x() < -kDragOn ? Left
                           : offset.y() > kDragOn  ? Down
                           : offset.y() < -kDragOn ? Up
                                                   : 0;
        if (d == 0 || !(dragDirs_ & d) ||
            std::abs(d == Right || d == Left ? offset.y() : offset.x()) > kDragOn)
            break;
        const int before = session_.boardShown()[hover_].field;
        emit dragged(hover_, d);
        if (session_.boardShown()[hover_].field == before)
            break;
        dragDirs_ = session_.puzzle().PossibleDirections(hover_);
    }
    const QRect r = blockRect(hover_);
    int dx = at.x() - grab_.x() - r.left();
    int dy = at.y() - grab_.y() - r.top();
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
    floatAt_ = r.topLeft() + QPoint(dx, dy);
    update();
}

void BoardView::mousePressEvent(QMouseEvent* e) {
    const QPoint at = designPoint(e);
    if (session_.editing()) {
        if (dragging_)
            return;
        // Any block may be taken to any free place.
        hover_ = blockAt(at);
        if (hover_ == 0)
            return;
        emit taken(hover_);
    } else {
        // A full list takes no more moves, so a press does not start a drag.
        if (session_.mode() != kPlay || refusing() || sliding() || session_.puzzle().ListFull())
            return;
        emit pressed();
        // The block under the press, whether or not the pointer moved since
        // the last release: a tap and then a drag is two presses and no move.
        hover_ = blockAt(at);
        if (hover_ == 0)
            return;
        dragDirs_ = session_.puzzle().PossibleDirections(hover_);
    }
    const QRect r = blockRect(hover_);
    grab_ = at - r.topLeft();
    floating_ = hover_;
    floatAt_ = r.topLeft();
    dragging_ = true;
}

void BoardView::mouseReleaseEvent(QMouseEvent*) {
    if (!dragging_)
        return;
    if (!session_.editing() && (session_.mode() != kPlay || refusing() || sliding()))
        return;
    dragging_ = false;
    const int block = hover_;
    const QPoint moved = floatAt_ - blockRect(block).topLeft();
    floating_ = 0;
    hover_ = 0;
    update();
    if (session_.editing()) {
        // The field nearest to where the block was let go.
        const int column = (floatAt_.x() + kFieldPixels / 2) / kFieldPixels;
        const int row = (floatAt_.y() + kFieldPixels / 2) / kFieldPixels;
        emit placed(block, row * kColumns + column);
        return;
    }
    setCursor(Qt::ArrowCursor);
    const unsigned d = moved.x() > kDragCommit    ? Right
                       : moved.x() < -kDragCommit ? Left
                       : moved.y() > kDragCommit  ? Down
                       : moved.y() < -kDragCommit ? Up
                                                  : 0;
    emit dragged(block, d);
}

void BoardView::slide(const StepMade& step) {
    hover_ = 0;
    const Block& b = session_.boardShown()[step.block];
    floating_ = step.block;
    slideFrom_ = BlockRect({b.shape, step.fromField, b.letter}).topLeft();
    floatAt_ = slideFrom_;
    slideStep_ = QPoint(step.direction == Right  ? kSlideStep
                        : step.direction == Left ? -kSlideStep
                                                 : 0,
                        step.direction == Down ? kSlideStep
                        : step.direction == Up ? -kSlideStep
                                               : 0);
    slideTicks_ = 0;
    // Keys still waiting hurry this slide too.
    if (!keys_.empty())
        slideTicks_ = kSlideTicks - 2;
    slideTimer_.start();
    update();
}

void BoardView::slideTick() {
    ++slideTicks_;
    floatAt_ = slideFrom_ + slideStep_ * slideTicks_;
    update();
    if (slideTicks_ < kSlideTicks)
        return;
    slideTimer_.stop();
    floating_ = 0;
    describe();
    if (glowAfterSlide_) {
        glowAfterSlide_ = false;
        celebrate();
    }
    emit slideFinished();
    // The keys typed meanwhile, in order, until one starts another slide.
    while (!keys_.empty() && !sliding()) {
        const Key k = keys_.front();
        keys_.pop_front();
        emit keyTyped(k.key, k.text);
    }
}

void BoardView::typeKey(int key, const QString& text, bool autoRepeat, bool runGoing) {
    if (!sliding() || dragging_) {
        emit keyTyped(key, text);
        return;
    }
    // A run's slides take no keys; a held key's repeats are not kept, so it
    // stops when it is let go.
    if (runGoing || autoRepeat || int(keys_.size()) >= kKeyQueue)
        return;
    keys_.push_back({key, text});
    // The board keeps up with the fingers: the slide finishes in two frames.
    slideTicks_ = std::max(slideTicks_, kSlideTicks - 2);
}

void BoardView::abandon() {
    if (sliding()) {
        slideTimer_.stop();
        floating_ = 0;
    }
    keys_.clear();
    dragging_ = false;
    floating_ = 0;
    update();
}

void BoardView::celebrate() {
    if (sliding()) {
        glowAfterSlide_ = true;
        return;
    }
    glowTicks_ = 0;
    glowTimer_.start();
    update();
}

void BoardView::glowTick() {
    if (++glowTicks_ >= kGlowTicks)
        glowTimer_.stop();
    update();
}

void BoardView::endCelebration() {
    glowAfterSlide_ = false;
    if (!glowTimer_.isActive())
        return;
    glowTimer_.stop();
    update();
}

} // namespace trulp
