// Depth-first search over the live tables, resumable between calls: the line
// being searched is the moves list and the depth is moveNr, so a call can stop
// after any recorded move and the next call carries on exactly there.
#include "puzzle.h"

namespace trulp {

namespace {

// The untried candidates of a position as one word: bit 4 * (piece - 1) + k
// stands for the piece's direction 1 << k. Taking the lowest bit first gives
// pieces in order and, per piece, right, up, left, down.
inline FieldSet Candidates(const Board& board, int fromPiece, FieldSet solid) {
    FieldSet c = 0;
    for (int p = board.def().pieceCount(); p >= fromPiece; --p)
        c = c << 4 | board.PossibleDirectionsIn(p, solid);
    return c << (4 * (fromPiece - 1));
}

inline uint8_t DirSetIn(FieldSet cands, int piece) {
    return uint8_t(cands >> (4 * (piece - 1))) & 0xF;
}

} // namespace

SearchResult Puzzle::SearchStep(int32_t budget) {
    const PuzzleDef& def = *def_;
    BackwardBuffer& backward = history_.backward;
    ForwardBuffer& forward = history_.forward;
    FieldStacks& stacks = history_.stacks;
    int block = 0;
    unsigned direction = 0;
    FieldSet cands = 0;
    auto keepTrial = [&] {
        trialMove_ = {uint8_t(block), uint8_t(direction), block ? DirSetIn(cands, block) : uint8_t(0)};
    };

    // The key is kept step by step below; rebuilding it once per call
    // guards against a board changed between calls (a list opened, a move
    // played), which also voids the remembered candidates.
    board_.MakeKey();
    backward.Follow(moveNr_);
    if (moveNr_ < 1 || moveNr_ > kMaxMoves + 1 || !(backward.entry(moveNr_ - 1) == board_.boardKey()))
        pendingFloor_ = kMaxMoves + 2;
    int bucket = board_.ForwardBucket();

newPosition:
    if (budget <= 0) {
        lastMove_ = moveNr_ - 1;
        keepTrial();
        return kBudgetSpent;
    }
    --budget;
    if (moveNr_ > maxMove_)
        goto takeBack;
    cands = Candidates(board_, 1, board_.solid());

scan:
    while (cands != 0) {
        const int bit = LowestField(cands);
        const int k = bit % 4; // right, up, left, down
        cands &= cands - 1;
        block = bit / 4 + 1;
        direction = 1u << k;
        if (block == def.barredPiece() && direction == def.barredDirection())
            continue; // never tried, and not counted
        ++history_.counters.trialMoves;
        // The step is judged on a copy of the key; the board itself changes
        // only when the step is recorded.
        const PieceDef& piece = def.piece(block);
        const int old = board_.anchor(block);
        const FieldSet entered = def.Enter(piece.shape, old)[k];
        if (stacks.StackTest(entered, uint8_t(block)))
            continue;
        const int to = def.StepField(old, direction);
        BoardKey key = board_.boardKey();
        Board::MoveInKey(key, def, piece.kind, old, to);
        const PositionKey next{key, KeyHash(key),
                               bucket ^ (piece.kind == def.bucketKind() ? (old ^ to) & 3 : 0)};
        if (!history_.PositionAllowed(next, moveNr_))
            continue;
        const FieldSet left = def.Place(piece.shape, old) & ~def.Place(piece.shape, to);
        board_.ApplyStep(block, direction);
        bucket = next.bucket;
        movesList_[moveNr_] = {uint8_t(block), uint8_t(direction), DirSetIn(cands, block)};
        pendingCands_[moveNr_] = cands;
        if (pendingFloor_ > moveNr_)
            pendingFloor_ = moveNr_;
        backward.BackwardStore(next, moveNr_);
        stacks.StackPush(left, uint8_t(block));
        stacks.StackPush(entered, 0);
        ++moveNr_;
        if (piece.goal != kNoGoal && board_.GoalReached()) {
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
        const PieceDef& piece = def.piece(m.block);
        const bool stored = forward.ForwardStore(PositionKey::Of(board_.boardKey(), bucket), moveNr_);
        // Taken back also when the bucket is full, so that board, moveNr
        // and stacks agree for any later call.
        const int from = board_.anchor(m.block);
        board_.UndoStep(m.block, m.direction);
        const int to = board_.anchor(m.block);
        if (piece.kind == def.bucketKind())
            bucket ^= (from ^ to) & 3;
        stacks.StackPop(def.Place(piece.shape, from) ^ def.Place(piece.shape, to));
        if (!stored) {
            // The list ends where the board stands, so that it still leads
            // to the position shown.
            lastMove_ = moveNr_ - 1;
            trialMove_ = m;
            return kNoSolution;
        }
        block = m.block;
        direction = m.direction;
        cands = moveNr_ >= pendingFloor_
                    ? pendingCands_[moveNr_]
                    : FieldSet(m.dirSet) << (4 * (block - 1)) | Candidates(board_, block + 1, board_.solid());
    }
    goto scan;
}

} // namespace trulp
