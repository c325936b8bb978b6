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

// Replaces the moves list of p by the decoded moves (Puzzle::LoadMoves).
// A record that did not decode changes nothing and gives false.
bool LoadMoves(Puzzle& p, const DecodedMoves& d);

} // namespace trulp
