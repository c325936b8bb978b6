#include "tenblocktable.h"

#include "position_code.h"

#include <algorithm>
#include <memory>

namespace trulp {

namespace {

constexpr uint8_t kUnset = 0xFF; // distances stay far below it
constexpr uint16_t kNoFamily = 0xFFFF;
constexpr int kChoices = 15; // four 1 x 1 blocks on six free fields
constexpr int kFrameSlotBits = 13;
constexpr size_t kFrameSlotMask = (size_t(1) << kFrameSlotBits) - 1;

size_t FrameSlotOf(uint64_t frameCode) {
    return size_t((frameCode * 0x9E3779B97F4A7C15ull) >> (64 - kFrameSlotBits));
}

// The choices of four fields out of six, as six-bit patterns in ascending
// order, and the rank of each pattern (kUnset for other patterns).
struct Choices {
    uint8_t pattern[kChoices];
    uint8_t rank[64];
};
constexpr Choices MakeChoices() {
    Choices c{};
    int n = 0;
    for (unsigned p = 0; p < 64; ++p) {
        c.rank[p] = kUnset;
        if (__builtin_popcount(p) == 4) {
            c.pattern[n] = uint8_t(p);
            c.rank[p] = uint8_t(n++);
        }
    }
    return c;
}
constexpr Choices kChoiceTable = MakeChoices();

template <class Visit> void ForEachStep(uint64_t code, Visit&& visit) {
    using namespace detail;
    auto visitAll = [&](uint32_t from, int delta, int shift) {
        for (; from; from &= from - 1) {
            const int f = __builtin_ctz(from);
            visit(code ^ (uint64_t(1) << f | uint64_t(1) << (f + delta)) << shift);
        }
    };
    constexpr uint32_t kNotLeftColumn = 0xEEEEE;
    constexpr uint32_t kNotRightColumn = 0x77777;
    const uint32_t occupied = OccupiedOf(code);
    const uint32_t free = ~occupied & kFieldBits;

    const uint32_t singles = uint32_t(code) & kFieldBits;
    visitAll(singles & kNotRightColumn & free >> 1, 1, 0);
    visitAll(singles & free << 4, -4, 0);
    visitAll(singles & kNotLeftColumn & free << 1, -1, 0);
    visitAll(singles & free >> 4, 4, 0);

    const uint32_t tops = uint32_t(code >> kTopsShift) & kFieldBits;
    visitAll(tops & kNotRightColumn & free >> 1 & free >> 5, 1, kTopsShift);
    visitAll(tops & free << 4, -4, kTopsShift);
    visitAll(tops & kNotLeftColumn & free << 1 & free >> 3, -1, kTopsShift);
    visitAll(tops & free >> 8, 4, kTopsShift);

    const uint32_t blocked = occupied | kBlocked;
    const int d = int(code >> kDShift) & 31;
    for (int k = 0; k < 4; ++k)
        if (!(kStepNeeds.need[2][d][k] & blocked))
            visit(StepCode(code, 2, d, k));
    const int x = int(code >> kXShift) & 31;
    for (int k = 0; k < 4; ++k)
        if (!(kStepNeeds.need[4][x][k] & blocked))
            visit(StepCode(code, 4, x, k));
}

} // namespace

TenBlockTable::TenBlockTable() : frameSlots_(kFrameSlotMask + 1, 0) {
    using namespace detail;
    // Every frame: X, then D, then the four 1 x 2 blocks by their top fields
    // in ascending order, none overlapping; six fields stay free.
    constexpr uint32_t kTopFields = 0xFFFF; // a 1 x 2 block's top is in rows 0..3
    auto addTops = [&](auto& self, uint64_t frame, uint32_t occupied, int from, int left) -> void {
        if (left == 0) {
            const uint16_t number = uint16_t(frameCodes_.size() + 1);
            size_t slot = FrameSlotOf(frame);
            while (frameSlots_[slot] != 0)
                slot = (slot + 1) & kFrameSlotMask;
            frameSlots_[slot] = number;
            frameCodes_.push_back(frame);
            frameFree_.push_back(~occupied & kFieldBits);
            return;
        }
        for (int t = from; t < kFields; ++t) {
            const uint32_t mask = shapeTable[3].mask << t;
            if ((kTopFields >> t & 1) && !(mask & occupied))
                self(self, frame | uint64_t(1) << (t + kTopsShift), occupied | mask, t + 1, left - 1);
        }
    };
    for (int x = 0; x < kFields; ++x) {
        if (x % kColumns > 2 || x / kColumns > 3)
            continue;
        const uint32_t xMask = shapeTable[4].mask << x;
        for (int d = 0; d < kFields; ++d) {
            const uint32_t dMask = shapeTable[2].mask << d;
            if (d % kColumns > 2 || (dMask & xMask))
                continue;
            addTops(addTops, uint64_t(x) << kXShift | uint64_t(d) << kDShift, xMask | dMask, 0, 4);
        }
    }
    const size_t count = frameCodes_.size() * kChoices;

    // The steps between positions, found once and walked twice. A step
    // enters one of the two free fields from one of its four sides, so a
    // position has at most eight. A step of a 1 x 1 block keeps the frame.
    std::vector<uint32_t> firstEdge(count + 1);
    const auto edges = std::make_unique_for_overwrite<uint32_t[]>(count * 8);
    uint32_t* edge = edges.get();
    for (size_t i = 0; i < count; ++i) {
        firstEdge[i] = uint32_t(edge - edges.get());
        const uint64_t code = codeAt(int(i));
        const int frame = int(i / kChoices);
        ForEachStep(code, [&](uint64_t next) {
            *edge++ =
                uint32_t(((next ^ code) & ~uint64_t(kFieldBits)) == 0 ? indexIn(frame, next) : indexOf(next));
        });
    }
    firstEdge[count] = uint32_t(edge - edges.get());

    std::vector<uint32_t> queue(count);
    family_.assign(count, kNoFamily);
    for (size_t seed = 0; seed < count; ++seed) {
        if (family_[seed] != kNoFamily)
            continue;
        const uint16_t family = uint16_t(familySizes_.size());
        size_t tail = 0;
        queue[tail++] = uint32_t(seed);
        family_[seed] = family;
        for (size_t head = 0; head < tail; ++head)
            for (uint32_t e = firstEdge[queue[head]]; e < firstEdge[queue[head] + 1]; ++e)
                if (family_[edges[e]] == kNoFamily) {
                    family_[edges[e]] = family;
                    queue[tail++] = edges[e];
                }
        familySizes_.push_back(int32_t(tail));
    }

    // Distances from all goal positions at once; every step can be taken
    // back, so a step away from a position is also a step towards it.
    distances_.assign(count, kUnset);
    size_t tail = 0;
    for (size_t frame = 0; frame < frameCodes_.size(); ++frame)
        if (IsGoalCode(frameCodes_[frame]))
            for (int c = 0; c < kChoices; ++c) {
                const uint32_t i = uint32_t(frame * kChoices + size_t(c));
                distances_[i] = 0;
                queue[tail++] = i;
            }
    for (size_t head = 0; head < tail; ++head) {
        const uint32_t from = queue[head];
        const uint8_t next = uint8_t(distances_[from] + 1);
        if (firstAt_.size() <= distances_[from])
            firstAt_.push_back(uint32_t(head));
        for (uint32_t e = firstEdge[from]; e < firstEdge[from + 1]; ++e)
            if (distances_[edges[e]] == kUnset) {
                distances_[edges[e]] = next;
                queue[tail++] = edges[e];
            }
    }
    firstAt_.push_back(uint32_t(tail));
    byDistance_.assign(queue.begin(), queue.begin() + ptrdiff_t(tail));
}

int TenBlockTable::indexOf(uint64_t code) const {
    const uint64_t frameCode = code & ~uint64_t(kFieldBits);
    for (size_t slot = FrameSlotOf(frameCode);; slot = (slot + 1) & kFrameSlotMask) {
        if (frameSlots_[slot] == 0)
            return -1;
        if (frameCodes_[frameSlots_[slot] - 1u] == frameCode)
            return indexIn(frameSlots_[slot] - 1, code);
    }
}

int TenBlockTable::indexIn(int frame, uint64_t code) const {
    const uint32_t singles = uint32_t(code) & kFieldBits;
    uint32_t free = frameFree_[size_t(frame)];
    if (singles & ~free)
        return -1;
    unsigned pattern = 0;
    for (unsigned bit = 1; free != 0; free &= free - 1, bit <<= 1)
        if (singles & free & -free)
            pattern |= bit;
    const uint8_t rank = kChoiceTable.rank[pattern];
    return rank == kUnset ? -1 : frame * kChoices + rank;
}

uint64_t TenBlockTable::codeAt(int index) const {
    const size_t frame = size_t(index / kChoices);
    const unsigned pattern = kChoiceTable.pattern[index % kChoices];
    uint64_t code = frameCodes_[frame];
    uint32_t free = frameFree_[frame];
    for (unsigned bit = 1; free != 0; free &= free - 1, bit <<= 1)
        if (pattern & bit)
            code |= free & -free;
    return code;
}

int TenBlockTable::distanceOf(uint64_t code) const {
    const int i = indexOf(code);
    return i < 0 || distances_[size_t(i)] == kUnset ? kNoDistance : distances_[size_t(i)];
}

int TenBlockTable::Distance(const Block (&table)[kBlocks + 1]) const {
    if (!detail::IsValidTable(table))
        return kNoDistance;
    return distanceOf(detail::CodeOf(table));
}

int TenBlockTable::FamilySize(const Block (&table)[kBlocks + 1]) const {
    if (!detail::IsValidTable(table))
        return 0;
    return familySizes_[family_[size_t(indexOf(detail::CodeOf(table)))]];
}

int TenBlockTable::CountAt(int distance) const {
    if (distance < 0 || distance > MaxDistance())
        return 0;
    return int(firstAt_[size_t(distance) + 1] - firstAt_[size_t(distance)]);
}

bool TenBlockTable::PositionAt(int distance, int n, Block (&table)[kBlocks + 1]) const {
    if (n < 0 || n >= CountAt(distance))
        return false;
    detail::TableOf(codeAt(int(byDistance_[firstAt_[size_t(distance)] + size_t(n)])), table);
    return true;
}

size_t TenBlockTable::memoryBytes() const {
    return sizeof(*this) + frameCodes_.capacity() * sizeof(uint64_t) +
           frameFree_.capacity() * sizeof(uint32_t) + frameSlots_.capacity() * sizeof(uint16_t) +
           distances_.capacity() * sizeof(uint8_t) + family_.capacity() * sizeof(uint16_t) +
           familySizes_.capacity() * sizeof(int32_t) + byDistance_.capacity() * sizeof(uint32_t) +
           firstAt_.capacity() * sizeof(uint32_t);
}

} // namespace trulp
