// A puzzle as it is defined: its board (columns, rows and walls), its pieces
// with their shapes and start fields, and its goal. Immutable once made; a
// position (position.h) and the live game (puzzle.h) refer to one.
//
// Pieces are numbered 1..pieceCount() in the order of their letters; the
// ten blocks of the classic family keep their own order A X B C D E F G H I,
// in which their search tries them and their moves files number them. A
// piece stands where the top-left corner of the rectangle around it stands:
// its anchor field. Pieces of one shape are alike, and a position does not
// tell them apart, unless the goal names them: then each is a kind of its own.
#pragma once

#include "board.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace trulp {

constexpr uint8_t kNoGoal = 0xFF;

// A piece's fields relative to the top-left corner of its rectangle.
struct ShapeDef {
    uint8_t width = 0;
    uint8_t height = 0;
    uint8_t size = 0;
    uint16_t rows[kMaxSide] = {}; // bit dx of rows[dy]: the field (dx, dy) is covered
    bool covers(int dx, int dy) const {
        return dx >= 0 && dy >= 0 && dx < width && dy < height && (rows[dy] >> dx & 1) != 0;
    }
    // Whole: every field of the rectangle is covered.
    bool rectangle() const { return size == width * height; }
    friend bool operator==(const ShapeDef&, const ShapeDef&) = default;
};

struct PieceDef {
    char letter = 0;
    uint8_t shape = 0;
    uint8_t kind = 0;  // alike pieces share it
    uint8_t start = 0; // anchor field at the start
    uint8_t goal = kNoGoal;
};

// A puzzle being made: each piece's letter with its fields at the start and
// (for those the goal names) at the goal. PuzzleDef::Make takes a draft that
// the puzzle file's rules have checked: every piece connected and whole on
// the board, none on a wall or another, the goal marks in the piece's shape.
struct PuzzleDraft {
    std::string name, by, note;
    int columns = 0;
    int rows = 0;
    FieldSet walls = 0;
    struct Piece {
        char letter = 0;
        FieldSet start = 0;
        FieldSet goal = 0; // none when the goal does not name it
    };
    std::vector<Piece> pieces;
};

class PuzzleDef {
public:
    // The classic: the ten blocks at their start, X to the bottom centre.
    PuzzleDef() : PuzzleDef(Classic()) {}
    static const PuzzleDef& Classic();
    static PuzzleDef Make(const PuzzleDraft& draft);

    const std::string& name() const { return name_; }
    const std::string& by() const { return by_; }
    const std::string& note() const { return note_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int fields() const { return columns_ * rows_; }
    FieldSet walls() const { return walls_; }
    int pieceCount() const { return pieceCount_; }
    const PieceDef& piece(int p) const { return pieces_[size_t(p)]; }
    const ShapeDef& shape(int s) const { return t_->shapes[size_t(s)]; }
    int shapeCount() const { return int(t_->shapes.size()); }
    int kindCount() const { return kindCount_; }
    // The piece with this letter, 0 for none.
    int pieceOf(char letter) const;

    // The ten blocks of the classic on its board, whatever their start.
    bool tenBlock() const { return tenBlock_; }
    // A piece that the search never steps this way (0: none): the classic's
    // big block never goes up.
    int barredPiece() const { return barredPiece_; }
    uint8_t barredDirection() const { return barredDirection_; }
    // The kind whose fields choose a position's bucket in the search's
    // memory: the alike pieces of the fewest fields.
    int bucketKind() const { return bucketKind_; }
    // The slots of a kind in a position's key: first, and how many.
    int kindSlot(int kind) const { return kindSlot_[size_t(kind)]; }
    int kindSize(int kind) const { return kindSize_[size_t(kind)]; }
    // The goal's pieces, in order.
    const std::vector<uint8_t>& goalPieces() const { return goalPieces_; }

    // The field a step goes to; the caller knows it stays on the board.
    int StepField(int field, unsigned direction) const { return field + t_->offset[DirIndex(direction)]; }
    int UnstepField(int field, unsigned direction) const { return field - t_->offset[DirIndex(direction)]; }
    // The fields a shape covers with its anchor on `field`; 0 when it does
    // not lie wholly on the board (walls are not asked).
    FieldSet Place(int shape, int field) const { return t_->place[size_t(shape * kMaxFields + field)]; }
    // The fields a step newly covers, per direction index (right, up, left,
    // down), or kOffBoard for a step off the board.
    const FieldSet* Enter(int shape, int field) const {
        return &t_->enter[size_t((shape * kMaxFields + field) * 4)];
    }
    // The same puzzle from other anchors (the caller has checked them).
    PuzzleDef WithStart(const uint8_t* anchors) const;
    // Board, pieces, start and goal in one line (names left out): the same
    // for the same puzzle, whatever it is called.
    std::string Identity() const;
    // The same board, pieces and goal, from any start.
    bool SameRules(const PuzzleDef& other) const;
    bool SameStart(const PuzzleDef& other) const;

    static int DirIndex(unsigned direction) { return __builtin_ctz(direction); }

private:
    struct Blank {};
    explicit PuzzleDef(Blank) {}

    struct Tables {
        std::vector<ShapeDef> shapes;
        std::vector<FieldSet> place; // [shape][field]
        std::vector<FieldSet> enter; // [shape][field][4]
        int offset[4] = {};
    };
    void makeTables();

    std::string name_, by_, note_;
    int columns_ = 0;
    int rows_ = 0;
    FieldSet walls_ = 0;
    int pieceCount_ = 0;
    std::array<PieceDef, kMaxPieces + 1> pieces_{};
    int kindCount_ = 0;
    std::array<uint8_t, kMaxPieces + 1> kindSlot_{};
    std::array<uint8_t, kMaxPieces + 1> kindSize_{};
    std::vector<uint8_t> goalPieces_;
    bool tenBlock_ = false;
    int barredPiece_ = 0;
    uint8_t barredDirection_ = 0;
    int bucketKind_ = 0;
    std::shared_ptr<const Tables> t_;
};

// The ten blocks with these anchors (blocks 1..10: A X B C D E F G H I).
PuzzleDef TenBlockPuzzle(const std::array<uint8_t, 11>& fields);

// Whether the pieces of a start stand apart on the board: `piece` is the
// first at fault, `other` the earlier piece it overlaps.
enum class Placement : uint8_t { Ok, OffBoard, OnWall, Overlap };
struct PlacementCheck {
    Placement placement = Placement::Ok;
    int piece = 0;
    int other = 0;
    bool ok() const { return placement == Placement::Ok; }
};
PlacementCheck CheckPlacement(const PuzzleDef& def);

} // namespace trulp
