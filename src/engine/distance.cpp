#include "distance.h"

#include <algorithm>
#include <numeric>

namespace trulp {

namespace {

__extension__ typedef unsigned __int128 Wide;

// Binomial coefficients, capped where they leave 64 bits (such a puzzle is
// refused before any is used).
struct Binomials {
    uint64_t c[kMaxFields + 1][kMaxPieces + 1];
    Binomials() {
        for (int n = 0; n <= kMaxFields; ++n)
            for (int k = 0; k <= kMaxPieces; ++k) {
                if (k == 0)
                    c[n][k] = 1;
                else if (n == 0)
                    c[n][k] = 0;
                else {
                    const Wide sum = Wide(c[n - 1][k - 1]) + c[n - 1][k];
                    c[n][k] = sum > ~uint64_t(0) ? ~uint64_t(0) : uint64_t(sum);
                }
            }
    }
};
const Binomials kBinomials;

uint64_t Binomial(int n, int k) {
    return n < 0 || k < 0 ? 0 : kBinomials.c[n][k];
}

// The codes found so far, by code: an open-addressing set of their numbers.
class CodeIndex {
public:
    explicit CodeIndex(const std::vector<uint64_t>& codes) : codes_(codes) { resize(16); }

    int find(uint64_t code) const {
        for (size_t s = slotOf(code);; s = (s + 1) & mask_) {
            const uint32_t v = slots_[s];
            if (v == 0)
                return -1;
            if (codes_[v - 1] == code)
                return int(v - 1);
        }
    }
    // Adds the code last pushed to the codes unless it is there already.
    bool insertLast() {
        const uint64_t code = codes_.back();
        size_t s = slotOf(code);
        for (;; s = (s + 1) & mask_) {
            const uint32_t v = slots_[s];
            if (v == 0)
                break;
            if (codes_[v - 1] == code)
                return false;
        }
        slots_[s] = uint32_t(codes_.size());
        if (codes_.size() * 2 > slots_.size())
            resize(bits_ + 1);
        return true;
    }
    size_t bytes() const { return slots_.capacity() * sizeof(uint32_t); }

private:
    size_t slotOf(uint64_t code) const {
        code ^= code >> 31;
        code *= 0x9E3779B97F4A7C15ull;
        return size_t(code >> (64 - bits_));
    }
    void resize(int bits) {
        bits_ = bits;
        mask_ = (size_t(1) << bits) - 1;
        slots_.assign(size_t(1) << bits, 0);
        for (size_t i = 0; i < codes_.size(); ++i) {
            size_t s = slotOf(codes_[i]);
            while (slots_[s] != 0)
                s = (s + 1) & mask_;
            slots_[s] = uint32_t(i + 1);
        }
    }

    const std::vector<uint64_t>& codes_;
    std::vector<uint32_t> slots_;
    int bits_ = 0;
    size_t mask_ = 0;
};

// A position taken out of its code, with the steps and piece moves it has.
class Expander {
public:
    Expander(const PuzzleDef& def, const PositionCoder& coder) : def_(def), coder_(coder) {}

