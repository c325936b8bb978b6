// Drawing of the board (through the off-screen image and its dirty
// rectangle), the target indicator and the moves panel.
#include "form1.h"
#include "paintkit.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

namespace trulp {

namespace {

const QColor kPanelColour(0xFF, 0xFF, 0xE0);
constexpr int kMoveColumnEdges[3] = {50, 85, 120};
constexpr int kPanelRows = 30;
constexpr int kRowHeight = 20;

// A block on the board: its shape's colour with light and dark bevels
// derived per channel, four rings, a 40-pixel bold letter.
BlockLook BoardLook(int shape) {
    const QRgb c = shapeTable[shape].colour;
    return {QColor::fromRgb(c),
            QColor(qRed(c) | 0xA0, qGreen(c) | 0xA0, qBlue(c) | 0xA0),
            QColor(qRed(c) & 0xC0, qGreen(c) & 0xC0, qBlue(c) & 0xC0),
            4,
            Arial(40, true),
            2};
}

// The move pointer: a red triangle pointing right, 10 x 18, column 0 empty;
// at the screen's density and the window's scale, so that it stays sharp.
QImage MakePointerPicture(qreal density) {
    QImage img(QSize(10, 18) * density, QImage::Format_ARGB32);
    img.setDevicePixelRatio(density);
    img.fill(Qt::transparent);
    QPainter canvas(&img);
    KeepLogicalPixels(canvas);
    for (int row = 0; row < 18; ++row)
        canvas.fillRect(1, row, std::min(row, 17 - row) + 1, 1, QColor(0xFF, 0, 0));
    return img;
}

// Dotted one-pixel line, every other pixel set; on a panel scaled down,
// every other pixel of the device, so that no dot falls between them.
void DottedLine(QPainter& canvas, QPoint from, QPoint to) {
    if (canvas.deviceTransform().m11() < 1) {
        QPen dots(Qt::black, 0);
        dots.setDashPattern({1, 1});
        dots.setCapStyle(Qt::FlatCap);
        canvas.setPen(dots);
        const QPointF middle(0.5, 0.5);
        canvas.drawLine(QPointF(from) + middle, QPointF(to) + middle);
        return;
    }
    const int dx = from.x() == to.x() ? 0 : 1, dy = from.y() == to.y() ? 0 : 1;
    for (QPoint pt = from; pt != to; pt += QPoint(dx, dy))
        if (((pt.x() + pt.y()) & 1) == 0)
            canvas.fillRect(pt.x(), pt.y(), 1, 1, Qt::black);
}

} // namespace

QRect TForm1::BlockRect(int block) const {
    const PixelRect r = BlockRectOf(session_.boardShown()[block]);
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

void TForm1::AddDirty(const QRect& rect) {
    if (!dirtyPending_) {
        dirtyRect_ = rect;
        dirtyPending_ = true;
    } else {
        dirtyRect_ = dirtyRect_.united(rect);
    }
}

void TForm1::FlushBoard() {
    if (!dirtyPending_)
        return;
    // An immediate copy of just the changed pixels, not a later repaint.
    PaintBox1->repaint(CoveringRect(dirtyRect_, layout_.scale()));
    dirtyPending_ = false;
}

void TForm1::DrawBlockAt(int x, int y, int block) {
    const Block& b = session_.boardShown()[block];
    const BlockShape& s = shapeTable[b.shape];
    const QRect r(x, y, s.width * kFieldPixels, s.height * kFieldPixels);
    QPainter canvas(&boardImage_);
    KeepLogicalPixels(canvas);
    PaintBlock(canvas, r, QLatin1Char(b.letter), BoardLook(b.shape));
    if (block == ringBlock_) {
        const int cx = x + r.width() / 2, cy = y + r.height() / 2;
        canvas.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 3));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawEllipse(QRect(cx - 20, cy - 20, 39, 39));
    }
    AddDirty(r);
}

void TForm1::DrawBlock(int block) {
    const QRect r = BlockRect(block);
    DrawBlockAt(r.left(), r.top(), block);
}

void TForm1::ClearRect(const QRect& rect) {
    QPainter canvas(&boardImage_);
    KeepLogicalPixels(canvas);
    canvas.fillRect(rect, Qt::white);
    AddDirty(rect);
}

void TForm1::ShowSelection() {
    const int block = session_.selected();
    if (block == ringBlock_)
        return;
    if (ringBlock_ != 0) {
        const int previous = ringBlock_;
        ringBlock_ = 0;
        DrawBlock(previous);
    }
    ringBlock_ = block;
    if (block != 0)
        DrawBlock(block);
    FlushBoard();
}

void TForm1::RedrawBoard() {
    ClearRect(kBoardArea);
    for (int b = 1; b <= kBlocks; ++b)
        DrawBlock(b);
    PaintBox1->update();
}

void TForm1::MakeSurfaces() {
    const qreal dpr = devicePixelRatioF();
    boardImage_ = ScreenImage(PaintBox1->size(), dpr, layout_.scale());
    targetImage_ = ScreenImage(PaintBox2->size(), dpr, layout_.scale());
    pointerPicture_ = MakePointerPicture(dpr * layout_.scale());
    Image1->setPixmap(QPixmap::fromImage(pointerPicture_));
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The layout has placed the controls for the new size already.
    if (boardImage_.size() == PaintBox1->size() * devicePixelRatioF() &&
        boardImage_.devicePixelRatio() == devicePixelRatioF() * layout_.scale())
        return;
    MakeSurfaces();
    DrawTarget();
    // The board as it stands, with a block under way where it is now.
    const int moving = animating_ ? animBlock_ : dragging_ ? hoverBlock_ : 0;
    DrawSetupBoard(moving, animating_ ? animRect_.topLeft() : dragRect_.topLeft());
    PaintBox1->update();
}

