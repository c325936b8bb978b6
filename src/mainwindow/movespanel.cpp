#include "movespanel.h"

#include "boardlook.h"
#include "paintkit.h"
#include "words.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace trulp {

namespace {

const QColor kPanelColour(0xFF, 0xFF, 0xE0);
constexpr int kMoveColumnEdges[3] = {50, 85, 120};
constexpr int kPanelRows = 30;
constexpr int kRowHeight = 20;

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

// The move pointer: a red triangle pointing right, 10 x 18, column 0 empty.
void PaintPointer(QPainter& canvas, int top) {
    for (int row = 0; row < 18; ++row)
        canvas.fillRect(1, top + row, std::min(row, 17 - row) + 1, 1, QColor(0xFF, 0, 0));
}

} // namespace

MovesPanel::MovesPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox3"));
    setAccessibleName(tr("moves"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    describe();
}

void MovesPanel::show(const ListShown& list) {
    list_ = list;
    repaint();
    describe();
}

void MovesPanel::describe() {
    const int made = list_.moveNr - 1;
    const int last = int(list_.moves.size());
    QString text = tr("move %1 of %2").arg(made).arg(last);
    if (made >= 1 && made <= last) {
        const MoveShown& m = list_.moves[size_t(made - 1)];
        if (IsDirection(m.direction))
            //: The last move read aloud: "move 3 of 5: H right".
            text = tr("move %1 of %2: %3 %4")
                       .arg(made)
                       .arg(last)
                       .arg(QString(QLatin1Char(m.letter)), Wording::direction(m.direction));
    }
    if (accessibleDescription() == text)
        return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void MovesPanel::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    const double scale = width() / double(kMoveColumnEdges[2]);
    canvas.scale(scale, scale);
    paintPanel(canvas);
}

void MovesPanel::paintPanel(QPainter& canvas) const {
    const int width = kMoveColumnEdges[2];
    const int height = kPanelRows * kRowHeight;
    canvas.fillRect(0, 0, width, height, kPanelColour);
    for (int i = 1; i < kPanelRows; ++i)
        DottedLine(canvas, {0, kRowHeight * i}, {width, kRowHeight * i});
    for (int x : {kMoveColumnEdges[0], kMoveColumnEdges[1]})
        DottedLine(canvas, {x, 0}, {x, height});

    // The list scrolls so that the row of moveNr is never below the last.
    const int moveNr = list_.moveNr;
    const int first = moveNr > kPanelRows ? moveNr - kPanelRows : 0;
    const QFont numberFont = Arial(18);
    const QFont arrowFont = ArrowFont(20);
    canvas.setPen(Qt::black);
    for (int row = 1; row <= kPanelRows; ++row) {
        const int m = first + row;
        if (m > int(list_.moves.size()))
            continue;
        const MoveShown& rec = list_.moves[size_t(m - 1)];
        const int ty = (row - 1) * kRowHeight + 2;
        canvas.setFont(numberFont);
        const QString number = QString::number(m);
        TextOut(canvas, kMoveColumnEdges[0] - 5 - canvas.fontMetrics().horizontalAdvance(number), ty, number);
        TextOut(canvas, kMoveColumnEdges[1] - 20, ty, QString(QLatin1Char(rec.letter)));
        if (IsDirection(rec.direction)) {
            canvas.setFont(arrowFont);
            TextOut(canvas, kMoveColumnEdges[2] - 25, ty, QString(Wording::arrow(rec.direction)));
        }
    }
    PaintPointer(canvas, (moveNr - first - 1) * kRowHeight + 1);
}

} // namespace trulp