    void load(uint64_t code) {
        code_ = code;
        coder_.Decode(code, anchors_);
        solid_ = def_.walls();
        for (int p = 1; p <= def_.pieceCount(); ++p)
            solid_ |= def_.Place(def_.piece(p).shape, anchors_[p]);
    }
    bool goal() const {
        for (uint8_t p : def_.goalPieces())
            if (anchors_[p] != def_.piece(p).goal)
                return false;
        return true;
    }
    // Each single-field step: visit(code after it).
    template <class Visit> void steps(Visit&& visit) const {
        for (int p = 1; p <= def_.pieceCount(); ++p) {
            const FieldSet* enter = def_.Enter(def_.piece(p).shape, anchors_[p]);
            for (int k = 0; k < 4; ++k)
                if ((enter[k] & (solid_ | kOffBoard)) == 0)
                    visit(coder_.Moved(code_, anchors_, p, def_.StepField(anchors_[p], 1u << k)));
        }
    }
    // Each place a piece can reach along free fields, in one piece move.
    template <class Visit> void pieceMoves(Visit&& visit) const {
        for (int p = 1; p <= def_.pieceCount(); ++p) {
            const int shape = def_.piece(p).shape;
            const FieldSet others = (solid_ & ~def_.Place(shape, anchors_[p])) | kOffBoard;
            FieldSet seen = FieldBit(anchors_[p]);
            uint8_t stack[kMaxFields];
            int top = 0;
            stack[top++] = anchors_[p];
            while (top > 0) {
                const int at = stack[--top];
                const FieldSet* enter = def_.Enter(shape, at);
                for (int k = 0; k < 4; ++k) {
                    // The piece's own fields where it started are free to it.
                    if ((enter[k] & others) != 0)
                        continue;
                    const int to = def_.StepField(at, 1u << k);
                    if (seen & FieldBit(to))
                        continue;
                    seen |= FieldBit(to);
                    stack[top++] = uint8_t(to);
                    visit(coder_.Moved(code_, anchors_, p, to));
                }
            }
        }
    }

private:
    const PuzzleDef& def_;
    const PositionCoder& coder_;
    uint64_t code_ = 0;
    uint8_t anchors_[kMaxPieces + 1] = {};
    FieldSet solid_ = 0;
};

} // namespace

bool PositionCoder::Init(const PuzzleDef& def) {
    def_ = &def;
    kinds_.assign(size_t(def.kindCount()), Kind{});
    for (int p = 1; p <= def.pieceCount(); ++p) {
        Kind& k = kinds_[def.piece(p).kind];
        k.pieces[k.count++] = uint8_t(p);
    }
    Wide size = 1;
    for (Kind& k : kinds_) {
        const int shape = def.piece(k.pieces[0]).shape;
        std::fill(std::begin(k.indexOf), std::end(k.indexOf), uint8_t(0xFF));
        for (int f = 0; f < def.fields(); ++f) {
            const FieldSet m = def.Place(shape, f);
            if (m != 0 && (m & def.walls()) == 0) {
                k.indexOf[f] = uint8_t(k.fields.size());
                k.fields.push_back(uint8_t(f));
            }
        }
        k.radix = Binomial(int(k.fields.size()), k.count);
        k.weight = uint64_t(size);
        size *= k.radix;
        if (k.radix == 0 || k.radix == ~uint64_t(0) || size >= Wide(~uint64_t(0)))
            return false;
    }
    size_ = uint64_t(size);
    return true;
}

uint64_t PositionCoder::rankOf(const Kind& k, const uint8_t* anchors, int piece, int to) const {
    if (k.count == 1)
        return k.indexOf[k.pieces[0] == piece ? to : anchors[k.pieces[0]]];
    uint8_t index[kMaxPieces];
    for (int i = 0; i < k.count; ++i)
        index[i] = k.indexOf[k.pieces[i] == piece ? to : anchors[k.pieces[i]]];
    std::sort(index, index + k.count);
    uint64_t rank = 0;
    for (int i = 0; i < k.count; ++i)
        rank += Binomial(index[i], i + 1);
    return rank;
}

uint64_t PositionCoder::Encode(const Board& board) const {
    uint64_t code = 0;
    for (const Kind& k : kinds_)
        code += rankOf(k, board.anchors(), 0, 0) * k.weight;
    return code;
}

void PositionCoder::Decode(uint64_t code, uint8_t* anchors) const {
    for (const Kind& k : kinds_) {
        uint64_t rank = (code / k.weight) % k.radix;
        if (k.count == 1) {
            anchors[k.pieces[0]] = k.fields[rank];
            continue;
        }
        int a = int(k.fields.size());
        for (int j = k.count; j >= 1; --j) {
            do
                --a;
            while (Binomial(a, j) > rank);
            rank -= Binomial(a, j);
            anchors[k.pieces[j - 1]] = k.fields[size_t(a)];
        }
    }
}

uint64_t PositionCoder::Moved(uint64_t code, const uint8_t* anchors, int piece, int to) const {
    const Kind& k = kinds_[def_->piece(piece).kind];
    if (k.count == 1)
        return code + (uint64_t(k.indexOf[to]) - k.indexOf[anchors[piece]]) * k.weight;
    return code + (rankOf(k, anchors, piece, to) - rankOf(k, anchors, 0, 0)) * k.weight;
}

std::shared_ptr<const DistanceTable> DistanceTable::Build(std::shared_ptr<const PuzzleDef> def,
                                                          const Board& from,
                                                          const std::function<void(int64_t)>& progress,
                                                          const std::atomic<bool>* cancel) {
    auto table = std::make_shared<DistanceTable>();
    table->def_ = std::move(def);
    const PuzzleDef& d = *table->def_;
    if (!table->coder_.Init(d)) {
        table->status_ = Status::Uncountable;
        return table;
    }
    const auto stopped = [&] { return cancel != nullptr && cancel->load(std::memory_order_relaxed); };

    // Every position reachable from the start, in the order found.
    std::vector<uint64_t> codes{table->coder_.Encode(Board(d, from.anchors()))};
    CodeIndex index(codes);
    index.insertLast();
    std::vector<uint32_t> goals;
    Expander at(d, table->coder_);
    for (size_t head = 0; head < codes.size(); ++head) {
        if ((head & 0xFFFF) == 0) {
            if (stopped()) {
                table->status_ = Status::Cancelled;
                return table;
            }
            if (progress)
                progress(int64_t(codes.size()));
        }
        at.load(codes[head]);
        if (at.goal())
            goals.push_back(uint32_t(head));
        at.steps([&](uint64_t next) {
            codes.push_back(next);
            if (!index.insertLast())
                codes.pop_back();
        });
        if (int64_t(codes.size()) > kPositionBound) {
            table->status_ = Status::TooLarge;
            return table;
        }
    }

    // Distances from the goals: every step and every piece move can be
    // taken back, so a way from the goal is a way to it.
    const size_t count = codes.size();
    std::vector<uint16_t> moves(count, 0xFFFF), pieceMoves(count, 0xFFFF);
    std::vector<uint32_t> queue(count);
    for (int metric = 0; metric < 2; ++metric) {
        std::vector<uint16_t>& distance = metric == 0 ? moves : pieceMoves;
        size_t tail = 0;
        for (uint32_t g : goals) {
            distance[g] = 0;
            queue[tail++] = g;
        }
        for (size_t head = 0; head < tail; ++head) {
            if ((head & 0xFFFF) == 0 && stopped()) {
                table->status_ = Status::Cancelled;
                return table;
            }
            const uint32_t i = queue[head];
            at.load(codes[i]);
            const auto reach = [&](uint64_t next) {
                const int j = index.find(next);
                if (j >= 0 && distance[size_t(j)] == 0xFFFF) {
                    distance[size_t(j)] = uint16_t(distance[i] + 1);
                    queue[tail++] = uint32_t(j);
                }
            };
            if (metric == 0)
                at.steps(reach);
            else
                at.pieceMoves(reach);
        }
    }

    // Kept sorted by code: twelve bytes a position, found by halving.
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return codes[a] < codes[b]; });
    table->codes_.resize(count);
    table->moves_.resize(count);
    table->pieceMoves_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        table->codes_[i] = codes[order[i]];
        table->moves_[i] = moves[order[i]];
        table->pieceMoves_[i] = pieceMoves[order[i]];
    }
    if (progress)
        progress(int64_t(count));
    return table;
}

