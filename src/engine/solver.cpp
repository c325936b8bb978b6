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
    // remembered candidates. Hash and bucket follow the key.
    MakeKey();
    syncBackwardIndex();
    if (moveNr < 1 || moveNr > kMaxMoves + 1 || !(backwardEntry(moveNr - 1) == boardKey))
        pendingFloor_ = kMaxMoves + 2;
    uint64_t hash = KeyHash(boardKey);
    int bucket = ForwardBucket();

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
        const unsigned bit = unsigned(__builtin_ctzll(cands));
        const unsigned k = bit % 4; // right, up, left, down
        cands &= cands - 1;
        block = bit / 4 + 1;
        direction = 1u << k;
        Block& b = blockTable[block];
        const unsigned shape = b.shape;
        if (shape == 4 && direction == Up)
            continue; // the 2 x 2 block is never moved up, and not counted
        ++counters.trialMoves;
        // The step is judged on a copy of the key; the board itself changes
        // only when the step is recorded.
        const unsigned old = b.field;
        const uint32_t entered = detail::kStepNeeds.need[shape][old][k];
        if (StackTest(entered, uint8_t(block)))
            continue;
        const unsigned to = unsigned(StepField(int(old), direction));
        const uint32_t oldMask = shapeTable[shape].mask << old;
        const uint32_t newMask = shapeTable[shape].mask << to;
        BoardKey next = boardKey;
        next.word(int(shape)) ^= oldMask ^ newMask;
        const uint64_t nextHash = hash ^ detail::kZobrist.step[shape][old][k];
        // Only a 1 x 1 block changes the bucket (no branch: it would guess wrong).
        const int nextBucket = bucket ^ int((old ^ to) & (3u * (shape == 1)));
        if (!backwardIndexedFree(next, nextHash)) {
            ++counters.backwardHits;
            continue;
        }
        const int e = forwardFind(nextBucket, next, nextHash);
        if (e != 0 && forward[nextBucket][e - 1].storedNr <= uint32_t(moveNr)) {
            ++counters.forwardHits;
            continue;
        }
        b.field = uint8_t(to);
        boardKey = next;
        hash = nextHash;
        bucket = nextBucket;
        movesList[moveNr] = {uint8_t(block), uint8_t(direction), dirSetOf()};
        pendingCands_[moveNr] = cands;
        if (pendingFloor_ > moveNr)
            pendingFloor_ = moveNr;
        for (int w = 0; w < kShapes; ++w)
            backward[w][moveNr] = next.key[w];
        backwardPush(next, nextHash);
        StackPush(oldMask & ~newMask & kFieldBits, uint8_t(block));
        StackPush(entered, 0);
        ++moveNr;
        if (shape == 4 && GoalReached()) {
            lastMove = moveNr - 1;
            keepTrial();
            return kSolved;
        }
        goto newPosition;
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
        const bool stored = forwardStore(bucket, boardKey, hash);
        // Taken back also when the bucket is full, so that board, moveNr
        // and stacks agree for any later call.
        const unsigned from = b.field;
        const unsigned to = unsigned(UnstepField(int(from), m.direction));
        const uint32_t diff = (shapeTable[b.shape].mask << from) ^ (shapeTable[b.shape].mask << to);
        b.field = uint8_t(to);
        boardKey.word(b.shape) ^= diff;
        hash ^= detail::kZobrist.step[b.shape][to][__builtin_ctz(m.direction)];
        bucket ^= int((from ^ to) & (3u * (b.shape == 1)));
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
