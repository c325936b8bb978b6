// The search done the plain way, for comparison only: the same depth-first
// loop as Puzzle::SearchStep, but the backward test scans the current line
// entry by entry and the forward lookup scans the bucket, as the search was
// first written. It must give the engine's moves and counters exactly.
#pragma once

#include "puzzle.h"
#include "tenblock.h"

#include <cstdint>

namespace trulp::bench {

class ReferenceSearch {
public:
    // Start position, empty buffers, list, stacks and counters.
    void Reset(int32_t moveLimit);
    uint8_t SearchStep(int32_t budget);

    Block blockTable[kBlocks + 1];
    uint32_t key[kShapes + 1]; // 1-based by shape
    MoveRecord movesList[kMaxMoves + 1];
    int32_t moveNr = 1;
    int32_t lastMove = 0;
    int32_t maxMove = kDefaultMoveLimit;
    uint32_t trialMoves = 0;
    uint32_t forwardHits = 0;
    uint32_t backwardHits = 0;

    int forwardLength() const {
        return forwardCount[0] + forwardCount[1] + forwardCount[2] + forwardCount[3];
    }

private:
    static constexpr int kSlots = 51;

    void MakeKey();
    uint32_t BlockMask(int block) const {
        return shapeTable[blockTable[block].shape].mask << blockTable[block].field;
    }
    uint8_t PossibleDirections(int block) const;
    int ForwardBucket() const;
    bool BackwardFree() const;
    void BackwardStore();
    int ForwardFind() const;
    bool ForwardStore();
    bool PositionAllowed();
    void StackPush(uint32_t fields, uint8_t value);
    void StackPop(uint32_t fields);
    bool StackTest(uint32_t fields, uint8_t value) const;

    uint32_t backward[kShapes + 1][kMaxMoves + 1];
    // Column-wise: move numbers and the four key words of each bucket.
    uint32_t forwardNr[kBuckets][kBucketCapacity + 1];
    uint32_t forwardKey[kBuckets][kShapes + 1][kBucketCapacity + 1];
    uint16_t forwardCount[kBuckets];
    uint8_t fieldStack[kFields][kSlots];
    uint8_t stackPtr[kFields];
};

} // namespace trulp::bench