int DistanceTable::indexOf(uint64_t code) const {
    const auto it = std::lower_bound(codes_.begin(), codes_.end(), code);
    return it == codes_.end() || *it != code ? -1 : int(it - codes_.begin());
}

DistanceTable::Reach DistanceTable::Find(const Board& board) const {
    if (!known() || (&board.def() != def_.get() && !board.def().SameRules(*def_)))
        return {};
    const int i = indexOf(coder_.Encode(board));
    if (i < 0)
        return {};
    const auto value = [](uint16_t d) { return d == 0xFFFF ? kNoDistance : int(d); };
    return {true, value(moves_[size_t(i)]), value(pieceMoves_[size_t(i)])};
}

FieldSet DistanceTable::BestMoves(const Board& board) const {
    const int distance = Distance(board);
    if (distance <= 0)
        return 0;
    FieldSet best = 0;
    for (int p = 1; p <= board.def().pieceCount(); ++p) {
        const uint8_t open = board.PossibleDirections(p);
        for (unsigned d = Right; d <= Down; d <<= 1) {
            if (!(open & d))
                continue;
            Board next = board;
            next.ApplyStep(p, d);
            if (Distance(next) == distance - 1)
                best |= StepBit(p, d);
        }
    }
    return best;
}

MoveRecord DistanceTable::BestMove(const Board& board) const {
    const FieldSet best = BestMoves(board);
    if (best == 0)
        return {0, 0, 0};
    const int bit = LowestField(best);
    return {uint8_t(bit / 4 + 1), uint8_t(1u << (bit % 4)), 0};
}

std::vector<MoveRecord> DistanceTable::ShortestLine(const Board& board) const {
    std::vector<MoveRecord> line;
    const int distance = Distance(board);
    if (distance <= 0)
        return line;
    Board real = board;
    line.reserve(size_t(distance));
    for (int left = distance; left > 0; --left) {
        // The same position with alike pieces numbered by field.
        uint8_t plain[kMaxPieces + 1] = {};
        coder_.Decode(coder_.Encode(real), plain);
        const Board canonical(real.def(), plain);
        const MoveRecord m = BestMove(canonical);
        if (m.block == 0)
            break;
        const int kind = real.def().piece(m.block).kind;
        for (int p = 1; p <= real.def().pieceCount(); ++p)
            if (real.def().piece(p).kind == kind && real.anchor(p) == plain[m.block]) {
                real.ApplyStep(p, m.direction);
                line.push_back({uint8_t(p), m.direction, 0});
                break;
            }
    }
    if (line.size() != size_t(distance) || !real.GoalReached())
        line.clear(); // cannot happen for a table that agrees with itself
    return line;
}

size_t DistanceTable::memoryBytes() const {
    return sizeof(*this) + codes_.capacity() * sizeof(uint64_t) + moves_.capacity() * sizeof(uint16_t) +
           pieceMoves_.capacity() * sizeof(uint16_t);
}

} // namespace trulp
