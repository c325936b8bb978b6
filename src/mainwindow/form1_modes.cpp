// The modes and their buttons, reset, back, the move limit, the step box,
// the web label, and the two replay primitives (one move forward or back).
#include "form1.h"
#include "maker.h"

#include "helpform.h"
#include "statform.h"

#include <QCheckBox>
#include <QLabel>
#include <QUrl>

namespace trulp {

void TForm1::ResetBoard() {
    ClearRect(PaintBox1->rect());
    puzzle_.ResetBoard(maxmoveUpDown->position());
    selectedBlock = 0;
    for (int b = 1; b <= kBlocks; ++b)
        DrawBlock(b);
    control.resetSearch();
    PaintBox1->update();
    ShowPosition();
}

void TForm1::playBtnClick(QPushButton* sender) {
    if (busy()) {
        // The mode never changes during a slide or a run.
        playBtn->setChecked(flags.mode == kPlay);
        replayBtn->setChecked(flags.mode == kReplay);
        searchBtn->setChecked(flags.mode == kSearch);
        return;
    }
    for (QWidget* w :
         {static_cast<QWidget*>(maxmoveUpDown), static_cast<QWidget*>(BackBtn), static_cast<QWidget*>(goBtn),
          static_cast<QWidget*>(statBtn), static_cast<QWidget*>(stepcheck), static_cast<QWidget*>(hintBtn),
          static_cast<QWidget*>(solveBtn)})
        w->setEnabled(false);
    flags.mode = kNoMode;
    if (!sender->isChecked())
        return;
    for (QPushButton* b : {playBtn, replayBtn, searchBtn})
        if (b != sender)
            b->setChecked(false);
    if (sender == playBtn)
        EnterPlayMode();
    else if (sender == replayBtn)
        EnterReplayMode();
    else
        EnterSearchMode();
}

void TForm1::EnterPlayMode() {
    flags.mode = kPlay;
    solvedFromStart = false;
    setMessage(QStringLiteral("search for solution..."));
    BackBtn->setEnabled(true);
    maxmoveUpDown->setEnabled(true);
    hintBtn->setEnabled(true);
    solveBtn->setEnabled(true);
    // Play goes on from the position shown; later moves leave the list.
    puzzle_.CutList();
    DrawMovesPanel();
}

void TForm1::EnterReplayMode() {
    flags.mode = kReplay;
    ResetBoard(); // moveNr 1, the list kept
    DrawMovesPanel();
    goBtn->setEnabled(true);
    BackBtn->setEnabled(true);
    setGoCaption(control.stepMode() ? QStringLiteral("STEP") : QStringLiteral("GO"));
    stepcheck->setEnabled(true);
    setMessage(QStringLiteral("show moves"));
}

void TForm1::EnterSearchMode() {
    flags.mode = kSearch;
    ResetBoard();
    puzzle_.ClearMoves();
    DrawMovesPanel();
    maxmovetext->setEnabled(true);
    maxmoveUpDown->setEnabled(true);
    statBtn->setEnabled(true);
    goBtn->setEnabled(true);
    setGoCaption(QStringLiteral("GO"));
    stepcheck->setEnabled(true);
    setMessage(QStringLiteral("click GO to start search"));
}

void TForm1::resetBtnClick() {
    if (busy())
        return;
    setMessage(QString());
    // In replay the list stays; ResetBoard puts moveNr back to 1.
    if (flags.mode == kPlay || flags.mode == kSearch)
        puzzle_.ClearMoves();
    ResetBoard();
    DrawMovesPanel();
}

void TForm1::BackBtnClick() {
    if (!busy() && (flags.mode == kPlay || flags.mode == kReplay))
        StepBack();
}

void TForm1::statBtnClick() {
    if (!busy() && statForm_)
        statForm_->ShowStatistics(p.counters(), this);
}

void TForm1::helpBtnClick() {
    if (!busy() && helpForm_)
        helpForm_->ShowHelp();
}

void TForm1::stepcheckClick() {
    control.setStepMode(stepcheck->isChecked());
    setFocus(); // no control keeps the keyboard focus
}

void TForm1::maxmoveUpDownMouseUp() {
    if (busy())
        return;
    // Never below the moves already made: the control shows the limit that holds.
    maxmoveUpDown->setPosition(puzzle_.SetMoveLimit(maxmoveUpDown->position()));
    setMessage(QString());
}

void TForm1::Label7Click() {
    openUrl(QUrl(QString::fromLatin1(kMakerUrl)));
}

void TForm1::Label7MouseEnter() {
    QFont f = Label7->font();
    f.setUnderline(true);
    Label7->setFont(f);
    QPalette pal = Label7->palette();
    pal.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
    Label7->setPalette(pal);
}

void TForm1::Label7MouseLeave() {
    QFont f = Label7->font();
    f.setUnderline(false);
    Label7->setFont(f);
    QPalette pal = Label7->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    Label7->setPalette(pal);
}

void TForm1::StepBack() {
    const StepMade step = puzzle_.TakeBack(flags.mode == kPlay ? ListRule::Cut : ListRule::Keep);
    if (!step.made)
        return;
    setMessage(p.moveNr() == 1 ? QString() : QStringLiteral("move ") + QString::number(p.moveNr() - 1));
    slideBlock(step);
}

} // namespace trulp
