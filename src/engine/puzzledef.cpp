#include "puzzledef.h"

#include "tenblock.h"

#include <algorithm>

namespace trulp {

namespace {

constexpr std::string_view kTenBlockOrder = "AXBCDEFGHI";

struct Normalised {
    ShapeDef shape;
    int anchor = 0;
};

Normalised Normalise(FieldSet cells, int columns) {
    int top = kMaxSide, left = kMaxSide, bottom = -1, right = -1;
    ForEachField(cells, [&](int f) {
        top = std::min(top, f / columns);
        bottom = std::max(bottom, f / columns);
        left = std::min(left, f % columns);
        right = std::max(right, f % columns);
    });
    Normalised n;
    if (bottom < 0)
        return n;
    n.anchor = top * columns + left;
    n.shape.width = uint8_t(right - left + 1);
    n.shape.height = uint8_t(bottom - top + 1);
    ForEachField(cells, [&](int f) {
        n.shape.rows[f / columns - top] |= uint16_t(1u << (f % columns - left));
        ++n.shape.size;
    });
    return n;
}

// The classic family: ten blocks A to I and X of the classic's shapes on a
// bare 4 x 5 board, with X, and only X, to go to field 13.
bool IsTenBlock(const PuzzleDraft& d) {
    if (d.columns != kColumns || d.rows != kRows || d.walls != 0 || d.pieces.size() != size_t(kBlocks))
        return false;
    for (const PuzzleDraft::Piece& p : d.pieces) {
        const size_t at = kTenBlockOrder.find(p.letter);
        if (at == std::string_view::npos)
            return false;
        const BlockShape& want = shapeTable[startTable[at + 1].shape];
        const Normalised n = Normalise(p.start, d.columns);
        if (n.shape.width != want.width || n.shape.height != want.height || !n.shape.rectangle())
            return false;
        const bool isX = p.letter == 'X';
        if (isX != (p.goal != 0) || (isX && Normalise(p.goal, d.columns).anchor != kGoalField))
            return false;
    }
    return true;
}

} // namespace

const PuzzleDef& PuzzleDef::Classic() {
    static const PuzzleDef classic = [] {
        PuzzleDraft d;
        d.name = "classic";
        d.columns = kColumns;
        d.rows = kRows;
        for (int b = 1; b <= kBlocks; ++b) {
            const Block& k = startTable[b];
            const BlockShape& s = shapeTable[k.shape];
            PuzzleDraft::Piece p;
            p.letter = k.letter;
            for (int dy = 0; dy < s.height; ++dy)
                for (int dx = 0; dx < s.width; ++dx)
                    p.start |= FieldBit(k.field + dy * kColumns + dx);
            if (b == kXBlock)
                p.goal = (p.start >> k.field) << kGoalField;
            d.pieces.push_back(p);
        }
        return Make(d);
    }();
    return classic;
}

PuzzleDef PuzzleDef::Make(const PuzzleDraft& d) {
    PuzzleDef def{Blank{}};
    def.name_ = d.name;
    def.by_ = d.by;
    def.note_ = d.note;
    def.columns_ = d.columns;
    def.rows_ = d.rows;
    def.walls_ = d.walls;
    def.tenBlock_ = IsTenBlock(d);

    // Numbered by letter; the classic's blocks in their own order.
    std::vector<const PuzzleDraft::Piece*> order;
    for (const PuzzleDraft::Piece& p : d.pieces)
        order.push_back(&p);
    const auto rank = [&def](char letter) {
        return def.tenBlock_ ? int(kTenBlockOrder.find(letter)) : int(letter);
    };
    std::sort(order.begin(), order.end(),
              [&](const auto* a, const auto* b) { return rank(a->letter) < rank(b->letter); });
    if (order.size() > size_t(kMaxPieces))
        order.resize(size_t(kMaxPieces));

    auto tables = std::make_shared<Tables>();
    def.pieceCount_ = int(order.size());
    for (int p = 1; p <= def.pieceCount_; ++p) {
        const PuzzleDraft::Piece& src = *order[size_t(p - 1)];
        const Normalised n = Normalise(src.start, d.columns);
        PieceDef& piece = def.pieces_[size_t(p)];
        piece.letter = src.letter;
        piece.start = uint8_t(n.anchor);
        const auto same = std::find(tables->shapes.begin(), tables->shapes.end(), n.shape);
        piece.shape = uint8_t(same - tables->shapes.begin());
        if (same == tables->shapes.end())
            tables->shapes.push_back(n.shape);
        if (src.goal != 0) {
            piece.goal = uint8_t(Normalise(src.goal, d.columns).anchor);
            def.goalPieces_.push_back(uint8_t(p));
        }
    }

    // Kinds: each goal piece alone, the others by shape; in piece order.
    std::array<int, kMaxPieces + 1> kindOfShape;
    kindOfShape.fill(-1);
    for (int p = 1; p <= def.pieceCount_; ++p) {
        PieceDef& piece = def.pieces_[size_t(p)];
        int kind;
        if (piece.goal == kNoGoal && kindOfShape[piece.shape] >= 0) {
            kind = kindOfShape[piece.shape];
        } else {
            kind = def.kindCount_++;
            if (piece.goal == kNoGoal)
                kindOfShape[piece.shape] = kind;
        }
        piece.kind = uint8_t(kind);
        ++def.kindSize_[size_t(kind)];
    }
    int slot = 0;
    int smallest = kMaxFields + 1;
    for (int k = 0; k < def.kindCount_; ++k) {
        def.kindSlot_[size_t(k)] = uint8_t(slot);
        slot += def.kindSize_[size_t(k)];
        for (int p = 1; p <= def.pieceCount_; ++p)
            if (def.pieces_[size_t(p)].kind == k &&
                tables->shapes[def.pieces_[size_t(p)].shape].size < smallest) {
                smallest = tables->shapes[def.pieces_[size_t(p)].shape].size;
                def.bucketKind_ = k;
            }
    }
    if (def.tenBlock_) {
        def.barredPiece_ = kXBlock;
        def.barredDirection_ = Up;
    }
    def.t_ = std::move(tables);
    def.makeTables();
    return def;
}

void PuzzleDef::makeTables() {
    auto t = std::make_shared<Tables>(*t_);
    t->offset[0] = 1;
    t->offset[1] = -columns_;
    t->offset[2] = -1;
    t->offset[3] = columns_;
    const size_t shapes = t->shapes.size();
    t->place.assign(shapes * kMaxFields, 0);
    t->enter.assign(shapes * kMaxFields * 4, kOffBoard);
    for (size_t s = 0; s < shapes; ++s) {
        const ShapeDef& sh = t->shapes[s];
        for (int f = 0; f < fields(); ++f) {
            const int column = f % columns_, row = f / columns_;
            if (column + sh.width > columns_ || row + sh.height > rows_)
                continue;
            FieldSet m = 0;
            for (int dy = 0; dy < sh.height; ++dy)
                for (int dx = 0; dx < sh.width; ++dx)
                    if (sh.covers(dx, dy))
                        m |= FieldBit(f + dy * columns_ + dx);
            t->place[s * kMaxFields + size_t(f)] = m;
        }
        for (int f = 0; f < fields(); ++f) {
            const FieldSet here = t->place[s * kMaxFields + size_t(f)];
            if (here == 0)
                continue;
            const int column = f % columns_, row = f / columns_;
            const bool open[4] = {column + sh.width<columns_, row> 0, column > 0, row + sh.height < rows_};
            for (int k = 0; k < 4; ++k)
                if (open[k])
                    t->enter[(s * kMaxFields + size_t(f)) * 4 + size_t(k)] =
                        t->place[s * kMaxFields + size_t(f + t->offset[k])] & ~here;
        }
    }
    t_ = std::move(t);
}

int PuzzleDef::pieceOf(char letter) const {
    for (int p = 1; p <= pieceCount_; ++p)
        if (pieces_[size_t(p)].letter == letter)
            return p;
    return 0;
}

PuzzleDef PuzzleDef::WithStart(const uint8_t* anchors) const {
    PuzzleDef def = *this;
    for (int p = 1; p <= pieceCount_; ++p)
        def.pieces_[size_t(p)].start = anchors[p];
    return def;
}

std::string PuzzleDef::Identity() const {
    std::string start(size_t(fields()), '.');
    std::string goal(size_t(fields()), '.');
    ForEachField(walls_, [&](int f) { start[size_t(f)] = '#'; });
    for (int p = 1; p <= pieceCount_; ++p) {
        const PieceDef& piece = pieces_[size_t(p)];
        ForEachField(Place(piece.shape, piece.start), [&](int f) { start[size_t(f)] = piece.letter; });
        if (piece.goal != kNoGoal)
            ForEachField(Place(piece.shape, piece.goal), [&](int f) { goal[size_t(f)] = piece.letter; });
    }
    std::string text = std::to_string(columns_) + "x" + std::to_string(rows_);
    for (const std::string* map : {&start, &goal}) {
        text += ' ';
        for (int r = 0; r < rows_; ++r) {
            if (r > 0)
                text += '/';
            text += map->substr(size_t(r * columns_), size_t(columns_));
        }
    }
    return text;
}

bool PuzzleDef::SameRules(const PuzzleDef& o) const {
    if (columns_ != o.columns_ || rows_ != o.rows_ || walls_ != o.walls_ || pieceCount_ != o.pieceCount_)
        return false;
    for (int p = 1; p <= pieceCount_; ++p) {
        const PieceDef &a = pieces_[size_t(p)], &b = o.pieces_[size_t(p)];
        if (a.letter != b.letter || a.goal != b.goal || shape(a.shape) != o.shape(b.shape))
            return false;
    }
    return true;
}

bool PuzzleDef::SameStart(const PuzzleDef& o) const {
    if (!SameRules(o))
        return false;
    for (int p = 1; p <= pieceCount_; ++p)
        if (pieces_[size_t(p)].start != o.pieces_[size_t(p)].start)
            return false;
    return true;
}

PlacementCheck CheckPlacement(const PuzzleDef& def) {
    FieldSet covered = 0;
    for (int p = 1; p <= def.pieceCount(); ++p) {
        const PieceDef& piece = def.piece(p);
        if (piece.start >= def.fields() || def.Place(piece.shape, piece.start) == 0)
            return {Placement::OffBoard, p};
        const FieldSet mask = def.Place(piece.shape, piece.start);
        if (mask & def.walls())
            return {Placement::OnWall, p};
        if (mask & covered) {
            int other = 1;
            while (!(def.Place(def.piece(other).shape, def.piece(other).start) & mask))
                ++other;
            return {Placement::Overlap, p, other};
        }
        covered |= mask;
    }
    return {};
}

PuzzleDef TenBlockPuzzle(const std::array<uint8_t, 11>& fields) {
    static_assert(kBlocks == 10);
    const PuzzleDef& classic = PuzzleDef::Classic();
    uint8_t anchors[kMaxPieces + 1] = {};
    for (int b = 1; b <= kBlocks; ++b)
        anchors[b] = fields[size_t(b)];
    return classic.WithStart(anchors);
}

} // namespace trulp
