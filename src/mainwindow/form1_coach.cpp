// The coach: the moves still to go from the position on the board, a hint
// in two stages (the block first, the move if asked again), solve from
// here, and the chart of the game. Every coached move is a play move.
#include "chart.h"
#include "distance.h"
#include "form1.h"

#include <QLabel>

namespace trulp {

void TForm1::ShowToGo() {
    const int d = DistanceTable::Shared().Distance(p.blockTable());
    togotext->setText(d == kNoDistance ? QString() : QString::number(d));
}

void TForm1::hintBtnClick() {
    if (busy() || flags.mode != kPlay)
        return;
    if (p.GoalReached()) {
        setMessage(QStringLiteral("solution reached"));
        return;
    }
    if (p.ListFull()) {
        setMessage(QStringLiteral("list is full"));
        return;
    }
    const DistanceTable& table = DistanceTable::Shared();
    const MoveRecord best = table.BestMove(p.blockTable());
    if (best.block == 0)
        return; // a position the table does not know: no hint to give
    // A game the coach helped with ends without the congratulation.
    solvedFromStart = false;
    if (hintBlock != 0 && hintBlock == selectedBlock && hintKey == p.boardKey()) {
        // The hint stands: the second press makes its move.
        hintBlock = 0;
        openDirs = p.PossibleDirections(best.block);
        KeyMove(best.block, best.direction);
        if (!p.GoalReached())
            setMessage(QStringLiteral("%1 to go").arg(table.Distance(p.blockTable())));
        return;
    }
    SelectBlock(best.block);
    hintBlock = best.block;
    hintKey = p.boardKey();
    setMessage(QStringLiteral("hint: %1 %2 (%3 to go)")
                   .arg(QLatin1Char(startTable[best.block].letter))
                   .arg(QLatin1String(DirectionWords[best.direction]))
                   .arg(table.Distance(p.blockTable())));
}

void TForm1::solveBtnClick() {
    if (control.solving()) {
        control.startSolve(); // a second press stops it after the move under way
        return;
    }
    if (busy() || flags.mode != kPlay)
        return;
    solvedFromStart = false;
    hintBlock = 0;
    control.startSolve();
}

void TForm1::ShowChart() {
    runChart(ChartOf(p));
}

} // namespace trulp
