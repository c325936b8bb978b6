// The live puzzle: board, moves list, the solver's history buffers, field
// stacks and counters, all in fixed-size arrays. One instance is the whole
// engine state; nothing in it allocates after construction.
#pragma once

#include "board.h"

#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace trulp {

// Occupancy per shape: bit n of word s-1 is set when field n is covered by a
// block of shape s. Blocks of one shape are interchangeable in a key.
struct BoardKey {
    uint32_t key[kShapes];
    uint32_t& word(int shape) { return key[shape - 1]; }
    uint32_t word(int shape) const { return key[shape - 1]; }
    uint32_t occupied() const { return key[0] | key[1] | key[2] | key[3]; }
    friend bool operator==(const BoardKey& a, const BoardKey& b) {
        // Two 64-bit compares instead of four 32-bit ones.
        uint64_t a0, a1, b0, b1;
        std::memcpy(&a0, a.key, 8);
        std::memcpy(&a1, a.key + 2, 8);
        std::memcpy(&b0, b.key, 8);
        std::memcpy(&b1, b.key + 2, 8);
        return ((a0 ^ b0) | (a1 ^ b1)) == 0;
    }
};

struct SearchCounters {
    uint32_t moves;
    uint32_t seconds;
    uint32_t trialMoves;
    uint32_t forwardLength;
    uint32_t forwardHits;
    uint32_t backwardHits;
};

// Result codes of SearchStep.
enum SearchResult : uint8_t { kBudgetSpent = 1, kSolved = 2, kNoSolution = 3 };

constexpr int kBuckets = 4;
constexpr int kBucketCapacity = 7500;
// A field can be left and entered at most once per move of a line, so a
// stack of this depth can never overflow.
constexpr int kStackSlots = kMaxMoves + 1;

struct ForwardEntry {
    uint32_t storedNr;
    BoardKey key;
};

class Puzzle {
public:
    Puzzle();

    // Board state.
    Block blockTable[kBlocks + 1];
    BoardKey boardKey;

    // The moves list, entries 1..200.
    MoveRecord movesList[kMaxMoves + 1];
    int32_t moveNr = 1;
    int32_t lastMove = 0;
    int32_t maxMove = kDefaultMoveLimit;

    // Solver history.
    uint32_t backward[kShapes][kMaxMoves + 1]; // [key word][entry 0..200]
    ForwardEntry forward[kBuckets][kBucketCapacity];
    uint16_t forwardCount[kBuckets];
    uint8_t fieldStack[kFields][kStackSlots];
    uint8_t stackPtr[kFields];
    SearchCounters counters;
    MoveRecord trialMove;

    // Board model.
    void MakeKey();
    uint32_t BlockMask(int block) const {
        const Block& b = blockTable[block];
        return shapeTable[b.shape].mask << b.field;
    }
    uint8_t PossibleDirections(int block) const { return PossibleDirectionsIn(block, boardKey.occupied()); }
    // The same for a given set of occupied fields.
    inline uint8_t PossibleDirectionsIn(int block, uint32_t occupied) const;
    PixelRect BlockRect(int block) const { return BlockRectOf(blockTable[block]); }
    bool GoalReached() const { return blockTable[kXBlock].field == kGoalField; }
    int ForwardBucket() const {
        return (blockTable[7].field ^ blockTable[8].field ^ blockTable[9].field ^ blockTable[10].field) & 3;
    }
    // Moves a block one step (or back) and keeps the key up to date.
    void ApplyStep(int block, unsigned direction);
    void UndoStep(int block, unsigned direction);

    // History buffers.
    bool BackwardFree() const;
    void BackwardStore();
    int ForwardFind() const { return forwardFind(ForwardBucket(), boardKey, KeyHash(boardKey)); }
    bool ForwardStore() { return forwardStore(ForwardBucket(), boardKey, KeyHash(boardKey)); }
    bool PositionAllowed();
    void StackPush(uint32_t fields, uint8_t value) {
        for (fields &= kFieldBits; fields != 0; fields &= fields - 1) {
            const int n = __builtin_ctz(fields);
            if (stackPtr[n] + 1 < kStackSlots)
                fieldStack[n][++stackPtr[n]] = value;
        }
    }
    void StackPop(uint32_t fields) {
        for (fields &= kFieldBits; fields != 0; fields &= fields - 1) {
            const int n = __builtin_ctz(fields);
            if (stackPtr[n] > 0)
                --stackPtr[n];
        }
    }
    bool StackTest(uint32_t fields, uint8_t value) const {
        fields &= kFieldBits;
        if (fields == 0)
            return false;
        // A step enters one or two fields; both are looked at without a
        // data-dependent branch (the second is the first again if alone).
        const int first = __builtin_ctz(fields);
        const uint32_t rest = fields & (fields - 1);
        const int second = rest ? __builtin_ctz(rest) : first;
        if ((rest & (rest - 1)) != 0)
            return StackTestMany(rest & (rest - 1), value) || StackTop(first) == value ||
                   StackTop(second) == value;
        return (int(StackTop(first) == value) | int(StackTop(second) == value)) != 0;
    }
    uint8_t StackTop(int field) const { return fieldStack[field][stackPtr[field]]; }
    void ClearBuffers();
    void ClearMoves();
    // The engine's part of a board reset: start position, key, backward entry
    // 0, empty buffers, moveNr 1, and the move limit taken from the caller.
    void ResetBoard(int32_t moveLimit);

