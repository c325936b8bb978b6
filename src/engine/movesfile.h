// The moves file: a 250-byte record holding a stored name, a move count and
// one byte per move (block number * 16 + direction). Pure encoding and
// decoding; reading and writing files is the caller's business.
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

using MovesRecordBytes = std::array<uint8_t, kRecordSize>;

// "TRULP_ " followed by the file name (Latin-1 bytes), cut to 25 bytes.
std::string StoredName(std::string_view fileName);

// The record for moves 1..count of a 1-based moves list (count 0..200).
MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count);

enum class RecordStatus { Ok, ReadError, WrongFile };

struct DecodedMoves {
    RecordStatus status = RecordStatus::ReadError;
    std::string storedName;               // bytes 1..L
    int count = 0;                        // N
    MoveRecord moves[kMaxMoves + 1] = {}; // 1-based, dirSet 0
};

// Checks and decodes the first `size` bytes of a file (size may be more or
// less than 250). Anything short, too long a name, a count beyond the list or
// the record, or a move byte with a bad block or direction is a read error;
// a name not starting with "TRULP_" is the wrong file.
DecodedMoves DecodeMovesRecord(const uint8_t* data, size_t size);

// Replaces the moves list of p by the decoded moves: ClearMoves, then
// entries 1..count and lastMove. The board is not touched. A record that
// did not decode changes nothing and gives false.
bool LoadMoves(Puzzle& p, const DecodedMoves& d);

// 0 when moves 1..count can be made one after another from the start
// position, else the number of the first move that cannot.
int FirstIllegalMove(const MoveRecord* movesList, int count);

} // namespace trulp
