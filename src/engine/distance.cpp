#include "distance.h"

#include "position.h"
#include "position_code.h"

#include <algorithm>

namespace trulp {

using detail::kNoCode;

namespace {

// 25,955 positions fill 40% of the slots: probe runs stay short, for codes
// that are missing too.
constexpr int kSlotBits = 16;
constexpr size_t kSlots = size_t(1) << kSlotBits;
constexpr size_t kSlotMask = kSlots - 1;
constexpr uint8_t kUnset = 0xFF; // distances stay far below it

size_t SlotOf(uint64_t code) {
    return size_t((code * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
}

// Calls visit(next) with the code after each step that can be made. Steps of
// all blocks of one kind at once: bit f of a set stands for a block whose
// top-left square f can step, and the step XORs the bits of its old and new
// square in that kind's part of the code.
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

DistanceTable::DistanceTable() : codes_(kSlots, kNoCode), distances_(kSlots, kUnset) {
    // First every position reachable from the start, numbered in the order
    // found, with the steps between them; then the distances by a search from
    // all goal positions at once over those steps, which can all be taken back.
    std::vector<uint16_t> slotOf;
    std::vector<uint16_t> indexOf(kSlots);
    std::vector<uint32_t> firstEdge;
    std::vector<uint16_t> edges;
    slotOf.reserve(1 << 15);
    firstEdge.reserve(1 << 15);
    edges.reserve(1 << 17);

    auto add = [&](uint64_t code) {
        for (size_t i = SlotOf(code);; i = (i + 1) & kSlotMask) {
            if (codes_[i] == code)
                return indexOf[i];
            if (codes_[i] == kNoCode) {
                codes_[i] = code;
                indexOf[i] = uint16_t(slotOf.size());
                slotOf.push_back(uint16_t(i));
                return indexOf[i];
            }
        }
    };
    add(detail::CodeOf(startTable));
    for (size_t head = 0; head < slotOf.size(); ++head) {
        firstEdge.push_back(uint32_t(edges.size()));
        ForEachStep(codes_[slotOf[head]], [&](uint64_t next) { edges.push_back(add(next)); });
    }
    firstEdge.push_back(uint32_t(edges.size()));
    count_ = int(slotOf.size());

    // Distances by number first: that array is small enough to stay in the
    // nearest cache while the search jumps about in it.
    std::vector<uint8_t> distance(slotOf.size(), kUnset);
    std::vector<uint16_t> queue;
    queue.reserve(slotOf.size());
    for (size_t i = 0; i < slotOf.size(); ++i)
        if (detail::IsGoalCode(codes_[slotOf[i]])) {
            distance[i] = 0;
            queue.push_back(uint16_t(i));
        }
    for (size_t head = 0; head < queue.size(); ++head) {
        const uint16_t from = queue[head];
        const uint8_t next = uint8_t(distance[from] + 1);
        for (uint32_t e = firstEdge[from]; e < firstEdge[from + 1u]; ++e)
            if (distance[edges[e]] == kUnset) {
                distance[edges[e]] = next;
                queue.push_back(edges[e]);
            }
    }
    for (size_t i = 0; i < slotOf.size(); ++i)
        distances_[slotOf[i]] = distance[i];
}

const DistanceTable& DistanceTable::Shared() {
    static const DistanceTable table;
    return table;
}

int DistanceTable::distanceOf(uint64_t code) const {
    for (size_t i = SlotOf(code);; i = (i + 1) & kSlotMask) {
        if (codes_[i] == code)
            return distances_[i];
        if (codes_[i] == kNoCode)
            return kNoDistance;
    }
}

int DistanceTable::Distance(const Block (&table)[kBlocks + 1]) const {
    if (!detail::IsValidTable(table))
        return kNoDistance;
    return distanceOf(detail::CodeOf(table));
}

uint64_t DistanceTable::BestMoves(const Block (&table)[kBlocks + 1]) const {
    if (!detail::IsValidTable(table))
        return 0;
    const uint64_t code = detail::CodeOf(table);
    const int distance = distanceOf(code);
    if (distance <= 0)
        return 0;
    const uint32_t blocked = detail::OccupiedOf(code) | detail::kBlocked;
    uint64_t best = 0;
    for (int b = 1; b <= kBlocks; ++b) {
        const Block& k = table[b];
        for (int dir = 0; dir < 4; ++dir)
            if (!(detail::kStepNeeds.need[k.shape][k.field][dir] & blocked) &&
                distanceOf(detail::StepCode(code, k.shape, k.field, dir)) == distance - 1)
                best |= StepBit(b, 1u << dir);
    }
    return best;
}

MoveRecord DistanceTable::BestMove(const Block (&table)[kBlocks + 1]) const {
    const uint64_t best = BestMoves(table);
    if (best == 0)
        return {0, 0, 0};
    const int bit = __builtin_ctzll(best);
    return {uint8_t(bit / 4 + 1), uint8_t(1u << (bit % 4)), 0};
}

int DistanceTable::LineDistances(const MoveRecord* list, int count, int (&out)[kMaxMoves + 1]) const {
    Board board;
    out[0] = Distance(board.blockTable);
    count = std::clamp(count, 0, int(kMaxMoves));
    for (int n = 1; n <= count; ++n) {
        const MoveRecord& m = list[n];
        if (m.block < 1 || m.block > kBlocks || !IsDirection(m.direction) ||
            !(board.PossibleDirections(m.block) & m.direction))
            return n - 1;
        board.ApplyStep(m.block, m.direction);
        out[n] = Distance(board.blockTable);
    }
    return count;
}

size_t DistanceTable::memoryBytes() const {
    return sizeof(*this) + codes_.capacity() * sizeof(uint64_t) + distances_.capacity() * sizeof(uint8_t);
}

} // namespace trulp
