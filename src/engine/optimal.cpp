#include "optimal.h"

#include <algorithm>
#include <cstdint>

namespace trulp {

namespace {

// A position in 50 bits: the 1 x 1 blocks' fields (bits 0..19), the top
// squares of the 1 x 2 blocks (bits 20..39), D's field (40..44) and X's field
// (45..49). Like the board key it does not say which block of a shape is where.
constexpr int kTopsShift = 20;
constexpr int kDShift = 40;
constexpr int kXShift = 45;
constexpr uint64_t kNoCode = ~uint64_t(0);

constexpr int kStepDelta[4] = {1, -4, -1, 4}; // right, up, left, down

uint64_t CodeOf(const Block (&table)[kBlocks + 1]) {
    uint64_t code = 0;
    for (int b = 1; b <= kBlocks; ++b) {
        const uint64_t f = table[b].field;
        switch (table[b].shape) {
        case 1:
            code |= uint64_t(1) << f;
            break;
        case 2:
            code |= f << kDShift;
            break;
        case 3:
            code |= uint64_t(1) << (f + kTopsShift);
            break;
        default:
            code |= f << kXShift;
            break;
        }
    }
    return code;
}

uint32_t Occupied(uint64_t code) {
    const uint32_t singles = uint32_t(code) & kFieldBits;
    const uint32_t tops = uint32_t(code >> kTopsShift) & kFieldBits;
    const unsigned d = unsigned(code >> kDShift) & 31;
    const unsigned x = unsigned(code >> kXShift) & 31;
    return singles | tops | tops << 4 | shapeTable[2].mask << d | shapeTable[4].mask << x;
}

bool IsGoal(uint64_t code) {
    return (unsigned(code >> kXShift) & 31) == unsigned(kGoalField);
}

// Only a real board of this puzzle can be coded: every block with its own
// shape, inside the board, no two on one field.
bool ValidTable(const Block (&table)[kBlocks + 1]) {
    uint32_t occupied = 0;
    for (int b = 1; b <= kBlocks; ++b) {
        const Block& k = table[b];
        if (k.shape != startTable[b].shape || k.field >= kFields)
            return false;
        const BlockShape& s = shapeTable[k.shape];
        if (k.field % kColumns + s.width > kColumns || k.field / kColumns + s.height > kRows)
            return false;
        const uint32_t mask = s.mask << k.field;
        if (mask & occupied)
            return false;
        occupied |= mask;
    }
    return true;
}

// Open addressing over codes, kept at most a quarter full: short probe runs
// pay for the larger table.
class CodeSet {
public:
    explicit CodeSet(int bits) { resize(bits); }

    // True when the code was new.
    bool insert(uint64_t code) {
        if (4 * (count_ + 1) > slots_.size())
            resize(bits_ + 1);
        for (size_t i = slotOf(code);; i = (i + 1) & mask_) {
            if (slots_[i] == code)
                return false;
            if (slots_[i] == kNoCode) {
                slots_[i] = code;
                ++count_;
                return true;
            }
        }
    }

private:
    size_t slotOf(uint64_t code) const { return size_t((code * 0x9E3779B97F4A7C15ull) >> (64 - bits_)); }
    void resize(int bits) {
        std::vector<uint64_t> old;
        old.swap(slots_);
        bits_ = bits;
        slots_.assign(size_t(1) << bits, kNoCode);
        mask_ = slots_.size() - 1;
        count_ = 0;
        for (uint64_t c : old)
            if (c != kNoCode)
                insert(c);
    }

