// Moves files. A game of the classic family is the 250-byte record: a stored
// name, a move count and one byte per move (block number * 16 + direction);
// a game of another start of the ten blocks marks its name "TRULP+" instead
// of "TRULP_" and keeps the start fields of blocks 1..10 in bytes 240..249,
// which the name and 200 moves never reach, so that a reader that knows only
// the classic refuses it as the wrong file. A game of any other puzzle is
// the puzzle's text with its moves (puzzlefile.h). Pure encoding and
// decoding; reading and writing files is movesio's.
#pragma once

#include "puzzle.h"
#include "said.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trulp {

constexpr int kRecordSize = 250;
constexpr int kRecordMoves = 200;
constexpr int kStoredNameMax = 25;
inline constexpr std::string_view kStoredNamePrefix = "TRULP_ "; // written by a save
inline constexpr std::string_view kFileMark = "TRULP_";          // tested by an open
inline constexpr std::string_view kPuzzleFileMark = "TRULP+";    // a record with its own start
constexpr int kStartOffset = kRecordSize - 10;                   // bytes 240..249

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
// The same played from the start of `def` (of the classic family): the
// classic record for the classic start; otherwise the name's mark becomes
// "TRULP+" and the start follows.
MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count,
                                   const PuzzleDef& def);

enum class RecordStatus { Ok, ReadError, WrongFile };

struct DecodedMoves {
    RecordStatus status = RecordStatus::ReadError;
    std::string storedName;                  // bytes 1..L
    int count = 0;                           // N
    MoveRecord moves[kRecordMoves + 1] = {}; // 1-based, dirSet 0
    bool hasStart = false;                   // a "TRULP+" record
    PuzzleDef def;                           // its puzzle, else the classic
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

// What an opened file holds: a game (its puzzle and moves), or a puzzle to
// play, or why it was refused; checked whole before anything changes.
struct OpenedFile {
    enum class Kind : uint8_t { Refused, Game, Puzzle } kind = Kind::Refused;
    Said error;                           // why it was refused
    std::shared_ptr<const PuzzleDef> def; // the puzzle (the classic for a classic record)
    bool ownPuzzle = false;               // the file names its puzzle
    std::vector<MoveRecord> moves;        // 0-based here
    std::string name;                     // UTF-8: the stored name, or the puzzle's
};
OpenedFile ReadOpenedFile(std::string_view bytes);

// The bytes a save writes for moves 1..count of a game of `def`, stored
// under `storedName` when it is a record.
std::string SavedBytes(std::string_view storedName, const MoveRecord* movesList, int count,
                       const PuzzleDef& def);

} // namespace trulp
