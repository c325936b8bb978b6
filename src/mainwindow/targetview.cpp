#include "targetview.h"

#include "boardlook.h"
#include "paintkit.h"

#include <QPainter>

namespace trulp {

namespace {
constexpr QSize kSize(60, 75);
}

TargetView::TargetView(QWidget* parent) : QWidget(parent), def_(std::make_shared<const PuzzleDef>()) {
    setObjectName(QStringLiteral("PaintBox2"));
    setAccessibleName(tr("target"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    show(def_);
}

void TargetView::show(std::shared_ptr<const PuzzleDef> def) {
    def_ = std::move(def);
    const PuzzleDef& d = *def_;
    if (d.tenBlock()) {
        setAccessibleDescription(tr("block X must stand on the two centre fields of the two bottom rows"));
    } else {
        QStringList goals;
        for (uint8_t p : d.goalPieces()) {
            const int anchor = d.piece(p).goal;
            //: Where a piece must stand, read aloud: "X in column 2, row 4".
            goals << tr("%1 in column %2, row %3")
                         .arg(QString(QLatin1Char(d.piece(p).letter)))
                         .arg(anchor % d.columns() + 1)
                         .arg(anchor / d.columns() + 1);
        }
        //: The goal, read aloud: "the goal: X in column 2, row 4".
        setAccessibleDescription(tr("the goal: %1").arg(goals.join(tr("; "))));
    }
    update();
}

void TargetView::paintTarget(QPainter& canvas) const {
    const int w = kSize.width(), h = kSize.height();
    const PuzzleDef& d = *def_;
    const BoardGeometry g = GeometryOf(d, QRect(QPoint(0, 0), kSize));
    canvas.fillRect(0, 0, w, h, Qt::white);
    const QRect board = g.board();
    if (board.size() != kSize)
        canvas.fillRect(0, 0, w, h, QColor(0xA8, 0xA8, 0xA8));
    canvas.fillRect(board, Qt::white);
    const QColor grid(0xC0, 0xC0, 0xC0);
    for (int c = 1; c < g.columns; ++c)
        GdiLine(canvas, {board.left() + c * g.field, board.top()},
                {board.left() + c * g.field, board.bottom() + 1}, grid);
    for (int r = 1; r < g.rows; ++r)
        GdiLine(canvas, {board.left(), board.top() + r * g.field},
                {board.right() + 1, board.top() + r * g.field}, grid);
    ForEachField(d.walls(), [&](int f) { canvas.fillRect(g.fieldRect(f), QColor(0x58, 0x58, 0x58)); });
    for (uint8_t p : d.goalPieces()) {
        const PieceDef& piece = d.piece(p);
        const BlockLook look{QColor(0xFF, 0, 0),
                             QColor(0xFF, 0x80, 0x80),
                             QColor(0x70, 0, 0),
                             2,
                             Arial(std::min(20, g.field * 4 / 3), true),
                             2};
        PaintPiece(canvas, d.shape(piece.shape), g.fieldRect(piece.goal).topLeft(), g.field,
                   QLatin1Char(piece.letter), look);
    }
}

void TargetView::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    canvas.scale(width() / double(kSize.width()), height() / double(kSize.height()));
    paintTarget(canvas);
}

QImage TargetView::picture() const {
    QImage image(kSize, QImage::Format_RGB32);
    QPainter canvas(&image);
    paintTarget(canvas);
    return image;
}

} // namespace trulp
