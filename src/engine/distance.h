// The coach's knowledge of a puzzle: every position that can be reached from
// a start, each with its distance from the goal in moves (one field each) and
// in piece moves (consecutive moves of one piece count once), found by
// breadth-first search. Alike pieces count as interchangeable, as in the
// board key. Built once per start, off the window's thread; a puzzle past
// kPositionBound positions still plays, but its table says it does not know.
#pragma once

#include "position.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace trulp {

// Distance of a position from which the goal cannot be reached.
constexpr int kNoDistance = -1;

// A set of steps: bit 4 * (piece - 1) + k stands for the step of `piece` in
// direction 1 << k, in the search's order of candidates.
inline FieldSet StepBit(int piece, unsigned direction) {
    return FieldSet(1) << (4 * (piece - 1) + __builtin_ctz(direction));
}

// Positions as numbers: per kind of alike pieces, which of the fields their
// shape can stand on they take (ranked as a set), mixed into one number.
class PositionCoder {
public:
    // False when the puzzle has more placements than 64 bits number.
    bool Init(const PuzzleDef& def);
    uint64_t Encode(const Board& board) const;
    // The anchors of a code (1-based); alike pieces in the order of their fields.
    void Decode(uint64_t code, uint8_t* anchors) const;
    // The code after one piece (of `kind`, whose anchors in the code are
    // `anchors`) moves from one field to another.
    uint64_t Moved(uint64_t code, const uint8_t* anchors, int piece, int to) const;
    // The greatest code plus one.
    uint64_t size() const { return size_; }

private:
    struct Kind {
        uint8_t pieces[kMaxPieces]; // its pieces, in number order
        int count = 0;
        uint64_t weight = 0;
        uint64_t radix = 0;
        std::vector<uint8_t> fields; // where its shape can stand, ascending
        uint8_t indexOf[kMaxFields];
    };
    uint64_t rankOf(const Kind& k, const uint8_t* anchors, int piece, int to) const;

    const PuzzleDef* def_ = nullptr;
    std::vector<Kind> kinds_;
    uint64_t size_ = 0;
};

class DistanceTable {
public:
    enum class Status : uint8_t { Known, TooLarge, Uncountable, Cancelled };
    static constexpr int64_t kPositionBound = 20'000'000;

    // What the table knows of a position.
    struct Reach {
        bool known = false; // reachable from the start it was built for
        int moves = kNoDistance;
        int pieceMoves = kNoDistance;
    };

    // The positions reachable from `from` (a position of `def`), with their
    // distances. `progress` hears the positions found so far now and then;
    // `cancel` set stops the work (status Cancelled).
    static std::shared_ptr<const DistanceTable> Build(std::shared_ptr<const PuzzleDef> def, const Board& from,
                                                      const std::function<void(int64_t)>& progress = {},
                                                      const std::atomic<bool>* cancel = nullptr);

    Status status() const { return status_; }
    bool known() const { return status_ == Status::Known; }
    const PuzzleDef& def() const { return *def_; }
    // Positions reachable from the start it was built for.
    int64_t positions() const { return int64_t(codes_.size()); }
    size_t memoryBytes() const;

    Reach Find(const Board& board) const;
    int Distance(const Board& board) const { return Find(board).moves; }
    int PieceDistance(const Board& board) const { return Find(board).pieceMoves; }
    // Every step that brings the position one move nearer the goal.
    FieldSet BestMoves(const Board& board) const;
    // The first of them in the search's order (dirSet 0), or block 0.
    MoveRecord BestMove(const Board& board) const;
    // A shortest line from the position, as single-field steps; alike
    // pieces taken in the order of their fields, so that the line depends on
    // the position alone. Empty without a way or on the goal.
    std::vector<MoveRecord> ShortestLine(const Board& board) const;

private:
    int indexOf(uint64_t code) const;

    std::shared_ptr<const PuzzleDef> def_;
    Status status_ = Status::Known;
    PositionCoder coder_;
    // Sorted by code, with the distances of each.
    std::vector<uint64_t> codes_;
    std::vector<uint16_t> moves_;
    std::vector<uint16_t> pieceMoves_;
};

} // namespace trulp
