#include "boardview.h"

#include "paintkit.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trulp {

namespace {
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

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
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
    board_.def = std::make_shared<const PuzzleDef>();
    for (int p = 1; p <= board_.def->pieceCount(); ++p)
        board_.anchors[size_t(p)] = board_.def->piece(p).start;
    geometry_ = GeometryOf(*board_.def, kBoardArea);
}

QRect BoardView::pieceRect(int piece) const {
    if (piece < 1 || piece > board_.def->pieceCount())
        return {};
    return PieceRect(*board_.def, piece, board_.anchors[size_t(piece)], geometry_);
}

void BoardView::paintBoard(QPainter& canvas) const {
    const PuzzleDef& def = *board_.def;
    PaintFields(canvas, def, geometry_, kBoardArea);
    const int field = geometry_.field;
    const BlockLook looks[2] = {BoardLook(false, field), BoardLook(true, field)};
    const auto draw = [&](int piece, QPoint at) {
        const PieceDef& p = def.piece(piece);
        const ShapeDef& shape = def.shape(p.shape);
        const bool goal = p.goal != kNoGoal;
        PaintPiece(canvas, shape, at, field, QLatin1Char(p.letter), looks[goal]);
        if (piece == board_.ring) {
            canvas.setPen(QPen(QColor(0xFF, 0xFF, 0x00), std::max(1, field * 3 / kFieldPixels)));
            canvas.setBrush(Qt::NoBrush);
            const int radius = field * 20 / kFieldPixels;
            const QPoint c = LetterCentre(shape, at, field);
            canvas.drawEllipse(QRect(c.x() - radius, c.y() - radius, 2 * radius - 1, 2 * radius - 1));
        }
        if (goal && glowTimer_.isActive()) {
            const double glow = std::abs(std::sin(2 * M_PI * glowTicks_ / kGlowTicks));
            QColor veil = kGlow;
            veil.setAlpha(int(150 * glow));
            const QRect r(at, QSize(shape.width * field, shape.height * field));
            for (int dy = 0; dy < shape.height; ++dy)
                for (int dx = 0; dx < shape.width; ++dx)
                    if (shape.covers(dx, dy))
                        canvas.fillRect(QRect(at + QPoint(dx * field, dy * field), QSize(field, field))
                                            .intersected(r.adjusted(4, 4, -4, -4)),
                                        veil);
            canvas.setPen(QPen(kGlow, std::max(1, field * 6 / kFieldPixels)));
            canvas.setBrush(Qt::NoBrush);
            canvas.drawRect(QRectF(r).adjusted(3, 3, -3, -3));
        }
    };
    // The piece under way is drawn apart, over the others.
    const int floating = sliding_ != 0 ? sliding_ : board_.floating;
    for (int p = 1; p <= def.pieceCount(); ++p)
        if (p != floating)
            draw(p, pieceRect(p).topLeft());
    if (floating != 0) {
        QPoint at = pieceRect(floating).topLeft();
        if (sliding_ != 0)
            at = slideFrom_ + (at - slideFrom_) * slideTicks_ / kSlideTicks;
        else
            at += QPoint(board_.dx * field / 100, board_.dy * field / 100);
        draw(floating, at);
    }
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

void BoardView::show(const BoardShown& board) {
    const bool other = !board_.def || !board.def || board_.def.get() != board.def.get();
    board_ = board;
    if (other)
        geometry_ = GeometryOf(*board_.def, kBoardArea);
    update();
    describe();
}

// What a screen reader says of the board: each piece and its place.
void BoardView::describe() {
    const PuzzleDef& def = *board_.def;
    QStringList pieces;
    for (int p = 1; p <= def.pieceCount(); ++p) {
        const ShapeDef& s = def.shape(def.piece(p).shape);
        const int anchor = board_.anchors[size_t(p)];
        const int column = anchor % def.columns(), row = anchor / def.columns();
        const QString letter(QLatin1Char(def.piece(p).letter));
        if (s.rectangle()) {
            //: A piece and where it stands, read aloud: "A: column 1, rows 1 to 2".
            pieces << tr("%1: %2, %3").arg(letter, Columns(column, s.width), Rows(row, s.height));
            continue;
        }
        // Another shape, an L say, is read as its runs of fields row by row,
        // so that its bounding box does not pass for the piece.
        for (int dy = 0; dy < s.height; ++dy)
            for (int dx = 0; dx < s.width; ++dx) {
                if (!s.covers(dx, dy) || s.covers(dx - 1, dy))
                    continue;
                int run = 1;
                while (s.covers(dx + run, dy))
                    ++run;
                pieces << tr("%1: %2, %3").arg(letter, Columns(column + dx, run), Rows(row + dy, 1));
            }
    }
    const QString text = pieces.join(tr("; "));
    if (accessibleDescription() == text)
        return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void BoardView::send(Act act, const QMouseEvent* e) {
    const QPointF design = e->position() / scale();
    const QPointF onBoard = (design - QPointF(geometry_.origin)) * 100.0 / geometry_.field;
    Input in;
    in.act = act;
    in.x = int(std::floor(onBoard.x()));
    in.y = int(std::floor(onBoard.y()));
    emit input(in);
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
    send(pressed_ ? Act::Drag : Act::Hover, e);
}

void BoardView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || pressed_)
        return;
    pressed_ = true;
    send(Act::Press, e);
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    send(Act::Release, e);
}

void BoardView::setHand(bool hand) {
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void BoardView::slide(const StepMade& step) {
    const PuzzleDef& def = *board_.def;
    if (step.block < 1 || step.block > def.pieceCount())
        return;
    sliding_ = step.block;
    slideFrom_ = PieceRect(def, step.block, step.fromField, geometry_).topLeft();
    slideTicks_ = 0;
    slideTimer_.start();
    update();
}

void BoardView::hurry() {
    // The board keeps up with the fingers.
    if (sliding())
        slideTicks_ = std::max(slideTicks_, kSlideTicks - 2);
}

void BoardView::slideTick() {
    ++slideTicks_;
    update();
    if (slideTicks_ < kSlideTicks)
        return;
    slideTimer_.stop();
    sliding_ = 0;
    describe();
    if (glowAfterSlide_) {
        glowAfterSlide_ = false;
        celebrate();
    }
    emit slideFinished();
}

void BoardView::abandon() {
    slideTimer_.stop();
    sliding_ = 0;
    pressed_ = false;
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