    // Solver: records at most budget moves, returns a SearchResult.
    uint8_t SearchStep(int32_t budget);

    int forwardLength() const;

private:
    // Indexes that stand in for the linear scans. The forward index maps a
    // key to its entry number in its bucket (open addressing). The backward
    // index holds the keys of entries 0..moveNr-1 while the solver runs; it
    // is a stack like the line itself, so the last key in is the first out.
    static constexpr int kForwardSlots = 1 << 14;
    static constexpr int kBackwardSlots = 1 << 10;
    // A slot holds a tag from the key's hash above the entry number, so a
    // probe that misses seldom touches the entries themselves; 0 is free.
    static constexpr int kForwardEntryBits = 13; // entries 1..7500
    static constexpr int kBackwardEntryBits = 8; // entries 0..200, stored + 1
    uint32_t forwardIndex_[kBuckets][kForwardSlots];
    uint32_t backwardIndex_[kBackwardSlots];
    int16_t backwardSlotOf_[kMaxMoves + 1];  // slot of an entry, -1 if none
    int32_t backwardIndexed_ = 0;            // entries 0..n-1 are indexed
    // The untried candidates left at each depth when its move was recorded,
    // so taking the move back needs no new look at the blocks. Depths from
    // pendingFloor_ to moveNr - 1 are valid.
    uint64_t pendingCands_[kMaxMoves + 2];
    int32_t pendingFloor_ = kMaxMoves + 2;

    // Zobrist hash of a key: the XOR of one random word per covered field
    // and shape, so a step changes it by one precomputed word. Equality is
    // always decided on the full key.
    static inline uint64_t KeyHash(const BoardKey& k);
    static uint32_t forwardTag(uint64_t hash) { return uint32_t(hash >> 31) << kForwardEntryBits; }
    static uint32_t backwardTag(uint64_t hash) { return uint32_t(hash >> 20) << kBackwardEntryBits; }
    BoardKey backwardEntry(int i) const {
        return {{backward[0][i], backward[1][i], backward[2][i], backward[3][i]}};
    }
    inline bool backwardIndexedFree(const BoardKey& k, uint64_t hash) const;
    inline void backwardPush(const BoardKey& k, uint64_t hash);
    void backwardPop() {
        --backwardIndexed_;
        if (backwardSlotOf_[backwardIndexed_] >= 0)
            backwardIndex_[backwardSlotOf_[backwardIndexed_]] = 0;
    }
    void syncBackwardIndex();
    bool StackTestMany(uint32_t fields, uint8_t value) const {
        for (; fields != 0; fields &= fields - 1)
            if (StackTop(__builtin_ctz(fields)) == value)
                return true;
        return false;
    }
    void resetBackwardIndex() {
        std::memset(backwardIndex_, 0, sizeof backwardIndex_);
        backwardIndexed_ = 0;
    }
    inline int forwardFind(int bucket, const BoardKey& k, uint64_t hash) const;
    inline bool forwardStore(int bucket, const BoardKey& k, uint64_t hash);
};

namespace detail {
// Random words for the Zobrist hash, one per shape and field.
struct Zobrist {
    uint64_t field[kShapes + 1][kFields];
    // The hash change of a step: shape, field before, direction index.
    uint64_t step[kShapes + 1][kFields][4];
};
constexpr Zobrist MakeZobrist() {
    Zobrist z{};
    uint64_t state = 0x2545F4914F6CDD1Dull;
    for (int s = 1; s <= kShapes; ++s)
        for (int f = 0; f < kFields; ++f) {
            state += 0x9E3779B97F4A7C15ull; // splitmix64
            uint64_t r = state;
            r = (r ^ (r >> 30)) * 0xBF58476D1CE4E5B9ull;
            r = (r ^ (r >> 27)) * 0x94D049BB133111EBull;
            z.field[s][f] = r ^ (r >> 31);
        }
    constexpr int offsets[4] = {1, -4, -1, 4};
    for (int s = 1; s <= kShapes; ++s)
        for (int f = 0; f < kFields; ++f)
            for (int k = 0; k < 4; ++k) {
                if (kStepNeeds.need[s][f][k] & kBlocked)
                    continue;
                const uint32_t diff = (shapeTable[s].mask << f) ^ (shapeTable[s].mask << (f + offsets[k]));
                uint64_t h = 0;
                for (int n = 0; n < kFields; ++n)
                    if (diff & (1u << n))
                        h ^= z.field[s][n];
                z.step[s][f][k] = h;
            }
    return z;
}
inline constexpr Zobrist kZobrist = MakeZobrist();
} // namespace detail