void TForm1::DrawTarget() {
    QPainter canvas(&targetImage_);
    KeepLogicalPixels(canvas);
    const QSize size = layout_.designOf(PaintBox2).size();
    const int w = size.width(), h = size.height();
    canvas.fillRect(0, 0, w, h, Qt::white);
    const QColor grid(0xC0, 0xC0, 0xC0);
    for (int x : {15, 30, 45})
        GdiLine(canvas, {x, 0}, {x, h}, grid);
    for (int y : {15, 30, 45, 60})
        GdiLine(canvas, {0, y}, {w, y}, grid);
    const QRect goal(15, 45, 30, 30);
    canvas.fillRect(goal, QColor(0xFF, 0, 0));
    Bevel(canvas, goal, 2, QColor(0xFF, 0x80, 0x80), QColor(0x70, 0, 0));
    canvas.setFont(Arial(20, true));
    canvas.setPen(Qt::black);
    TextOut(canvas, 25, 52, QStringLiteral("X"));
    canvas.setPen(Qt::white);
    TextOut(canvas, 23, 50, QStringLiteral("X"));
    canvas.end();
    PaintBox2->update();
}

void TForm1::DrawMovesPanel() {
    PaintBox3->repaint();
    ShowPosition(); // the list changes with the position
}

void TForm1::ShowPosition() {
    ShowToGo();
    // A screen reader hears of it when the words change.
    const std::pair<QWidget*, QString> described[] = {{PaintBox1, BoardDescription()},
                                                      {PaintBox3, PanelDescription()}};
    for (const auto& [widget, text] : described) {
        if (widget->accessibleDescription() == text)
            continue;
        widget->setAccessibleDescription(text);
        QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

namespace {
// "column 1" or "columns 2 to 3", and the same for rows, counted from 1.
QString Span(const char* one, const char* many, int first, int size) {
    return size == 1
               ? QStringLiteral("%1 %2").arg(QLatin1String(one)).arg(first + 1)
               : QStringLiteral("%1 %2 to %3").arg(QLatin1String(many)).arg(first + 1).arg(first + size);
}
} // namespace

QString TForm1::BoardDescription() const {
    QStringList blocks;
    for (int b = 1; b <= kBlocks; ++b) {
        const Block& k = session_.boardShown()[b];
        const BlockShape& s = shapeTable[k.shape];
        blocks << QStringLiteral("%1: %2, %3")
                      .arg(QLatin1Char(k.letter))
                      .arg(Span("column", "columns", k.field % kColumns, s.width))
                      .arg(Span("row", "rows", k.field / kColumns, s.height));
    }
    return blocks.join(QStringLiteral("; "));
}

QString TForm1::PanelDescription() const {
    const int made = p().moveNr() - 1;
    QString text = QStringLiteral("move %1 of %2").arg(made).arg(p().lastMove());
    if (made >= 1 && made <= kMaxMoves) {
        const MoveRecord& m = p().movesList()[made];
        if (m.block >= 1 && m.block <= kBlocks && IsDirection(m.direction))
            text += QStringLiteral(": %1 %2")
                        .arg(QLatin1Char(startTable[m.block].letter))
                        .arg(QLatin1String(DirectionWords[m.direction]));
    }
    return text;
}

void TForm1::PaintMovesPanel(QPainter& canvas) const {
    const int width = kMoveColumnEdges[2];
    const int height = kPanelRows * kRowHeight;
    canvas.fillRect(0, 0, width, height, kPanelColour);
    for (int i = 1; i < kPanelRows; ++i)
        DottedLine(canvas, {0, kRowHeight * i}, {width, kRowHeight * i});
    for (int x : {kMoveColumnEdges[0], kMoveColumnEdges[1]})
        DottedLine(canvas, {x, 0}, {x, height});

    // The list scrolls so that the row of moveNr is never below the last.
    const int first = p().moveNr() > kPanelRows ? p().moveNr() - kPanelRows : 0;
    const QFont numberFont = Arial(18);
    const QFont arrowFont = ArrowFont(20);
    canvas.setPen(Qt::black);
    for (int row = 1; row <= kPanelRows; ++row) {
        const int m = first + row;
        if (m > p().lastMove() || m > kMaxMoves)
            continue;
        const MoveRecord& rec = p().movesList()[m];
        const int ty = (row - 1) * kRowHeight + 2;
        canvas.setFont(numberFont);
        const QString number = QString::number(m);
        TextOut(canvas, kMoveColumnEdges[0] - 5 - canvas.fontMetrics().horizontalAdvance(number), ty, number);
        if (rec.block >= 1 && rec.block <= kBlocks)
            TextOut(canvas, kMoveColumnEdges[1] - 20, ty, QString(QLatin1Char(startTable[rec.block].letter)));
        if (IsDirection(rec.direction)) {
            canvas.setFont(arrowFont);
            TextOut(canvas, kMoveColumnEdges[2] - 25, ty, QString(QChar(ArrowGlyphs[rec.direction])));
        }
    }
    canvas.drawImage(0, (p().moveNr() - first - 1) * kRowHeight + 1, pointerPicture_);
}

} // namespace trulp
