#include "puzzle.h"

#include <cstring>

namespace trulp {

Puzzle::Puzzle() {
    std::memcpy(blockTable, startTable, sizeof blockTable);
    std::memset(movesList, 0, sizeof movesList);
    std::memset(backward, 0, sizeof backward);
    std::memset(forward, 0, sizeof forward);
    std::memset(forwardCount, 0, sizeof forwardCount);
    std::memset(fieldStack, 0, sizeof fieldStack);
    std::memset(stackPtr, 0, sizeof stackPtr);
    std::memset(&counters, 0, sizeof counters);
    std::memset(forwardIndex_, 0, sizeof forwardIndex_);
    std::memset(backwardIndex_, 0, sizeof backwardIndex_);
    trialMove = {0, 0, 0};
    MakeKey();
}

void Puzzle::MakeKey() {
    boardKey = {};
    for (int b = 1; b <= kBlocks; ++b)
        boardKey.word(blockTable[b].shape) |= BlockMask(b);
}

void Puzzle::ApplyStep(int block, unsigned direction) {
    const uint32_t oldMask = BlockMask(block);
    blockTable[block].field = uint8_t(StepField(blockTable[block].field, direction));
    boardKey.word(blockTable[block].shape) ^= oldMask ^ BlockMask(block);
}

void Puzzle::UndoStep(int block, unsigned direction) {
    const uint32_t oldMask = BlockMask(block);
    blockTable[block].field = uint8_t(UnstepField(blockTable[block].field, direction));
    boardKey.word(blockTable[block].shape) ^= oldMask ^ BlockMask(block);
}

// --- backward buffer -------------------------------------------------------

bool Puzzle::BackwardFree() const {
    for (int i = 0; i < moveNr && i <= kMaxMoves; ++i)
        if (backwardEntry(i) == boardKey)
            return false;
    return true;
}

void Puzzle::BackwardStore() {
    if (moveNr < 0 || moveNr > kMaxMoves)
        return;
    while (backwardIndexed_ > moveNr)
        backwardPop();
    for (int w = 0; w < kShapes; ++w)
        backward[w][moveNr] = boardKey.key[w];
}

void Puzzle::syncBackwardIndex() {
    const int target = moveNr < kMaxMoves + 1 ? moveNr : kMaxMoves + 1;
    while (backwardIndexed_ > target)
        backwardPop();
    while (backwardIndexed_ < target) {
        const BoardKey k = backwardEntry(backwardIndexed_);
        backwardPush(k, KeyHash(k));
    }
}

// --- forward buffer --------------------------------------------------------

bool Puzzle::PositionAllowed() {
    if (!BackwardFree()) {
        ++counters.backwardHits;
        return false;
    }
    const int bucket = ForwardBucket();
    const int e = forwardFind(bucket, boardKey, KeyHash(boardKey));
    if (e != 0 && forward[bucket][e - 1].storedNr <= uint32_t(moveNr)) {
        ++counters.forwardHits;
        return false;
    }
    return true;
}

int Puzzle::forwardLength() const {
    return forwardCount[0] + forwardCount[1] + forwardCount[2] + forwardCount[3];
}

// --- resets ----------------------------------------------------------------

void Puzzle::ClearBuffers() {
    for (int w = 0; w < kShapes; ++w)
        std::memset(&backward[w][1], 0, sizeof(uint32_t) * kMaxMoves);
    std::memset(forwardCount, 0, sizeof forwardCount);
    std::memset(forward, 0, sizeof forward);
    std::memset(forwardIndex_, 0, sizeof forwardIndex_);
    resetBackwardIndex();
}

void Puzzle::ClearMoves() {
    for (int i = 1; i <= lastMove && i <= kMaxMoves; ++i)
        movesList[i] = {0, 0, 0};
    moveNr = 1;
    lastMove = 0;
    counters = {};
    pendingFloor_ = kMaxMoves + 2;
    std::memset(stackPtr, 0, sizeof stackPtr);
    std::memset(fieldStack, 0, sizeof fieldStack);
}

void Puzzle::ResetBoard(int32_t moveLimit) {
    std::memcpy(blockTable, startTable, sizeof blockTable);
    MakeKey();
    for (int w = 0; w < kShapes; ++w)
        backward[w][0] = boardKey.key[w];
    ClearBuffers(); // also drops the index of the old entry 0
    moveNr = 1;
    pendingFloor_ = kMaxMoves + 2;
    maxMove = moveLimit;
}

} // namespace trulp