inline uint64_t Puzzle::KeyHash(const BoardKey& k) {
    uint64_t h = 0;
    for (int s = 1; s <= kShapes; ++s)
        for (uint32_t m = k.word(s) & kFieldBits; m != 0; m &= m - 1)
            h ^= detail::kZobrist.field[s][__builtin_ctz(m)];
    return h;
}

inline uint8_t Puzzle::PossibleDirectionsIn(int block, uint32_t occupied) const {
    const Block& b = blockTable[block];
    const uint32_t* need = detail::kStepNeeds.need[b.shape][b.field];
    occupied |= detail::kBlocked;
#ifdef __SSE2__
    // The four tests at once: lane k is zero when direction 1 << k is open.
    const __m128i n = _mm_load_si128(reinterpret_cast<const __m128i*>(need));
    const __m128i hit = _mm_and_si128(n, _mm_set1_epi32(int(occupied)));
    return uint8_t(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(hit, _mm_setzero_si128()))));
#else
    return uint8_t(((need[0] & occupied) == 0 ? Right : 0) | ((need[1] & occupied) == 0 ? Up : 0) |
                   ((need[2] & occupied) == 0 ? Left : 0) | ((need[3] & occupied) == 0 ? Down : 0));
#endif
}

inline bool Puzzle::backwardIndexedFree(const BoardKey& k, uint64_t hash) const {
    constexpr uint32_t entryMask = (1u << kBackwardEntryBits) - 1;
    const uint32_t tag = backwardTag(hash);
    for (unsigned slot = unsigned(hash >> 54);; slot = (slot + 1) & (kBackwardSlots - 1)) {
        const uint32_t v = backwardIndex_[slot];
        if (v == 0)
            return true;
        if ((v & ~entryMask) == tag && backwardEntry(int(v & entryMask) - 1) == k)
            return false;
    }
}

// Indexes entry backwardIndexed_, whose key is k.
inline void Puzzle::backwardPush(const BoardKey& k, uint64_t hash) {
    constexpr uint32_t entryMask = (1u << kBackwardEntryBits) - 1;
    const uint32_t tag = backwardTag(hash);
    unsigned slot = unsigned(hash >> 54);
    bool found = false;
    for (;; slot = (slot + 1) & (kBackwardSlots - 1)) {
        const uint32_t v = backwardIndex_[slot];
        if (v == 0)
            break;
        if ((v & ~entryMask) == tag && backwardEntry(int(v & entryMask) - 1) == k) {
            found = true;
            break;
        }
    }
    if (!found) {
        backwardIndex_[slot] = tag | uint32_t(backwardIndexed_ + 1);
        backwardSlotOf_[backwardIndexed_] = int16_t(slot);
    } else {
        backwardSlotOf_[backwardIndexed_] = -1; // an earlier entry has this key
    }
    ++backwardIndexed_;
}

inline int Puzzle::forwardFind(int bucket, const BoardKey& k, uint64_t hash) const {
    constexpr uint32_t entryMask = (1u << kForwardEntryBits) - 1;
    const uint32_t tag = forwardTag(hash);
    const uint32_t* index = forwardIndex_[bucket];
    for (unsigned slot = unsigned(hash >> 50);; slot = (slot + 1) & (kForwardSlots - 1)) {
        const uint32_t v = index[slot];
        if (v == 0)
            return 0;
        if ((v & ~entryMask) == tag && forward[bucket][(v & entryMask) - 1].key == k)
            return int(v & entryMask);
    }
}

inline bool Puzzle::forwardStore(int bucket, const BoardKey& k, uint64_t hash) {
    constexpr uint32_t entryMask = (1u << kForwardEntryBits) - 1;
    const uint32_t tag = forwardTag(hash);
    uint32_t* index = forwardIndex_[bucket];
    unsigned slot = unsigned(hash >> 50);
    for (;; slot = (slot + 1) & (kForwardSlots - 1)) {
        const uint32_t v = index[slot];
        if (v == 0)
            break;
        if ((v & ~entryMask) != tag)
            continue;
        ForwardEntry& entry = forward[bucket][(v & entryMask) - 1];
        if (entry.key == k) {
            if (uint32_t(moveNr) < entry.storedNr)
                entry.storedNr = uint32_t(moveNr);
            return true;
        }
    }
    if (forwardCount[bucket] >= kBucketCapacity)
        return false;
    forward[bucket][forwardCount[bucket]] = {uint32_t(moveNr), k};
    index[slot] = tag | ++forwardCount[bucket];
    return true;
}

} // namespace trulp
