// The player's progress: per puzzle the times it was solved, and of the
// solves without hint or solve the fewest moves (with the day), the fewest
// piece moves and the best time. The program's only lasting state besides
// the moves files and the kept game; a small text file, written whole and
// atomically, and set aside when it cannot be read.
#pragma once

#include "puzzledef.h"

#include <map>
#include <string>
#include <string_view>

namespace trulp {

struct Record {
    int moves = 0;      // fewest moves alone; 0 for none yet
    std::string date;   // YYYY-MM-DD of that
    int pieceMoves = 0; // fewest piece moves alone; 0 for none (or not known)
    int seconds = 0;    // best time alone; 0 for none (or not known)
    int solved = 0;     // times solved, with help or without
    bool alone() const { return moves > 0; }
};

// One goal reached: which puzzle, how, and when.
struct Solve {
    std::string puzzle; // Records::KeyOf
    int moves = 0;
    int pieceMoves = 0;
    int seconds = 0;
    bool helped = false; // hint or solve was used
    std::string date;
};

// Which bests a solve set.
struct Bests {
    bool moves = false;
    bool pieceMoves = false;
    bool seconds = false;
    bool any() const { return moves || pieceMoves || seconds; }
};

class Records {
public:
    // A puzzle's key: the classic family's start as text (as old files have
    // it), any other puzzle by its board, pieces, start and goal.
    static std::string KeyOf(const PuzzleDef& def);

    const Record* Find(const PuzzleDef& def) const { return Find(KeyOf(def)); }
    const Record* Find(const std::string& key) const;
    // Counts the solve and keeps what it bettered.
    Bests Add(const Solve& solve);
    int size() const { return int(byPuzzle_.size()); }
    const std::map<std::string, Record>& all() const { return byPuzzle_; }

    // The file's text, and back; a text that is not wholly such a file is
    // refused (false) and changes nothing. Files of the first form (fewest
    // moves and day only) still read.
    std::string Encode() const;
    bool Decode(std::string_view text);

private:
    std::map<std::string, Record> byPuzzle_;
};

enum class RecordsFile : uint8_t { Read, Missing, SetAside };

struct LoadedRecords {
    Records records;
    RecordsFile state = RecordsFile::Missing;
};

// Reads the records at path. A file that cannot be read as records is
// set aside as path + ".damaged" and no records are kept.
LoadedRecords LoadRecordsFile(const std::string& path);

// Today in the local calendar, YYYY-MM-DD.
std::string Today();

} // namespace trulp
