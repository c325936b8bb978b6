// The modes and their buttons, reset, back, GO, the move limit, the step
// box, statistics and help, and the web label.
#include "form1.h"
#include "maker.h"

#include "helpform.h"
#include "statform.h"
#include "theme.h"

#include <QCheckBox>
#include <QLabel>
#include <QUrl>

namespace trulp {

void TForm1::playBtnClick(QPushButton* sender) {
    if (busy()) {
        // The mode never changes during a slide or a run.
        playBtn->setChecked(session_.mode() == kPlay);
        replayBtn->setChecked(session_.mode() == kReplay);
        searchBtn->setChecked(session_.mode() == kSearch);
        return;
    }
    const bool pressed = sender->isChecked();
    if (pressed)
        for (QPushButton* b : {playBtn, replayBtn, searchBtn})
            if (b != sender)
                b->setChecked(false);
    const Mode mode = sender == playBtn ? kPlay : sender == replayBtn ? kReplay : kSearch;
    showReply(session_.ChooseMode(mode, pressed, maxmoveUpDown->position()));
}

void TForm1::resetBtnClick() {
    if (!busy())
        showReply(session_.Reset(maxmoveUpDown->position()));
}

void TForm1::BackBtnClick() {
    if (!busy())
        showReply(session_.Back());
}

void TForm1::goBtnClick() {
    control_.goBtnClick(busy());
}

void TForm1::statBtnClick() {
    if (!busy() && statForm_)
        statForm_->ShowStatistics(p().counters(), this);
}

void TForm1::helpBtnClick() {
    if (!busy() && helpForm_)
        helpForm_->ShowHelp();
}

void TForm1::stepcheckClick() {
    session_.SetStepMode(stepcheck->isChecked());
    setFocus(); // no control keeps the keyboard focus
}

void TForm1::maxmoveUpDownMouseUp() {
    if (busy())
        return;
    // Never below the moves already made: the control shows the limit that holds.
    maxmoveUpDown->setPosition(session_.SetMoveLimit(maxmoveUpDown->position()));
    showReply(Reply(Said(Words::Clear)));
}

void TForm1::Label7Click() {
    desktop_.openUrl(QUrl(QString::fromLatin1(kMakerUrl)));
}

// The link's red and blue, as the colour rule shows them on the desktop's
// palette.
void TForm1::Label7MouseEnter() {
    QFont f = Label7->font();
    f.setUnderline(true);
    Label7->setFont(f);
    SetTextColour(Label7, QColor(0xFF, 0, 0));
}

void TForm1::Label7MouseLeave() {
    QFont f = Label7->font();
    f.setUnderline(false);
    Label7->setFont(f);
    SetTextColour(Label7, QColor(0, 0, 0xFF));
}

} // namespace trulp
