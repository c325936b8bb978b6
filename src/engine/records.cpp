#include "records.h"

#include "movesio.h"
#include "number.h"
#include "start.h"

#include <cctype>
#include <ctime>
#include <vector>

namespace trulp {

namespace {

constexpr std::string_view kHeaderOld = "TRULP records 1";
constexpr std::string_view kHeader = "TRULP records 2";
constexpr size_t kLargestFile = 1 << 20;
constexpr long long kMostSeconds = 100LL * 365 * 24 * 3600;

bool IsDate(std::string_view d) {
    if (d.size() != 10 || d[4] != '-' || d[7] != '-')
        return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(d[i])))
            return false;
    const int month = (d[5] - '0') * 10 + (d[6] - '0');
    const int day = (d[8] - '0') * 10 + (d[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool ParseCount(std::string_view text, long long most, int& value, bool zeroAllowed) {
    long long n = 0;
    if (!ParseWholeNumber(text, most, n) || (n == 0 && !zeroAllowed))
        return false;
    value = int(n);
    return true;
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> parts;
    for (size_t at = 0;;) {
        const size_t tab = line.find('\t', at);
        parts.push_back(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
        if (tab == std::string_view::npos)
            return parts;
        at = tab + 1;
    }
}

// A key of the classic family in its text form, or any other puzzle's.
bool IsKey(std::string_view key) {
    if (ParseStart(key).ok)
        return true;
    return !key.empty() && key.find('\t') == std::string_view::npos &&
           key.find('\n') == std::string_view::npos;
}

// The better of two: fewer, where 0 is none.
bool Better(int candidate, int kept) {
    return candidate > 0 && (kept == 0 || candidate < kept);
}

} // namespace

std::string Records::KeyOf(const PuzzleDef& def) {
    return def.tenBlock() ? FormatStart(def) : def.Identity();
}

const Record* Records::Find(const std::string& key) const {
    const auto it = byPuzzle_.find(key);
    return it == byPuzzle_.end() ? nullptr : &it->second;
}

Bests Records::Add(const Solve& s) {
    Record& kept = byPuzzle_[s.puzzle];
    ++kept.solved;
    Bests bests;
    if (s.helped)
        return bests;
    if (Better(s.moves, kept.moves)) {
        kept.moves = s.moves;
        kept.date = s.date;
        bests.moves = true;
    }
    if (Better(s.pieceMoves, kept.pieceMoves)) {
        kept.pieceMoves = s.pieceMoves;
        bests.pieceMoves = true;
    }
    if (Better(s.seconds, kept.seconds)) {
        kept.seconds = s.seconds;
        bests.seconds = true;
    }
    return bests;
}

std::string Records::Encode() const {
    // Key, fewest moves alone, its day, fewest piece moves alone, best time
    // in seconds, times solved; a 0 or an empty day where there is none.
    std::string out = std::string(kHeader) + "\n";
    for (const auto& [key, r] : byPuzzle_)
        out += key + "\t" + std::to_string(r.moves) + "\t" + r.date + "\t" + std::to_string(r.pieceMoves) +
               "\t" + std::to_string(r.seconds) + "\t" + std::to_string(r.solved) + "\n";
    return out;
}

bool Records::Decode(std::string_view text) {
    std::map<std::string, Record> read;
    size_t at = 0;
    int form = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (form == 0) {
            if (line != kHeaderOld && line != kHeader)
                return false;
            form = line == kHeader ? 2 : 1;
            continue;
        }
        if (line.empty())
            continue;
        const std::vector<std::string_view> f = Split(line);
        Record r;
        if (form == 1) {
            // The first form kept the fewest moves alone and the day.
            if (f.size() != 3 || !ParseCount(f[1], kMaxMoves, r.moves, false) || !IsDate(f[2]))
                return false;
            r.date = std::string(f[2]);
            r.solved = 1;
        } else {
            if (f.size() != 6 || !ParseCount(f[1], kMaxMoves, r.moves, true) ||
                (r.moves > 0 ? !IsDate(f[2]) : !f[2].empty()) ||
                !ParseCount(f[3], kMaxMoves, r.pieceMoves, true) ||
                !ParseCount(f[4], kMostSeconds, r.seconds, true) ||
                !ParseCount(f[5], 1000000000, r.solved, false))
                return false;
            r.date = std::string(f[2]);
        }
        const std::string key(f[0]);
        if (!IsKey(key))
            return false;
        // Old files wrote a start as text; the key is its plain form.
        const ParsedStart start = ParseStart(key);
        Record& kept = read[start.ok ? FormatStart(start.def) : key];
        if (kept.solved == 0 || Better(r.moves, kept.moves))
            kept = r;
    }
    if (form == 0)
        return false; // not even the header
    byPuzzle_ = std::move(read);
    return true;
}

LoadedRecords LoadRecordsFile(const std::string& path) {
    LoadedRecords loaded;
    const FileBytes file = ReadFileStart(path, kLargestFile);
    if (!file.ok() && file.error.words == Words::CannotOpen)
        return loaded; // none kept yet
    if (file.ok() && file.bytes.size() <= kLargestFile && loaded.records.Decode(file.bytes)) {
        loaded.state = RecordsFile::Read;
        return loaded;
    }
    // Kept aside for whoever wants to look at it; the game goes on without.
    SetAside(path);
    loaded.state = RecordsFile::SetAside;
    return loaded;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}

} // namespace trulp