    std::vector<uint64_t> slots_;
    size_t mask_ = 0;
    size_t count_ = 0;
    int bits_ = 0;
};

// The line is replayed on the real blocks so that it names real block
// numbers: at each step, the first block and direction whose step gives the
// next code.
std::vector<MoveRecord> LineOf(const Block (&start)[kBlocks + 1], const std::vector<uint64_t>& codes) {
    Block table[kBlocks + 1];
    std::copy(start, start + kBlocks + 1, table);
    std::vector<MoveRecord> line;
    line.reserve(codes.size());
    for (size_t i = 1; i < codes.size(); ++i) {
        const uint32_t occupied = Occupied(codes[i - 1]) | detail::kBlocked;
        bool found = false;
        for (int b = 1; b <= kBlocks && !found; ++b) {
            Block& k = table[b];
            for (int dir = 0; dir < 4 && !found; ++dir) {
                if (detail::kStepNeeds.need[k.shape][k.field][dir] & occupied)
                    continue;
                const uint8_t old = k.field;
                k.field = uint8_t(old + kStepDelta[dir]);
                if (CodeOf(table) == codes[i]) {
                    line.push_back({uint8_t(b), uint8_t(1u << dir), 0});
                    found = true;
                } else {
                    k.field = old;
                }
            }
        }
        if (!found)
            return {}; // cannot happen for codes produced by the search
    }
    return line;
}

} // namespace

OptimalResult SolveOptimal(const Block (&table)[kBlocks + 1]) {
    OptimalResult result;
    if (!ValidTable(table))
        return result;

    // From the start position 25,955 positions are reachable.
    std::vector<uint64_t> queue;
    std::vector<int32_t> parent;
    queue.reserve(1 << 15);
    parent.reserve(1 << 15);
    CodeSet seen(17);

    const uint64_t root = CodeOf(table);
    queue.push_back(root);
    parent.push_back(-1);
    seen.insert(root);
    int32_t goal = IsGoal(root) ? 0 : -1;

    auto visit = [&](uint64_t next, size_t from) {
        if (!seen.insert(next))
            return;
        if (goal < 0 && IsGoal(next))
            goal = int32_t(queue.size());
        queue.push_back(next);
        parent.push_back(int32_t(from));
    };
    // Steps of all blocks of one kind at once: bit f of a set stands for a
    // block whose top-left square f can step, and the step XORs the bits of
    // its old and new square in that kind's part of the code.
    auto visitAll = [&](uint32_t from, int delta, int shift, uint64_t code, size_t head) {
        for (; from; from &= from - 1) {
            const int f = __builtin_ctz(from);
            visit(code ^ (uint64_t(1) << f | uint64_t(1) << (f + delta)) << shift, head);
        }
    };
    constexpr uint32_t kNotLeftColumn = 0xEEEEE;
    constexpr uint32_t kNotRightColumn = 0x77777;

    for (size_t head = 0; head < queue.size(); ++head) {
        const uint64_t code = queue[head];
        const uint32_t occupied = Occupied(code);
        const uint32_t free = ~occupied & kFieldBits;

        const uint32_t singles = uint32_t(code) & kFieldBits;
        visitAll(singles & kNotRightColumn & free >> 1, 1, 0, code, head);
        visitAll(singles & free << 4, -4, 0, code, head);
        visitAll(singles & kNotLeftColumn & free << 1, -1, 0, code, head);
        visitAll(singles & free >> 4, 4, 0, code, head);

        const uint32_t tops = uint32_t(code >> kTopsShift) & kFieldBits;
        visitAll(tops & kNotRightColumn & free >> 1 & free >> 5, 1, kTopsShift, code, head);
        visitAll(tops & free << 4, -4, kTopsShift, code, head);
        visitAll(tops & kNotLeftColumn & free << 1 & free >> 3, -1, kTopsShift, code, head);
        visitAll(tops & free >> 8, 4, kTopsShift, code, head);

        const uint32_t blocked = occupied | detail::kBlocked;
        const int d = int(code >> kDShift) & 31;
        for (int dir = 0; dir < 4; ++dir)
            if (!(detail::kStepNeeds.need[2][d][dir] & blocked))
                visit(code ^ uint64_t(d ^ (d + kStepDelta[dir])) << kDShift, head);
        const int x = int(code >> kXShift) & 31;
        for (int dir = 0; dir < 4; ++dir)
            if (!(detail::kStepNeeds.need[4][x][dir] & blocked))
                visit(code ^ uint64_t(x ^ (x + kStepDelta[dir])) << kXShift, head);
    }

    result.positions = int(queue.size());
    if (goal < 0)
        return result;
    std::vector<uint64_t> codes;
    for (int32_t i = goal; i >= 0; i = parent[size_t(i)])
        codes.push_back(queue[size_t(i)]);
    std::reverse(codes.begin(), codes.end());
    result.line = LineOf(table, codes);
    result.solved = result.line.size() + 1 == codes.size();
    return result;
}

} // namespace trulp
