// Depth-first search over the live tables, resumable between calls: the line
// being searched is the moves list and the depth is moveNr, so a call can stop
// after any recorded move and the next call carries on exactly there.
#include "puzzle.h"

namespace trulp {

namespace {

// The untried candidates of a position as one word: bit 4 * (block - 1) + k
// stands for the block's direction 1 << k. Taking the lowest bit first gives
// blocks in order and, per block, right, up, left, down.
inline uint64_t Candidates(const Puzzle& p, unsigned fromBlock, uint32_t occupied) {
    uint64_t c = 0;
    // All ten (a fixed, unrolled loop), then those before fromBlock dropped.
#pragma GCC unroll 10
    for (unsigned b = 1; b <= unsigned(kBlocks); ++b)
        c |= uint64_t(p.PossibleDirectionsIn(int(b), occupied)) << (4 * (b - 1));
    return c & (~uint64_t(0) << (4 * (fromBlock - 1)));
}

} // namespace

uint8_t Puzzle::SearchStep(int32_t budget) {
    unsigned block = 0;
    unsigned direction = 0;
    uint64_t cands = 0;
    auto dirSetOf = [&] { return uint8_t((cands >> (4 * (block - 1))) & 0xF); };
    auto keepTrial = [&] { trialMove = {uint8_t(block), uint8_t(direction), block ? dirSetOf() : uint8_t(0)}; };

    // The key is kept by XOR below; rebuilding it once per call guards
    // against a board changed between calls, which also voids the
    // remembered candidates.
    MakeKey();
    syncBackwardIndex();
    if (moveNr < 1 || moveNr > kMaxMoves + 1 || !(backwardEntry(moveNr - 1) == boardKey))
        pendingFloor_ = kMaxMoves + 2;

newPosition:
    if (budget <= 0) {
        lastMove = moveNr - 1;
        keepTrial();
        return kBudgetSpent;
    }
    --budget;
    if (moveNr > maxMove)
        goto takeBack;
    cands = Candidates(*this, 1, boardKey.occupied());

scan:
    while (cands != 0) {
        {
            const unsigned bit = unsigned(__builtin_ctzll(cands));
            cands &= cands - 1;
            block = bit / 4 + 1;
            direction = 1u << (bit % 4);
        }
        Block& b = blockTable[block];
        if (b.shape == 4 && direction == Up)
            continue; // the 2 x 2 block is never moved up, and not counted
        ++counters.trialMoves;
        const uint8_t old = b.field;
        const uint32_t oldMask = shapeTable[b.shape].mask << old;
        b.field = uint8_t(StepField(old, direction));
        const uint32_t newMask = shapeTable[b.shape].mask << b.field;
        const uint32_t entered = newMask & ~oldMask & kFieldBits;
        if (StackTest(entered, uint8_t(block))) {
            b.field = old;
            continue;
        }
        boardKey.word(b.shape) ^= oldMask ^ newMask;
        const uint64_t hash = KeyHash(boardKey);
        if (positionAllowed(hash)) {
            movesList[moveNr] = {uint8_t(block), uint8_t(direction), dirSetOf()};
            pendingCands_[moveNr] = cands;
            if (pendingFloor_ > moveNr)
                pendingFloor_ = moveNr;
            for (int w = 0; w < kShapes; ++w)
                backward[w][moveNr] = boardKey.key[w];
            backwardPush(boardKey, hash);
            StackPush(oldMask & ~newMask & kFieldBits, uint8_t(block));
            StackPush(entered, 0);
            ++moveNr;
            if (b.shape == 4 && GoalReached()) {
                lastMove = moveNr - 1;
                keepTrial();
                return kSolved;
            }
            goto newPosition;
        }
        b.field = old;
        boardKey.word(b.shape) ^= oldMask ^ newMask;
    }

takeBack:
    if (moveNr == 1) {
        lastMove = 0;
        keepTrial();
        return kNoSolution;
    }
    --moveNr;
    backwardPop();
    {
        const MoveRecord m = movesList[moveNr];
        Block& b = blockTable[m.block];
        const uint32_t before = BlockMask(m.block);
        const bool stored = forwardStore(ForwardBucket(), KeyHash(boardKey));
        // Taken back also when the bucket is full, so that board, moveNr
        // and stacks agree for any later call.
        b.field = uint8_t(UnstepField(b.field, m.direction));
        const uint32_t diff = before ^ BlockMask(m.block);
        boardKey.word(b.shape) ^= diff;
        StackPop(diff);
        if (!stored) {
            trialMove = m;
            return kNoSolution;
        }
        block = m.block;
        direction = m.direction;
        cands = moveNr >= pendingFloor_ ? pendingCands_[moveNr]
                                        : uint64_t(m.dirSet) << (4 * (block - 1)) |
                                              Candidates(*this, block + 1, boardKey.occupied());
    }
    goto scan;
}

} // namespace trulp
