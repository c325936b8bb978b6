// The solver's memory: the backward buffer (positions of the current line),
// the forward buffer (positions whose subtrees were searched, with the move
// number they were searched from), the field stacks and the counters. Each
// is fixed-size and indexed, so the tests the solver makes hundreds of
// thousands of times are a few probes, not scans; nothing allocates.
#pragma once

#include "position.h"

#include <cstdint>
#include <cstring>

namespace trulp {

constexpr int kBuckets = 4;
constexpr int kBucketCapacity = 7500;
// A field can be left and entered at most once per move of a line, so a
// stack of this depth can never overflow.
constexpr int kStackSlots = kMaxMoves + 1;

struct SearchCounters {
    uint32_t moves;
    uint32_t seconds;
    uint32_t trialMoves;
    uint32_t forwardLength;
    uint32_t forwardHits;
    uint32_t backwardHits;
};

// Entry 0 is the start position, entry i the position after move i of the
// line. An index over the entries of the line (0..moveNr - 1 while the
// solver runs) stands in for the scan; it is a stack like the line itself,
// so the last key in is the first out.
class BackwardBuffer {
public:
    BackwardBuffer() {
        std::memset(keys_, 0, sizeof keys_);
        std::memset(index_, 0, sizeof index_);
        std::memset(slotOf_, 0, sizeof slotOf_);
    }

    // True when the position differs from every entry 0..moveNr - 1.
    inline bool BackwardFree(const PositionKey& p, int32_t moveNr) const;
    // Writes entry moveNr; the line is then entries 0..moveNr.
    inline void BackwardStore(const PositionKey& p, int32_t moveNr);
    // The line is entries 0..moveNr - 1 again (a move was taken back).
    void BackwardTrim(int32_t moveNr) {
        while (indexed_ > moveNr)
            pop();
    }
    // Indexes the stored entries 0..moveNr - 1, whatever was indexed before.
    void Follow(int32_t moveNr);
    // Entry 0 becomes the position; the line is just it.
    void SetStart(const BoardKey& start);
    // Entries 1.. become empty; entry 0 keeps its position.
    void Clear();

    const BoardKey& entry(int i) const { return keys_[i]; }

private:
    static constexpr int kSlots = 1 << 11;
    // A slot holds a tag from the key's hash above the entry number + 1, so
    // a probe that misses seldom touches the entries; 0 is free.
    static constexpr int kEntryBits = 10;
    static constexpr uint32_t kEntryMask = (1u << kEntryBits) - 1;
    static_assert(kMaxMoves + 1 < (1 << kEntryBits));
    static uint32_t tagOf(uint64_t hash) { return uint32_t(hash >> 22) << kEntryBits; }
    // The slot of the entry's key, or of the earliest entry with that key.
    inline unsigned find(const PositionKey& p, bool& found) const;
    void pop() {
        --indexed_;
        if (slotOf_[indexed_] >= 0)
            index_[slotOf_[indexed_]] = 0;
    }

    BoardKey keys_[kMaxMoves + 1];
    uint32_t index_[kSlots];
    int16_t slotOf_[kMaxMoves + 1]; // slot of an entry, -1 when an earlier entry has its key
    int32_t indexed_ = 0;           // entries 0..indexed_ - 1 are in the index
};

struct ForwardEntry {
    uint32_t storedNr;
    BoardKey key;
};

// Four buckets of 7500 entries, chosen by the fields of the smallest alike
// pieces (the classic's 1 x 1 blocks); an open addressing index per bucket
// maps a key to its entry.
class ForwardBuffer {
public:
    ForwardBuffer() { Clear(); }

    // The number (1..count) of the position's entry in its bucket, or 0.
    inline int ForwardFind(const PositionKey& p) const;
    // Enters the position with move number moveNr, or lowers the number of
    // its entry to moveNr. False, storing nothing, when its bucket is full.
    inline bool ForwardStore(const PositionKey& p, int32_t moveNr);
    void Clear() {
        std::memset(entries_, 0, sizeof entries_);
        std::memset(count_, 0, sizeof count_);
        std::memset(index_, 0, sizeof index_);
    }

    int count(int bucket) const { return count_[bucket]; }
    int length() const { return count_[0] + count_[1] + count_[2] + count_[3]; }
    const ForwardEntry& entry(int bucket, int e) const { return entries_[bucket][e - 1]; }

private:
    static constexpr int kSlots = 1 << 14;
    static constexpr int kEntryBits = 13; // entries 1..7500
    static constexpr uint32_t kEntryMask = (1u << kEntryBits) - 1;
    static uint32_t tagOf(uint64_t hash) { return uint32_t(hash >> 31) << kEntryBits; }

    ForwardEntry entries_[kBuckets][kBucketCapacity];
    uint16_t count_[kBuckets];
    uint32_t index_[kBuckets][kSlots];
};

// Per field, which block last left it in the current line (0: a block
// entered it). Slot 0 is the bottom and always 0.
class FieldStacks {
public:
    FieldStacks() { Clear(); }

