#include "records.h"

#include "movesio.h"
#include "number.h"
#include "start.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

namespace trulp {

namespace {

constexpr std::string_view kHeader = "TRULP records 1";
constexpr std::streamoff kLargestFile = 1 << 20;

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

bool ParseMoves(std::string_view text, int& moves) {
    long long n = 0;
    if (!ParseWholeNumber(text, kMaxMoves, n) || n < 1)
        return false;
    moves = int(n);
    return true;
}

} // namespace

const Record* Records::Find(const Block (&start)[kBlocks + 1]) const {
    const auto it = byStart_.find(FormatStart(start));
    return it == byStart_.end() ? nullptr : &it->second;
}

bool Records::Offer(const Block (&start)[kBlocks + 1], int moves, const std::string& date) {
    Record& kept = byStart_[FormatStart(start)];
    if (kept.moves != 0 && kept.moves <= moves)
        return false;
    kept = {moves, date};
    return true;
}

void Records::Merge(const Records& other) {
    for (const auto& [start, theirs] : other.byStart_) {
        Record& kept = byStart_[start];
        if (kept.moves == 0 || theirs.moves < kept.moves ||
            (theirs.moves == kept.moves && theirs.date < kept.date))
            kept = theirs;
    }
}

std::string MergeIntoRecordsFile(const std::string& path, Records& records) {
    records.Merge(LoadRecordsFile(path).records);
    return SaveRecordsFile(path, records);
}

std::string Records::Encode() const {
    std::string out = std::string(kHeader) + "\n";
    for (const auto& [start, r] : byStart_)
        out += start + "\t" + std::to_string(r.moves) + "\t" + r.date + "\n";
    return out;
}

bool Records::Decode(std::string_view text) {
    std::map<std::string, Record> read;
    size_t at = 0;
    bool first = true;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (first) {
            if (line != kHeader)
                return false;
            first = false;
            continue;
        }
        if (line.empty())
            continue;
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos)
            return false;
        const ParsedStart start = ParseStart(line.substr(0, tab1));
        int moves = 0;
        const std::string_view date = line.substr(tab2 + 1);
        if (!start.ok || !ParseMoves(line.substr(tab1 + 1, tab2 - tab1 - 1), moves) || !IsDate(date))
            return false;
        Record& kept = read[FormatStart(start.start)];
        if (kept.moves == 0 || moves < kept.moves)
            kept = {moves, std::string(date)};
    }
    if (first)
        return false; // not even the header
    byStart_ = std::move(read);
    return true;
}

LoadedRecords LoadRecordsFile(const std::string& path) {
    LoadedRecords loaded;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return loaded; // none kept yet
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0);
    std::ostringstream text;
    if (size >= 0 && size <= kLargestFile)
        text << in.rdbuf();
    if (size >= 0 && size <= kLargestFile && !in.bad() && loaded.records.Decode(text.str())) {
        loaded.state = RecordsFile::Read;
        return loaded;
    }
    // Kept aside for whoever wants to look at it; the game goes on without.
    in.close();
    std::rename(path.c_str(), (path + ".damaged").c_str());
    loaded.state = RecordsFile::SetAside;
    return loaded;
}

std::string SaveRecordsFile(const std::string& path, const Records& records) {
    const std::string text = records.Encode();
    return WriteFileAtomically(path, text.data(), text.size());
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
