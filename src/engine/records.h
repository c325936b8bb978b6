// The player's records: per puzzle (by its start) the fewest moves with
// which the player reached the goal alone, and the day. The program's only
// lasting state besides the moves files; a small text file, written whole
// and atomically, and set aside when it cannot be read.
#pragma once

#include "position.h"

#include <map>
#include <string>
#include <string_view>

namespace trulp {

struct Record {
    int moves = 0;
    std::string date; // YYYY-MM-DD
};

class Records {
public:
    const Record* Find(const Block (&start)[kBlocks + 1]) const;
    // Keeps the game when it beats what is kept for its puzzle, or when none
    // is; true when it became the record.
    bool Offer(const Block (&start)[kBlocks + 1], int moves, const std::string& date);
    int size() const { return int(byStart_.size()); }
    // Another window's records taken in: per puzzle the fewer moves, and of
    // two equal ones the earlier.
    void Merge(const Records& other);

    // The file's text, and back; a text that is not wholly such a file is
    // refused (false) and changes nothing.
    std::string Encode() const;
    bool Decode(std::string_view text);

private:
    std::map<std::string, Record> byStart_; // by the start written as text
};

enum class RecordsFile : uint8_t { Read, Missing, SetAside };

struct LoadedRecords {
    Records records;
    RecordsFile state = RecordsFile::Missing;
};

// Reads the records at path. A file that cannot be read as records is
// renamed to path + ".damaged" (replacing an older one) and no records are
// kept; nothing is reported as an error.
LoadedRecords LoadRecordsFile(const std::string& path);
// Writes them whole; empty, or why not. A failure leaves the old file.
std::string SaveRecordsFile(const std::string& path, const Records& records);
// What another program may have written since is kept: the file is read
// again and merged into `records` before they are written. The caller holds
// the file's lock.
std::string MergeIntoRecordsFile(const std::string& path, Records& records);

// Today in the local calendar, YYYY-MM-DD.
std::string Today();

} // namespace trulp
