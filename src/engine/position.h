// A position of the puzzle: the ten blocks, the key that describes them, and
// the rules of one step. A plain value: the live puzzle keeps one privately,
// solvers and tests make their own.
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

using BlockTable = Block[kBlocks + 1]; // 1-based

struct Board {
    Board() : Board(startTable) {}
    // A board standing on the given blocks (a puzzle's start).
    explicit Board(const Block (&table)[kBlocks + 1]) {
        std::memcpy(blockTable, table, sizeof blockTable);
        MakeKey();
    }

    BlockTable blockTable;
    BoardKey boardKey;

    void MakeKey() {
        boardKey = {};
        for (int b = 1; b <= kBlocks; ++b)
            boardKey.word(blockTable[b].shape) |= BlockMask(b);
    }
    uint32_t BlockMask(int block) const {
        const Block& b = blockTable[block];
        return shapeTable[b.shape].mask << b.field;
    }
    uint8_t PossibleDirections(int block) const { return PossibleDirectionsIn(block, boardKey.occupied()); }
    // The same for a given set of occupied fields.
    inline uint8_t PossibleDirectionsIn(int block, uint32_t occupied) const;
    bool GoalReached() const { return blockTable[kXBlock].field == kGoalField; }
    int ForwardBucket() const {
        return (blockTable[7].field ^ blockTable[8].field ^ blockTable[9].field ^ blockTable[10].field) & 3;
    }
    // A step and its reverse, keeping the key by XOR. They do not ask
    // whether the step is open; the callers have.
    void ApplyStep(int block, unsigned direction) {
        moveTo(block, StepField(blockTable[block].field, direction));
    }
    void UndoStep(int block, unsigned direction) {
        moveTo(block, UnstepField(blockTable[block].field, direction));
    }

private:
    void moveTo(int block, int field) {
        const uint32_t oldMask = BlockMask(block);
        blockTable[block].field = uint8_t(field);
        boardKey.word(blockTable[block].shape) ^= oldMask ^ BlockMask(block);
    }
};

inline uint8_t Board::PossibleDirectionsIn(int block, uint32_t occupied) const {
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

namespace detail {
// Random words for the Zobrist hash, one per shape and field.
struct Zobrist {
    uint64_t field[kShapes + 1][kFields];
    // The hash change of a step: shape, field before, direction index.
    uint64_t step[kShapes + 1][kFields][4];
};
// splitmix64: small, fast and the same everywhere.
constexpr uint64_t SplitMix64(uint64_t& state) {
    state += 0x9E3779B97F4A7C15ull;
    uint64_t r = state;
    r = (r ^ (r >> 30)) * 0xBF58476D1CE4E5B9ull;
    r = (r ^ (r >> 27)) * 0x94D049BB133111EBull;
    return r ^ (r >> 31);
}
constexpr Zobrist MakeZobrist() {
    Zobrist z{};
    uint64_t state = 0x2545F4914F6CDD1Dull;
    for (int s = 1; s <= kShapes; ++s)
        for (int f = 0; f < kFields; ++f)
            z.field[s][f] = SplitMix64(state);
    for (int s = 1; s <= kShapes; ++s)
        for (int f = 0; f < kFields; ++f)
            for (int k = 0; k < 4; ++k) {
                if (kStepNeeds.need[s][f][k] & kBlocked)
                    continue;
                const uint32_t diff =
                    (shapeTable[s].mask << f) ^ (shapeTable[s].mask << (f + StepOffset(1u << k)));
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

// A position as the history buffers index it: its key, the key's Zobrist
// hash (the XOR of one random word per covered field and shape, so a step
// changes it by one precomputed word) and its forward-buffer bucket.
// Equality is always decided on the full key.
struct PositionKey {
    BoardKey key;
    uint64_t hash;
    int bucket;

    static PositionKey Of(const BoardKey& k) {
        PositionKey p{k, 0, 0};
        for (int s = 1; s <= kShapes; ++s)
            for (uint32_t m = k.word(s) & kFieldBits; m != 0; m &= m - 1)
                p.hash ^= detail::kZobrist.field[s][__builtin_ctz(m)];
        // The bucket of the 1 x 1 blocks' fields, read off their key word.
        for (uint32_t m = k.word(1) & kFieldBits; m != 0; m &= m - 1)
            p.bucket ^= __builtin_ctz(m);
        p.bucket &= 3;
        return p;
    }
};

} // namespace trulp
