// Depth-first search over the live tables, resumable between calls: the line
// being searched is the moves list and the depth is moveNr, so a call can stop
// after any recorded move and the next call carries on exactly there.
#include "puzzle.h"

namespace trulp {

namespace {

// The untried candidates of a position as one word: bit 4 * (block - 1) + k
// stands for the block's direction 1 << k. Taking the lowest bit first gives
// blocks in order and, per block, right, up, left, down.
inline uint64_t Candidates(const Board& board, unsigned fromBlock, uint32_t occupied) {
    uint64_t c = 0;
    // All ten (a fixed, unrolled loop), then those before fromBlock dropped.
#pragma GCC unroll 10
    for (unsigned b = 1; b <= unsigned(kBlocks); ++b)
        c |= uint64_t(board.PossibleDirectionsIn(int(b), occupied)) << (4 * (b - 1));
    return c & (~uint64_t(0) << (4 * (fromBlock - 1)));
}

} // namespace

SearchResult Puzzle::SearchStep(int32_t budget) {
    BackwardBuffer& backward = history_.backward;
    ForwardBuffer& forward = history_.forward;
    FieldStacks& stacks = history_.stacks;
    unsigned block = 0;
    unsigned direction = 0;
    uint64_t cands = 0;
    auto dirSetOf = [&] { return uint8_t((cands >> (4 * (block - 1))) & 0xF); };
    auto keepTrial = [&] {
        trialMove_ = {uint8_t(block), uint8_t(direction), block ? dirSetOf() : uint8_t(0)};
    };

    // The key is kept by XOR below; rebuilding it once per call guards
    // against a board changed between calls (a list opened, a move played),
    // which also voids the remembered candidates.
    board_.MakeKey();
    backward.Follow(moveNr_);
    if (moveNr_ < 1 || moveNr_ > kMaxMoves + 1 || !(backward.entry(moveNr_ - 1) == board_.boardKey))
        pendingFloor_ = kMaxMoves + 2;
    const PositionKey start = PositionKey::Of(board_.boardKey);
    uint64_t hash = start.hash;
    int bucket = start.bucket;

newPosition:
    if (budget <= 0) {
        lastMove_ = moveNr_ - 1;
        keepTrial();
        return kBudgetSpent;
    }
    --budget;
    if (moveNr_ > maxMove_)
        goto takeBack;
    cands = Candidates(board_, 1, board_.boardKey.occupied());

scan:
    while (cands != 0) {
        const unsigned bit = unsigned(__builtin_ctzll(cands));
        const unsigned k = bit % 4; // right, up, left, down
        cands &= cands - 1;
        block = bit / 4 + 1;
        direction = 1u << k;
        Block& b = board_.blockTable[block];
        const unsigned shape = b.shape;
        if (shape == 4 && direction == Up)
            continue; // the 2 x 2 block is never moved up, and not counted
        ++history_.counters.trialMoves;
        // The step is judged on a copy of the key; the board itself changes
        // only when the step is recorded.
        const unsigned old = b.field;
        const uint32_t entered = detail::kStepNeeds.need[shape][old][k];
        if (stacks.StackTest(entered, uint8_t(block)))
            continue;
        const unsigned to = unsigned(StepField(int(old), direction));
        const uint32_t oldMask = shapeTable[shape].mask << old;
        const uint32_t newMask = shapeTable[shape].mask << to;
        PositionKey next{board_.boardKey, hash ^ detail::kZobrist.step[shape][old][k],
                         bucket ^ int((old ^ to) & (3u * (shape == 1)))};
        next.key.word(int(shape)) ^= oldMask ^ newMask;
        if (!history_.PositionAllowed(next, moveNr_))
            continue;
        b.field = uint8_t(to);
        board_.boardKey = next.key;
        hash = next.hash;
        bucket = next.bucket;
        movesList_[moveNr_] = {uint8_t(block), uint8_t(direction), dirSetOf()};
        pendingCands_[moveNr_] = cands;
        if (pendingFloor_ > moveNr_)
            pendingFloor_ = moveNr_;
        backward.BackwardStore(next, moveNr_);
        stacks.StackPush(oldMask & ~newMask & kFieldBits, uint8_t(block));
        stacks.StackPush(entered, 0);
        ++moveNr_;
        if (shape == 4 && board_.GoalReached()) {
            lastMove_ = moveNr_ - 1;
            keepTrial();
            return kSolved;
        }
        goto newPosition;
    }

takeBack:
    if (moveNr_ == 1) {
        lastMove_ = 0;
        keepTrial();
        return kNoSolution;
    }
    --moveNr_;
    backward.BackwardTrim(moveNr_);
    {
        const MoveRecord m = movesList_[moveNr_];
        Block& b = board_.blockTable[m.block];
        const bool stored = forward.ForwardStore({board_.boardKey, hash, bucket}, moveNr_);
        // Taken back also when the bucket is full, so that board, moveNr
        // and stacks agree for any later call.
        const unsigned from = b.field;
        const unsigned to = unsigned(UnstepField(int(from), m.direction));
        const uint32_t diff = (shapeTable[b.shape].mask << from) ^ (shapeTable[b.shape].mask << to);
        b.field = uint8_t(to);
        board_.boardKey.word(b.shape) ^= diff;
        hash ^= detail::kZobrist.step[b.shape][to][__builtin_ctz(m.direction)];
        bucket ^= int((from ^ to) & (3u * (b.shape == 1)));
        stacks.StackPop(diff);
        if (!stored) {
            trialMove_ = m;
            return kNoSolution;
        }
        block = m.block;
        direction = m.direction;
        cands = moveNr_ >= pendingFloor_ ? pendingCands_[moveNr_]
                                         : uint64_t(m.dirSet) << (4 * (block - 1)) |
                                               Candidates(board_, block + 1, board_.boardKey.occupied());
    }
    goto scan;
}

} // namespace trulp
