// The coach: the moves still to go from the position on the board, a hint
// in two stages, solve from here, and the chart of the game. The session
// decides each; every coached move is a play move.
#include "chart.h"
#include "distance.h"
#include "form1.h"
#include "puzzlesdialog.h"

#include <QLabel>

namespace trulp {

void TForm1::ShowToGo() {
    const int d = session_.toGo();
    togotext->setText(d == kNoDistance ? QString() : QString::number(d));
}

void TForm1::hintBtnClick() {
    if (!busy())
        showReply(session_.Hint());
}

void TForm1::solveBtnClick() {
    control_.startSolve(busy());
}

void TForm1::ShowPuzzles() {
    const PuzzleChoice choice = desktop_.choosePuzzle();
    if (choice.kind == PuzzleChoice::Play)
        showReply(session_.ChoosePuzzle(choice.start, choice.name.toStdString(), maxmoveUpDown->position()));
    else if (choice.kind == PuzzleChoice::SetUp)
        showReply(session_.BeginSetup());
}

void TForm1::ShowChart() {
    desktop_.runChart(ChartOf(session_));
}

void TForm1::FollowChart() {
    if (chartForm_->isVisible())
        chartForm_->Follow(ChartOf(session_));
}

} // namespace trulp
