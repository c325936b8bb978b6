// A position of a puzzle: where each piece stands, the fields they cover,
// the key that describes the position, and the rules of one step. A plain
// value over its PuzzleDef, which must outlive it: the live puzzle keeps one
// privately, solvers and tests make their own.
#pragma once

#include "puzzledef.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace trulp {

// The anchors of the pieces, kind by kind, sorted within each kind: alike
// pieces are interchangeable in a key. Slots past the pieces stay 0.
struct BoardKey {
    alignas(16) uint8_t anchors[32];
    friend bool operator==(const BoardKey& a, const BoardKey& b) {
        // Four 64-bit compares, folded into one test.
        uint64_t x[4], y[4];
        std::memcpy(x, a.anchors, 32);
        std::memcpy(y, b.anchors, 32);
        return ((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) == 0;
    }
};

class Board {
public:
    Board() = default;
    // The puzzle's start.
    explicit Board(const PuzzleDef& def) : def_(&def) {
        for (int p = 1; p <= def.pieceCount(); ++p)
            anchor_[p] = def.piece(p).start;
        MakeKey();
    }

    // Pieces on the given anchors (1-based); the caller has checked them.
    Board(const PuzzleDef& def, const uint8_t* anchors) : def_(&def) {
        for (int p = 1; p <= def.pieceCount(); ++p)
            anchor_[p] = anchors[p];
        MakeKey();
    }

    const PuzzleDef& def() const { return *def_; }
    const uint8_t* anchors() const { return anchor_; }
    int anchor(int piece) const { return anchor_[piece]; }
    // The fields the pieces cover; with the walls, where nothing can go.
    FieldSet occupied() const { return occupied_; }
    FieldSet solid() const { return occupied_ | def_->walls(); }
    const BoardKey& boardKey() const { return key_; }

    FieldSet PieceMask(int piece) const { return def_->Place(def_->piece(piece).shape, anchor_[piece]); }
    uint8_t PossibleDirections(int piece) const { return PossibleDirectionsIn(piece, solid()); }
    // The same for given fields where nothing can go.
    uint8_t PossibleDirectionsIn(int piece, FieldSet solid) const {
        const FieldSet* enter = def_->Enter(def_->piece(piece).shape, anchor_[piece]);
        solid |= kOffBoard;
        return uint8_t(((enter[0] & solid) == 0 ? Right : 0) | ((enter[1] & solid) == 0 ? Up : 0) |
                       ((enter[2] & solid) == 0 ? Left : 0) | ((enter[3] & solid) == 0 ? Down : 0));
    }
    bool GoalReached() const {
        for (uint8_t p : def_->goalPieces())
            if (anchor_[p] != def_->piece(p).goal)
                return false;
        return true;
    }
    // The piece covering a field, 0 for none.
    int PieceAt(int field) const {
        for (int p = 1; p <= def_->pieceCount(); ++p)
            if (PieceMask(p) & FieldBit(field))
                return p;
        return 0;
    }
    int ForwardBucket() const {
        int bucket = 0;
        for (int p = 1; p <= def_->pieceCount(); ++p)
            if (def_->piece(p).kind == def_->bucketKind())
                bucket ^= anchor_[p];
        return bucket & 3;
    }

    // A step and its reverse, keeping fields and key. They do not ask
    // whether the step is open; the callers have.
    void ApplyStep(int piece, unsigned direction) {
        moveTo(piece, def_->StepField(anchor_[piece], direction));
    }
    void UndoStep(int piece, unsigned direction) {
        moveTo(piece, def_->UnstepField(anchor_[piece], direction));
    }
    // Puts a piece anywhere (setting up); the caller has checked the place.
    void Place(int piece, int field) { moveTo(piece, field); }
    // Rebuilds fields and key from the anchors.
    void MakeKey() {
        occupied_ = 0;
        std::memset(key_.anchors, 0, sizeof key_.anchors);
        uint8_t filled[kMaxPieces + 1] = {};
        for (int p = 1; p <= def_->pieceCount(); ++p) {
            occupied_ |= PieceMask(p);
            const int kind = def_->piece(p).kind;
            key_.anchors[def_->kindSlot(kind) + filled[kind]++] = anchor_[p];
        }
        for (int k = 0; k < def_->kindCount(); ++k) {
            uint8_t* first = key_.anchors + def_->kindSlot(k);
            for (int i = 1; i < def_->kindSize(k); ++i)
                for (int j = i; j > 0 && first[j - 1] > first[j]; --j)
                    std::swap(first[j - 1], first[j]);
        }
    }
    friend bool operator==(const Board& a, const Board& b) {
        return a.def_ == b.def_ && std::memcmp(a.anchor_, b.anchor_, sizeof a.anchor_) == 0;
    }

    // The key after a piece of `kind` moves from one anchor to another.
    static void MoveInKey(BoardKey& key, const PuzzleDef& def, int kind, int from, int to) {
        uint8_t* first = key.anchors + def.kindSlot(kind);
        const int size = def.kindSize(kind);
        int i = 0;
        while (i < size - 1 && first[i] != from)
            ++i;
        first[i] = uint8_t(to);
        while (i > 0 && first[i - 1] > first[i]) {
            std::swap(first[i - 1], first[i]);
            --i;
        }
        while (i < size - 1 && first[i + 1] < first[i]) {
            std::swap(first[i + 1], first[i]);
            ++i;
        }
    }

private:
    void moveTo(int piece, int field) {
        const PieceDef& p = def_->piece(piece);
        occupied_ ^= PieceMask(piece);
        MoveInKey(key_, *def_, p.kind, anchor_[piece], field);
        anchor_[piece] = uint8_t(field);
        occupied_ ^= PieceMask(piece);
    }

    const PuzzleDef* def_ = nullptr;
    FieldSet occupied_ = 0;
    BoardKey key_{};
    uint8_t anchor_[kMaxPieces + 1] = {};
};

// A key's hash: each word multiplied apart, then mixed.
inline uint64_t KeyHash(const BoardKey& k) {
    uint64_t w[4];
    std::memcpy(w, k.anchors, 32);
    uint64_t h = w[0] * 0x9E3779B97F4A7C15ull ^ w[1] * 0xC2B2AE3D27D4EB4Full ^ w[2] * 0x165667B19E3779F9ull ^
                 w[3] * 0xD6E8FEB86659FD93ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 32);
}

// A position as the search's memory indexes it: its key, the key's hash and
// its forward-buffer bucket. Equality is decided on the key.
struct PositionKey {
    BoardKey key;
    uint64_t hash;
    int bucket;

    static PositionKey Of(const BoardKey& k, int bucket = 0) { return {k, KeyHash(k), bucket}; }
    static PositionKey Of(const Board& b) { return Of(b.boardKey(), b.ForwardBucket()); }
};

} // namespace trulp
