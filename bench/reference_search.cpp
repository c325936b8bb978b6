#include "reference_search.h"

#include <cstring>

namespace trulp::bench {

void ReferenceSearch::Reset(int32_t moveLimit) {
    std::memcpy(blockTable, startTable, sizeof blockTable);
    MakeKey();
    std::memset(backward, 0, sizeof backward);
    for (int w = 1; w <= kShapes; ++w)
        backward[w][0] = key[w];
    std::memset(forwardNr, 0, sizeof forwardNr);
    std::memset(forwardKey, 0, sizeof forwardKey);
    std::memset(forwardCount, 0, sizeof forwardCount);
    std::memset(movesList, 0, sizeof movesList);
    std::memset(fieldStack, 0, sizeof fieldStack);
    std::memset(stackPtr, 0, sizeof stackPtr);
    moveNr = 1;
    lastMove = 0;
    maxMove = moveLimit;
    trialMoves = forwardHits = backwardHits = 0;
}

void ReferenceSearch::MakeKey() {
    std::memset(key, 0, sizeof key);
    for (int b = 1; b <= kBlocks; ++b)
        key[blockTable[b].shape] |= BlockMask(b);
}

uint8_t ReferenceSearch::PossibleDirections(int block) const {
    const uint32_t m = BlockMask(block);
    const uint32_t occupied = key[1] | key[2] | key[3] | key[4];
    const BlockShape& s = shapeTable[blockTable[block].shape];
    const int column = blockTable[block].field % 4, row = blockTable[block].field / 4;
    uint8_t result = 0;
    if (column + s.width - 1 < 3 && ((m << 1) & ~m & occupied) == 0)
        result |= Right;
    if (row > 0 && ((m >> 4) & ~m & occupied) == 0)
        result |= Up;
    if (column > 0 && ((m >> 1) & ~m & occupied) == 0)
        result |= Left;
    if (row + s.height - 1 < 4 && ((m << 4) & ~m & occupied) == 0)
        result |= Down;
    return result;
}

int ReferenceSearch::ForwardBucket() const {
    return (blockTable[7].field ^ blockTable[8].field ^ blockTable[9].field ^ blockTable[10].field) & 3;
}

bool ReferenceSearch::BackwardFree() const {
    for (int i = 0; i < moveNr; ++i)
        if (backward[1][i] == key[1] && backward[2][i] == key[2] && backward[3][i] == key[3] &&
            backward[4][i] == key[4])
            return false;
    return true;
}

void ReferenceSearch::BackwardStore() {
    for (int w = 1; w <= kShapes; ++w)
        backward[w][moveNr] = key[w];
}

int ReferenceSearch::ForwardFind() const {
    const int b = ForwardBucket();
    for (int i = 1; i <= forwardCount[b]; ++i)
        if (forwardKey[b][1][i] == key[1] && forwardKey[b][2][i] == key[2] && forwardKey[b][3][i] == key[3] &&
            forwardKey[b][4][i] == key[4])
            return i;
    return 0;
}

bool ReferenceSearch::ForwardStore() {
    const int b = ForwardBucket();
    if (const int i = ForwardFind(); i != 0) {
        if (uint32_t(moveNr) < forwardNr[b][i])
            forwardNr[b][i] = uint32_t(moveNr);
        return true;
    }
    if (forwardCount[b] >= kBucketCapacity)
        return false;
    const int i = ++forwardCount[b];
    forwardNr[b][i] = uint32_t(moveNr);
    for (int w = 1; w <= kShapes; ++w)
        forwardKey[b][w][i] = key[w];
    return true;
}

bool ReferenceSearch::PositionAllowed() {
    if (!BackwardFree()) {
        ++backwardHits;
        return false;
    }
    const int i = ForwardFind();
    if (i != 0 && forwardNr[ForwardBucket()][i] <= uint32_t(moveNr)) {
        ++forwardHits;
        return false;
    }
    return true;
}

void ReferenceSearch::StackPush(uint32_t fields, uint8_t value) {
    for (int n = 0; n < kFields; ++n)
        if (fields & (1u << n) && stackPtr[n] + 1 < kSlots)
            fieldStack[n][++stackPtr[n]] = value;
}

void ReferenceSearch::StackPop(uint32_t fields) {
    for (int n = 0; n < kFields; ++n)
        if (fields & (1u << n) && stackPtr[n] > 0)
            --stackPtr[n];
}

bool ReferenceSearch::StackTest(uint32_t fields, uint8_t value) const {
    for (int n = 0; n < kFields; ++n)
        if (fields & (1u << n) && fieldStack[n][stackPtr[n]] == value)
            return true;
    return false;
}

uint8_t ReferenceSearch::SearchStep(int32_t budget) {
    int block = 1;
    unsigned direction = 1;
    uint8_t dirSet = 0;
    int old = 0;
    uint32_t oldMask = 0, newMask = 0, entered = 0, left = 0, diff = 0;

newPosition:
    if (budget == 0) {
        lastMove = moveNr - 1;
        return kBudgetSpent;
    }
    --budget;
    if (moveNr > maxMove)
        goto takeBack;
    block = 1;
    direction = Right;
    MakeKey();
    dirSet = PossibleDirections(1);

tryCandidate:
    if (dirSet == 0)
        goto nextBlock;
    if ((direction & dirSet) == 0)
        goto nextDirection;
    dirSet = uint8_t(dirSet & ~direction);
    if (blockTable[block].shape == 4 && direction == Up)
        goto nextDirection;
    ++trialMoves;
    old = blockTable[block].field;
    oldMask = BlockMask(block);
    blockTable[block].field = uint8_t(StepField(old, direction));
    newMask = BlockMask(block);
    entered = newMask & ~oldMask & kFieldBits;
    left = oldMask & ~newMask & kFieldBits;
    if (StackTest(entered, uint8_t(block))) {
        blockTable[block].field = uint8_t(old);
        goto nextDirection;
    }
    key[blockTable[block].shape] ^= oldMask ^ newMask;
    if (PositionAllowed()) {
        movesList[moveNr] = {uint8_t(block), uint8_t(direction), dirSet};
        BackwardStore();
        StackPush(left, uint8_t(block));
        StackPush(entered, 0);
        ++moveNr;
        if (blockTable[block].shape == 4 && blockTable[kXBlock].field == kGoalField) {
            lastMove = moveNr - 1;
            return kSolved;
        }
        goto newPosition;
    }
    blockTable[block].field = uint8_t(old);
    key[blockTable[block].shape] ^= oldMask ^ newMask;

nextDirection:
    direction <<= 1;
    if (direction <= Down)
        goto tryCandidate;

nextBlock:
    direction = Right;
    ++block;
    if (block > kBlocks)
        goto takeBack;
    dirSet = PossibleDirections(block);
    goto tryCandidate;

takeBack:
    if (moveNr == 1) {
        lastMove = 0;
        return kNoSolution;
    }
    --moveNr;
    if (!ForwardStore())
        return kNoSolution;
    block = movesList[moveNr].block;
    direction = movesList[moveNr].direction;
    dirSet = movesList[moveNr].dirSet;
    oldMask = BlockMask(block);
    blockTable[block].field = uint8_t(UnstepField(blockTable[block].field, direction));
    diff = oldMask ^ BlockMask(block);
    key[blockTable[block].shape] ^= diff;
    StackPop(diff);
    goto nextDirection;
}

} // namespace trulp::bench
