#include "puzzle.h"

#include <algorithm>
#include <cstring>

namespace trulp {

namespace {

bool ValidMove(const PuzzleDef& def, const MoveRecord& m) {
    return m.block >= 1 && m.block <= def.pieceCount() && IsDirection(m.direction);
}

} // namespace

int32_t MoveLimitCeiling(const PuzzleDef& def) {
    return def.tenBlock() ? kMaxMoveLimit : kMaxMoves;
}

Puzzle::Puzzle() : def_(std::make_shared<const PuzzleDef>()), board_(*def_) {
    std::memset(movesList_, 0, sizeof movesList_);
    std::memset(pendingCands_, 0, sizeof pendingCands_);
}

bool Puzzle::isClassic() const {
    return def_->tenBlock() && def_->SameStart(PuzzleDef::Classic());
}

bool Puzzle::ChoosePuzzle(std::shared_ptr<const PuzzleDef> def, int32_t moveLimit) {
    if (!def || def->pieceCount() == 0 || !CheckPlacement(*def).ok())
        return false;
    def_ = std::move(def);
    ClearMoves();
    ResetBoard(moveLimit);
    return true;
}

void Puzzle::ResetBoard(int32_t moveLimit) {
    board_ = Board(*def_);
    history_.backward.SetStart(board_.boardKey());
    history_.ClearBuffers();
    moveNr_ = 1;
    pendingFloor_ = kMaxMoves + 2;
    maxMove_ = std::clamp(moveLimit, int32_t(kMinMoveLimit), MoveLimitCeiling(*def_));
}

void Puzzle::ClearMoves() {
    for (int i = 1; i <= lastMove_ && i <= kMaxMoves; ++i)
        movesList_[i] = {0, 0, 0};
    moveNr_ = 1;
    lastMove_ = 0;
    history_.counters = {};
    history_.stacks.Clear();
    pendingFloor_ = kMaxMoves + 2;
}

PlayOutcome Puzzle::PlayMove(int block, unsigned direction) {
    if (block < 1 || block > def_->pieceCount() || !IsDirection(direction))
        return {PlayResult::Closed};
    const uint8_t open = board_.PossibleDirections(block);
    if (!(open & direction))
        return {PlayResult::Closed};
    if (ListFull())
        return {PlayResult::ListFull};
    const uint8_t from = uint8_t(board_.anchor(block));
    board_.ApplyStep(block, direction);
    movesList_[moveNr_] = {uint8_t(block), uint8_t(direction), open};
    lastMove_ = moveNr_;
    ++moveNr_;
    const PlayResult r = board_.GoalReached() ? PlayResult::Solved
                         : ListFull()         ? PlayResult::MovedListFull
                                              : PlayResult::Moved;
    return {r, lastMove_, from};
}

StepMade Puzzle::ReplayMove() {
    if (moveNr_ > lastMove_ || moveNr_ > kMaxMoves)
        return {};
    const MoveRecord m = movesList_[moveNr_];
    // A list made from another position may hold a move this board cannot
    // make; it is not made rather than pushed through another piece.
    if (!ValidMove(*def_, m) || !(board_.PossibleDirections(m.block) & m.direction))
        return {};
    const uint8_t from = uint8_t(board_.anchor(m.block));
    board_.ApplyStep(m.block, m.direction);
    ++moveNr_;
    return {true, m.block, m.direction, from};
}

StepMade Puzzle::TakeBack(ListRule rule) {
    if (moveNr_ <= 1 || moveNr_ > kMaxMoves + 1)
        return {};
    const MoveRecord m = movesList_[moveNr_ - 1];
    if (!ValidMove(*def_, m) || !(board_.PossibleDirections(m.block) & OppositeDir[m.direction]))
        return {};
    --moveNr_;
    if (rule == ListRule::Cut)
        lastMove_ = moveNr_ - 1;
    const uint8_t from = uint8_t(board_.anchor(m.block));
    board_.UndoStep(m.block, m.direction);
    return {true, m.block, OppositeDir[m.direction], from};
}

int32_t Puzzle::SetMoveLimit(int32_t position) {
    position = std::clamp(position, int32_t(kMinMoveLimit), MoveLimitCeiling(*def_));
    maxMove_ = position >= moveNr_ ? position : moveNr_ - 1;
    return maxMove_;
}

bool Puzzle::CanHold(const MoveRecord* list, int count) const {
    if (count < 0 || count > kMaxMoves || (count > 0 && list == nullptr))
        return false;
    for (int i = 1; i <= count; ++i)
        if (!ValidMove(*def_, list[i]))
            return false;
    return true;
}

bool Puzzle::LoadMoves(const MoveRecord* list, int count) {
    if (!CanHold(list, count))
        return false;
    ClearMoves();
    for (int i = 1; i <= count; ++i)
        movesList_[i] = {list[i].block, list[i].direction, 0};
    lastMove_ = count;
    return true;
}

void Puzzle::EndSearchRun(uint32_t seconds) {
    history_.counters.seconds = seconds;
    history_.counters.forwardLength = uint32_t(history_.forward.length());
    history_.counters.moves = uint32_t(lastMove_);
}

} // namespace trulp
