// The moves file: a 250-byte record holding a stored name, a move count and
// one byte per move (block number * 16 + direction). A game of another
// puzzle than the classic marks its name "TRULP+" instead of "TRULP_" and
// keeps the start fields of blocks 1..10 in bytes 240..249, which the name
// and 200 moves never reach; a reader that knows only the classic record
// refuses it as the wrong file. Pure encoding and decoding; reading and
// writing files is the caller's business.
#pragma once

#include "puzzle.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trulp {

constexpr int kRecordSize = 250;
constexpr int kStoredNameMax = 25;
inline constexpr std::string_view kStoredNamePrefix = "TRULP_ "; // written by a save
inline constexpr std::string_view kFileMark = "TRULP_";          // tested by an open
inline constexpr std::string_view kPuzzleFileMark = "TRULP+";    // a record with its own start
constexpr int kStartOffset = kRecordSize - kBlocks;              // bytes 240..249

using MovesRecordBytes = std::array<uint8_t, kRecordSize>;

// The names a save gives a list chosen as `fileName` (UTF-8, no folder):
// "TRULP_ " and the name, cut to 25 characters. On disk the characters stay
// as typed; inside the record each is one Latin-1 byte, '?' for any other.
struct SaveNames {
    std::string storedName; // Latin-1 bytes
    std::string diskName;   // UTF-8
};
SaveNames NamesForSave(std::string_view fileName);

// The record for moves 1..count of a 1-based moves list (count 0..200).
MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count);
// The same played from `start`: the classic record for the classic start;
// otherwise the name's mark becomes "TRULP+" and the start follows.
MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count,
                                   const Block (&start)[kBlocks + 1]);

enum class RecordStatus { Ok, ReadError, WrongFile };

struct DecodedMoves {
    RecordStatus status = RecordStatus::ReadError;
    std::string storedName;               // bytes 1..L
    int count = 0;                        // N
    MoveRecord moves[kMaxMoves + 1] = {}; // 1-based, dirSet 0
    bool hasStart = false;                // a "TRULP+" record
    BlockTable start = {startTable[0], startTable[1], startTable[2], startTable[3],
                        startTable[4], startTable[5], startTable[6], startTable[7],
                        startTable[8], startTable[9], startTable[10]}; // its puzzle, else the classic
};

// Checks and decodes the first `size` bytes of a file (size may be more or
// less than 250), classic records and "TRULP+" ones alike. Anything short,
// too long a name, a count beyond the list or the record, or a move byte
// with a bad block or direction is a read error; a name starting with
// neither mark, or a "TRULP+" record whose start is not playable, is the
// wrong file.
DecodedMoves DecodeMovesRecord(const uint8_t* data, size_t size);
// The classic record alone: a name must start with "TRULP_".
DecodedMoves DecodeClassicMovesRecord(const uint8_t* data, size_t size);

// Replaces the moves list of p by the decoded moves (Puzzle::LoadMoves),
// after choosing the record's puzzle (the classic for a classic record) when
// p plays another one (the board then stands at that start); for the puzzle
// played the board stays. A record that did not decode changes nothing and
// gives false.
struct LoadedMoves {
    bool ok = false;
    bool otherPuzzle = false; // the record brought its own puzzle
    explicit operator bool() const { return ok; }
};
LoadedMoves LoadMoves(Puzzle& p, const DecodedMoves& d);

} // namespace trulp