    void StackPush(FieldSet fields, uint8_t value) {
        ForEachField(fields & ~kOffBoard, [&](int n) {
            if (ptr_[n] + 1 < kStackSlots)
                slots_[n][++ptr_[n]] = value;
        });
    }
    void StackPop(FieldSet fields) {
        ForEachField(fields & ~kOffBoard, [&](int n) {
            if (ptr_[n] > 0)
                --ptr_[n];
        });
    }
    // True when the top of some field's stack in the set is value.
    bool StackTest(FieldSet fields, uint8_t value) const {
        bool hit = false;
        ForEachField(fields & ~kOffBoard, [&](int n) { hit |= StackTop(n) == value; });
        return hit;
    }
    uint8_t StackTop(int field) const { return slots_[field][ptr_[field]]; }
    int pointer(int field) const { return ptr_[field]; }
    void Clear() {
        std::memset(slots_, 0, sizeof slots_);
        std::memset(ptr_, 0, sizeof ptr_);
    }

private:
    uint8_t slots_[kMaxFields][kStackSlots];
    uint16_t ptr_[kMaxFields];
};

struct SearchHistory {
    BackwardBuffer backward;
    ForwardBuffer forward;
    FieldStacks stacks;
    SearchCounters counters{};

    // The solver's test of a new position reached by move moveNr: not on
    // the line, and not searched before with as many moves to spare. A
    // refusal counts as one backward or one forward hit.
    bool PositionAllowed(const PositionKey& p, int32_t moveNr) {
        if (!backward.BackwardFree(p, moveNr)) {
            ++counters.backwardHits;
            return false;
        }
        const int e = forward.ForwardFind(p);
        if (e != 0 && forward.entry(p.bucket, e).storedNr <= uint32_t(moveNr)) {
            ++counters.forwardHits;
            return false;
        }
        return true;
    }
    // Every entry but the start position's goes.
    void ClearBuffers() {
        backward.Clear();
        forward.Clear();
    }
};

inline unsigned BackwardBuffer::find(const PositionKey& p, bool& found) const {
    const uint32_t tag = tagOf(p.hash);
    for (unsigned slot = unsigned(p.hash >> 53);; slot = (slot + 1) & (kSlots - 1)) {
        const uint32_t v = index_[slot];
        if (v == 0) {
            found = false;
            return slot;
        }
        if ((v & ~kEntryMask) == tag && entry(int(v & kEntryMask) - 1) == p.key) {
            found = true;
            return slot;
        }
    }
}

inline bool BackwardBuffer::BackwardFree(const PositionKey& p, int32_t moveNr) const {
    bool found;
    const unsigned slot = find(p, found);
    if (found && int32_t(index_[slot] & kEntryMask) - 1 < moveNr)
        return false;
    // Entries stored past the index (never while the solver runs) are
    // compared one by one.
    for (int32_t i = indexed_; i < moveNr && i <= kMaxMoves; ++i)
        if (entry(i) == p.key)
            return false;
    return true;
}

inline void BackwardBuffer::BackwardStore(const PositionKey& p, int32_t moveNr) {
    if (moveNr < 0 || moveNr > kMaxMoves)
        return;
    BackwardTrim(moveNr);
    keys_[moveNr] = p.key;
    if (indexed_ != moveNr)
        return;
    bool found;
    const unsigned slot = find(p, found);
    if (!found) {
        index_[slot] = tagOf(p.hash) | uint32_t(indexed_ + 1);
        slotOf_[indexed_] = int16_t(slot);
    } else {
        slotOf_[indexed_] = -1;
    }
    ++indexed_;
}

inline int ForwardBuffer::ForwardFind(const PositionKey& p) const {
    const uint32_t tag = tagOf(p.hash);
    const uint32_t* index = index_[p.bucket];
    for (unsigned slot = unsigned(p.hash >> 50);; slot = (slot + 1) & (kSlots - 1)) {
        const uint32_t v = index[slot];
        if (v == 0)
            return 0;
        if ((v & ~kEntryMask) == tag && entries_[p.bucket][(v & kEntryMask) - 1].key == p.key)
            return int(v & kEntryMask);
    }
}

inline bool ForwardBuffer::ForwardStore(const PositionKey& p, int32_t moveNr) {
    const uint32_t tag = tagOf(p.hash);
    uint32_t* index = index_[p.bucket];
    unsigned slot = unsigned(p.hash >> 50);
    for (;; slot = (slot + 1) & (kSlots - 1)) {
        const uint32_t v = index[slot];
        if (v == 0)
            break;
        if ((v & ~kEntryMask) != tag)
            continue;
        ForwardEntry& e = entries_[p.bucket][(v & kEntryMask) - 1];
        if (e.key == p.key) {
            if (uint32_t(moveNr) < e.storedNr)
                e.storedNr = uint32_t(moveNr);
            return true;
        }
    }
    if (count_[p.bucket] >= kBucketCapacity)
        return false;
    entries_[p.bucket][count_[p.bucket]] = {uint32_t(moveNr), p.key};
    index[slot] = tag | ++count_[p.bucket];
    return true;
}

} // namespace trulp
