// The moment of success: X glows on the goal for about a second, drawn over
// the board without holding up any input; and the records, read at start,
// announced when one is made and kept at once.
#include "form1.h"
#include "paintkit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace trulp {

namespace {
constexpr int kCelebrateTicks = 30; // of 33 ms: one second
const QColor kGlow(255, 220, 40);
} // namespace

bool TForm1::celebrating() const {
    return celebrateTimer_ && celebrateTimer_->isActive();
}

void TForm1::StartCelebration() {
    if (!celebrateTimer_) {
        celebrateTimer_ = new QTimer(this);
        celebrateTimer_->setObjectName(QStringLiteral("celebrateTimer"));
        celebrateTimer_->setInterval(33);
        connect(celebrateTimer_, &QTimer::timeout, this, &TForm1::CelebrationTick);
    }
    celebrateTicks_ = 0;
    celebrateTimer_->start();
}

// X swells with light and fades back, twice, with a golden rim.
void TForm1::CelebrationTick() {
    ++celebrateTicks_;
    const QRect r = BlockRect(kXBlock);
    DrawBlock(kXBlock);
    if (celebrateTicks_ < kCelebrateTicks) {
        const double glow = std::abs(std::sin(2 * M_PI * celebrateTicks_ / kCelebrateTicks));
        QPainter canvas(&boardImage_);
        KeepLogicalPixels(canvas);
        QColor veil = kGlow;
        veil.setAlpha(int(150 * glow));
        canvas.fillRect(r.adjusted(4, 4, -4, -4), veil);
        canvas.setPen(QPen(kGlow, 6));
        canvas.drawRect(QRectF(r).adjusted(3, 3, -3, -3));
    } else {
        celebrateTimer_->stop();
    }
    FlushBoard();
}

void TForm1::EndCelebration() {
    celebrateAfterSlide_ = false;
    if (!celebrating())
        return;
    celebrateTimer_->stop();
    // X without its glow; where X has left the goal, its slide or drag
    // draws over the place.
    if (session_.boardShown()[kXBlock].field == kGoalField) {
        DrawBlock(kXBlock);
        FlushBoard();
    }
}

void TForm1::ShowRecord(const Reply& r) {
    if (r.record.words == Words::Keep)
        return;
    recordtext->setText(QString::fromStdString(Text(r.record)));
    recordtext->show();
    if (r.recordsChanged && !recordsFile_.isEmpty()) {
        // Kept quietly: a failure costs this record its lasting, not the game.
        QDir().mkpath(QFileInfo(recordsFile_).absolutePath());
        SaveRecordsFile(QFile::encodeName(recordsFile_).toStdString(), session_.records());
    }
}

void TForm1::setRecordsFile(const QString& path) {
    recordsFile_ = path;
    session_.SetRecords(path.isEmpty() ? Records()
                                       : LoadRecordsFile(QFile::encodeName(path).toStdString()).records);
}

} // namespace trulp
