#include "chart.h"

#include "distance.h"
#include "paintkit.h"
#include "screenfit.h"
#include "theme.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

namespace trulp {

namespace {

// Inside the area: room for the labels on the left and below.
constexpr int kLeft = 56, kRight = 16, kTop = 14, kBottom = 60;

const QColor kLine(0, 70, 200);
const QColor kAway(220, 30, 30);
const QColor kPace(150, 150, 160);
const QColor kMark(255, 150, 0);
const QColor kCoach(0, 150, 140);
const QColor kPieces(140, 90, 200);

// The chart's ground, grid and writing follow the style: light or dark.
struct Ground {
    QColor ground, grid, ink;
};
Ground GroundOf(const QPalette& palette) {
    if (IsDarkPalette(palette))
        return {QColor(0x2A, 0x2A, 0x2E), QColor(0x48, 0x48, 0x52), QColor(0xE8, 0xE8, 0xE8)};
    return {Qt::white, QColor(225, 225, 232), Qt::black};
}

int RoundUp(int value, int step) {
    return std::max(step, (value + step - 1) / step * step);
}

int XRange(const ChartData& c) {
    return AxisFor(std::max(c.moves, c.shortest)).range;
}

int YLargest(const ChartData& c) {
    int top = c.shortest;
    for (int d : c.distances)
        top = std::max(top, d);
    return top;
}

int YRange(const ChartData& c) {
    return AxisFor(YLargest(c)).range;
}

} // namespace

ChartAxis AxisFor(int largest) {
    const int step = largest <= 10 ? 2 : largest <= 25 ? 5 : largest <= 60 ? 10 : 20;
    return {RoundUp(largest + std::max(1, largest / 20), step), step};
}

QString ChartCaption(const ChartData& c) {
    // Whole sentences, so that each language may order its parts.
    const bool toGo = c.toGo != kNoDistance && c.toGo >= 0;
    if (toGo && c.record != 0)
        //: %n moves made, %1 to go, %2 the shortest solution, %3 the player's record.
        return GameChart::tr("%n moves, %1 to go, shortest possible %2, your best %3", nullptr, c.moves)
            .arg(c.toGo)
            .arg(c.shortest)
            .arg(c.record);
    if (toGo)
        return GameChart::tr("%n moves, %1 to go, shortest possible %2", nullptr, c.moves)
            .arg(c.toGo)
            .arg(c.shortest);
    if (c.record != 0)
        return GameChart::tr("%n moves, shortest possible %1, your best %2", nullptr, c.moves)
            .arg(c.shortest)
            .arg(c.record);
    return GameChart::tr("%n moves, shortest possible %1", nullptr, c.moves).arg(c.shortest);
}

QPointF ChartPoint(const QRect& area, const ChartData& c, int move, int distance) {
    const QRectF plot = QRectF(area).adjusted(kLeft, kTop, -kRight, -kBottom);
    return {plot.left() + plot.width() * move / XRange(c),
            plot.bottom() - plot.height() * distance / YRange(c)};
}

void PaintChart(QPainter& canvas, const QRect& area, const ChartData& c, const QPalette& palette) {
    const Ground g = GroundOf(palette);
    const QColor kGrid = g.grid;
    canvas.save();
    canvas.fillRect(area, g.ground);
    const QPointF origin = ChartPoint(area, c, 0, 0);
    const QPointF corner = ChartPoint(area, c, XRange(c), YRange(c));

    // Grid and tick labels at the axes' steps.
    canvas.setFont(Arial(13));
    const QFontMetrics fm = canvas.fontMetrics();
    const int xStep = AxisFor(std::max(c.moves, c.shortest)).step, yStep = AxisFor(YLargest(c)).step;
    for (int m = 0; m <= XRange(c); m += xStep) {
        const QPointF at = ChartPoint(area, c, m, 0);
        canvas.setPen(kGrid);
        canvas.drawLine(QPointF(at.x(), corner.y()), at);
        canvas.setPen(g.ink);
        const QString t = QString::number(m);
        TextOut(canvas, int(at.x()) - fm.horizontalAdvance(t) / 2, int(at.y()) + 4, t);
    }
    for (int d = 0; d <= YRange(c); d += yStep) {
        const QPointF at = ChartPoint(area, c, 0, d);
        canvas.setPen(kGrid);
        canvas.drawLine(at, QPointF(corner.x(), at.y()));
        canvas.setPen(g.ink);
        const QString t = QString::number(d);
        TextOut(canvas, int(at.x()) - 6 - fm.horizontalAdvance(t), int(at.y()) - fm.height() / 2, t);
    }
    canvas.setPen(QPen(g.ink, 1));
    canvas.drawLine(origin, QPointF(origin.x(), corner.y()));
    canvas.drawLine(origin, QPointF(corner.x(), origin.y()));
    //: The chart's axes: the moves made, and the moves still to go after each.
    const QString xName = GameChart::tr("moves"), yName = GameChart::tr("moves to go");
    TextOut(canvas, int(corner.x()) - fm.horizontalAdvance(xName), int(origin.y()) + 4 + fm.height(), xName);
    canvas.save();
    canvas.translate(area.left() + 4, (origin.y() + corner.y()) / 2 + fm.horizontalAdvance(yName) / 2.0);
    canvas.rotate(-90);
    TextOut(canvas, 0, 0, yName);
    canvas.restore();

    canvas.setRenderHint(QPainter::Antialiasing);
    // The shortest pace: one move nearer with every move.
    QPen pace(kPace, 1.5, Qt::DashLine);
    canvas.setPen(pace);
    canvas.drawLine(ChartPoint(area, c, 0, c.shortest), ChartPoint(area, c, c.shortest, 0));

    // The piece moves still to go, under the moves.
    canvas.setPen(QPen(kPieces, 1.5, Qt::DotLine, Qt::RoundCap));
    for (size_t n = 1; n < c.pieceDistances.size(); ++n)
        canvas.drawLine(ChartPoint(area, c, int(n) - 1, c.pieceDistances[n - 1]),
                        ChartPoint(area, c, int(n), c.pieceDistances[n]));
    // The game: the moves that went away from the goal in red, the coach's
    // moves in their own colour.
    for (size_t n = 1; n < c.distances.size(); ++n) {
        const bool away = c.distances[n] > c.distances[n - 1];
        const bool coached = n < c.coached.size() && c.coached[n];
        canvas.setPen(QPen(coached ? kCoach : away ? kAway : kLine, 2.5, Qt::SolidLine, Qt::RoundCap));
        canvas.drawLine(ChartPoint(area, c, int(n) - 1, c.distances[n - 1]),
                        ChartPoint(area, c, int(n), c.distances[n]));
    }
    // What the lines mean, in a row under the chart.
    canvas.setRenderHint(QPainter::Antialiasing, false);
    const struct {
        QPen pen;
        const char* text;
    } legend[] = {//: The chart's line of the moves list, whoever made them.
                  {QPen(kLine, 2.5), QT_TRANSLATE_NOOP("trulp::GameChart", "moves")},
                  {QPen(kAway, 2.5), QT_TRANSLATE_NOOP("trulp::GameChart", "away from goal")},
                  {QPen(kCoach, 2.5), QT_TRANSLATE_NOOP("trulp::GameChart", "hint or solve")},
                  //: The chart's line of the piece moves still to go.
                  {QPen(kPieces, 1.5, Qt::DotLine), QT_TRANSLATE_NOOP("trulp::GameChart", "piece moves")},
                  {QPen(kPace, 1.5, Qt::DashLine), QT_TRANSLATE_NOOP("trulp::GameChart", "shortest pace")},
                  {QPen(kMark, 1.5, Qt::DotLine), QT_TRANSLATE_NOOP("trulp::GameChart", "board now")}};
    // In one row under the chart; a smaller type where a language needs it.
    int width = 12;
    for (const auto& l : legend)
        width += 25 + fm.horizontalAdvance(GameChart::tr(l.text)) + 14;
    if (width > area.width())
        canvas.setFont(Arial(std::max(9, 13 * area.width() / width)));
    const QFontMetrics lm = canvas.fontMetrics();
    int lx = area.left() + 12;
    const int ly = area.bottom() - fm.height() / 2 - 4;
    for (const auto& l : legend) {
        canvas.setPen(l.pen);
        canvas.drawLine(lx, ly, lx + 20, ly);
        canvas.setPen(g.ink);
        const QString text = GameChart::tr(l.text);
        TextOut(canvas, lx + 25, ly - lm.height() / 2, text);
        lx += 25 + lm.horizontalAdvance(text) + 14;
    }
    canvas.setRenderHint(QPainter::Antialiasing);

    if (!c.distances.empty()) {
        // Where the board stands now.
        const int at = std::min(c.mark, int(c.distances.size()) - 1);
        const QPointF p = ChartPoint(area, c, at, c.distances[size_t(at)]);
        canvas.setPen(QPen(kMark, 1.5, Qt::DotLine));
        canvas.drawLine(QPointF(p.x(), origin.y()), QPointF(p.x(), corner.y()));
        canvas.setPen(QPen(kMark.darker(130), 1.5));
        canvas.setBrush(kMark);
        canvas.drawEllipse(p, 5, 5);
    }
    canvas.restore();
}

namespace {

// The chart with its caption under it.
const QSize kChartClientSize(GameChart::plotArea().width(), GameChart::plotArea().height() + 34);

} // namespace

GameChart::GameChart(QWidget* parent)
    : QDialog(parent), caption_(new QLabel(this)), layout_(*this, kChartClientSize, DesignFont{}) {
    setObjectName(QStringLiteral("chartform"));
    setWindowTitle(tr("TRULP game chart"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setGeometry(0, plotArea().height() + 4, kChartClientSize.width(), 26);
    caption_->setAlignment(Qt::AlignCenter);
    layout_.add(caption_, {16, true});
}

void GameChart::ShowChart(const ChartData& chart) {
    Follow(chart);
    if (isVisible()) {
        raise();
        return;
    }
    // Beside the main window, on the side with more room, so that the board
    // and the moves list stay in sight; smaller where it must, down to half
    // its size; the keys stay with the board.
    if (const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect frame = main->frameGeometry();
        const QScreen* screen = main->screen();
        const WindowFit fit = FitBeside(kChartClientSize, FrameMargins(*this), WorkArea(*screen), frame, 0.5);
        if (fit.scale > 0) {
            resize(fit.client);
            move(fit.position);
        } else {
            FitToScreen(*this, kChartClientSize, QPoint(frame.right() + 8, frame.top()));
        }
    }
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
}

void GameChart::Follow(const ChartData& chart) {
    chart_ = chart;
    caption_->setText(ChartCaption(chart));
    update();
}

void GameChart::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    layout_.scalePainter(canvas);
    PaintChart(canvas, plotArea(), chart_, palette());
}

} // namespace trulp
