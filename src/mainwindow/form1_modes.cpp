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
    ClearRect(boardImage.rect());
    p.ResetBoard(maxmoveUpDown->position());
    selectedBlock = 0;
    for (int b = 1; b <= kBlocks; ++b)
        DrawBlock(b);
    control.resetSearchTime();
    PaintBox1->update();
    flags.searchResult = 0;
}

void TForm1::playBtnClick(QPushButton* sender) {
    if (flags.busy()) {
        // The mode never changes during a slide or a run.
        playBtn->setChecked(flags.mode == kPlay);
        replayBtn->setChecked(flags.mode == kReplay);
        searchBtn->setChecked(flags.mode == kSearch);
        return;
    }
    for (QWidget* w : {static_cast<QWidget*>(maxmoveUpDown), static_cast<QWidget*>(BackBtn),
                       static_cast<QWidget*>(goBtn), static_cast<QWidget*>(statBtn),
                       static_cast<QWidget*>(stepcheck)})
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
    flags.searchResult = 0;
    solvedFromStart = false;
    setMessage(QStringLiteral("search for solution..."));
    BackBtn->setEnabled(true);
    maxmoveUpDown->setEnabled(true);
    // Play goes on from the position shown; later moves leave the list.
    p.lastMove = p.moveNr - 1;
    DrawMovesPanel();
}

void TForm1::EnterReplayMode() {
    flags.mode = kReplay;
    flags.searchResult = 0;
    ResetBoard();
    p.moveNr = 1;
    DrawMovesPanel();
    goBtn->setEnabled(true);
    BackBtn->setEnabled(true);
    setGoCaption(flags.stepMode ? QStringLiteral("STEP") : QStringLiteral("GO"));
    stepcheck->setEnabled(true);
    setMessage(QStringLiteral("show moves"));
}

void TForm1::EnterSearchMode() {
    flags.mode = kSearch;
    flags.searchResult = 0;
    ResetBoard();
    p.ClearMoves();
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
    if (flags.busy())
        return;
    setMessage(QString());
    if (flags.mode == kPlay || flags.mode == kSearch)
        p.ClearMoves();
    else if (flags.mode == kReplay)
        p.moveNr = 1;
    ResetBoard();
    DrawMovesPanel();
}

void TForm1::BackBtnClick() {
    if (!flags.busy() && (flags.mode == kPlay || flags.mode == kReplay))
        StepBack();
}

void TForm1::statBtnClick() {
    if (!flags.busy() && statForm_)
        statForm_->ShowStatistics(p.counters, this);
}

void TForm1::helpBtnClick() {
    if (!flags.busy() && helpForm_)
        helpForm_->ShowHelp();
}

void TForm1::stepcheckClick() {
    flags.stepMode = stepcheck->isChecked();
    setFocus(); // no control keeps the keyboard focus
}

void TForm1::maxmoveUpDownMouseUp() {
    if (flags.busy())
        return;
    const int position = maxmoveUpDown->position();
    if (position >= p.moveNr) {
        p.maxMove = position;
    } else {
        // Never below the moves already made.
        p.maxMove = p.moveNr - 1;
        maxmoveUpDown->setPosition(p.maxMove);
    }
    setMessage(QString());
}

void TForm1::Label7Click() { openUrl(QUrl(QString::fromLatin1(kMakerUrl))); }

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

bool TForm1::ReplayStep() {
    if (p.moveNr > p.lastMove)
        return false;
    const MoveRecord m = p.movesList[p.moveNr];
    // A list made from another position may hold a move this board cannot
    // make; it is not made rather than pushed through another block.
    if (m.block < 1 || m.block > kBlocks || !IsDirection(m.direction) ||
        !(p.PossibleDirections(m.block) & m.direction))
        return false;
    StartAnimation(m.block, m.direction);
    p.blockTable[m.block].field = uint8_t(StepField(p.blockTable[m.block].field, m.direction));
    p.MakeKey();
    ++p.moveNr;
    DrawMovesPanel();
    return true;
}

void TForm1::StepBack() {
    if (p.moveNr <= 1)
        return;
    const MoveRecord m = p.movesList[p.moveNr - 1];
    if (m.block < 1 || m.block > kBlocks || !IsDirection(m.direction) ||
        !(p.PossibleDirections(m.block) & OppositeDir[m.direction]))
        return;
    --p.moveNr;
    setMessage(p.moveNr == 1 ? QString() : QStringLiteral("move ") + QString::number(p.moveNr - 1));
    if (flags.mode == kPlay)
        p.lastMove = p.moveNr - 1;
    StartAnimation(m.block, OppositeDir[m.direction]);
    p.blockTable[m.block].field = uint8_t(UnstepField(p.blockTable[m.block].field, m.direction));
    p.MakeKey();
    DrawMovesPanel();
}

} // namespace trulp
