#include "puzzles.h"

#include "collection_data.h"
#include "number.h"
#include "puzzlefile.h"
#include "records.h"
#include "tenblocktable.h"

#include <algorithm>

namespace trulp {

namespace {

// splitmix64: reproducible on every platform, unlike the standard
// distributions, so a seed draws the same puzzle everywhere.
uint64_t NextRandom(uint64_t& state) {
    state += 0x9E3779B97F4A7C15ull;
    uint64_t r = state;
    r = (r ^ (r >> 30)) * 0xBF58476D1CE4E5B9ull;
    r = (r ^ (r >> 27)) * 0x94D049BB133111EBull;
    return r ^ (r >> 31);
}

// A whole number below `bound` from the high half of a random word.
int Below(uint64_t random, int bound) {
    return int((random >> 32) * uint64_t(bound) >> 32);
}

GeneratedPuzzle Draw(const TenBlockTable& table, int moves, uint64_t& state) {
    const int farthest = table.MaxDistance();
    moves = std::clamp(moves, 1, farthest);
    // The nearest distance with positions, the nearer goal first on a tie.
    int distance = moves;
    for (int step = 1; table.CountAt(distance) == 0 && step <= farthest; ++step) {
        if (moves - step >= 1 && table.CountAt(moves - step) > 0)
            distance = moves - step;
        else if (moves + step <= farthest)
            distance = moves + step;
    }
    Block blocks[kBlocks + 1];
    table.PositionAt(distance, Below(NextRandom(state), table.CountAt(distance)), blocks);
    std::array<uint8_t, 11> fields{};
    for (int b = 1; b <= kBlocks; ++b)
        fields[size_t(b)] = blocks[b].field;
    return {TenBlockPuzzle(fields), distance};
}

std::string_view Word(std::string_view& line) {
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    const size_t end = std::min(line.find(' '), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

// The index of the collection: "pack NAME" lines, then per puzzle its file
// (without .trulp) and its shortest moves, piece moves and positions.
std::vector<PuzzleInfo> Load() {
    std::vector<PuzzleInfo> all;
    std::string pack;
    std::string_view index = detail::kCollectionIndex;
    while (!index.empty()) {
        const size_t end = std::min(index.find('\n'), index.size());
        std::string_view line = index.substr(0, end);
        index.remove_prefix(std::min(end + 1, index.size()));
        if (line.empty() || line.front() == '#')
            continue;
        const std::string_view first = Word(line);
        if (first == "pack") {
            pack = std::string(Word(line));
            continue;
        }
        PuzzleInfo info;
        info.pack = pack;
        info.id = std::string(first);
        long long moves = 0, pieces = 0, positions = 0;
        ParseWholeNumber(Word(line), kMaxMoves, moves);
        ParseWholeNumber(Word(line), kMaxMoves, pieces);
        ParseWholeNumber(Word(line), 1LL << 40, positions);
        info.shortest = int(moves);
        info.shortestPieces = int(pieces);
        info.positions = positions;
        const std::string path = pack + "/" + info.id + ".trulp";
        for (size_t i = 0; i < detail::kCollectionFileCount; ++i)
            if (detail::kCollectionFiles[i].path == path) {
                ReadPuzzle read = ReadPuzzleText(detail::kCollectionFiles[i].text);
                if (read.ok) {
                    info.def = std::make_shared<const PuzzleDef>(std::move(read.def));
                    all.push_back(std::move(info));
                }
                break;
            }
    }
    return all;
}

} // namespace

const std::vector<PuzzleInfo>& Collection() {
    static const std::vector<PuzzleInfo> collection = Load();
    return collection;
}

std::vector<std::string> Packs() {
    std::vector<std::string> packs;
    for (const PuzzleInfo& p : Collection())
        if (packs.empty() || packs.back() != p.pack)
            packs.push_back(p.pack);
    return packs;
}

const PuzzleInfo* FindPuzzle(std::string_view idOrName) {
    for (const PuzzleInfo& p : Collection())
        if (p.id == idOrName || p.name() == idOrName)
            return &p;
    return nullptr;
}

const PuzzleInfo* FindPuzzleByStart(const PuzzleDef& def) {
    for (const PuzzleInfo& p : Collection())
        if (p.def->SameStart(def))
            return &p;
    return nullptr;
}

GeneratedPuzzle GeneratePuzzle(const TenBlockTable& table, int moves, uint64_t seed) {
    return Draw(table, moves, seed);
}

const Difficulty* FindDifficulty(std::string_view name) {
    for (const Difficulty& d : kDifficulties)
        if (d.name == name)
            return &d;
    return nullptr;
}

GeneratedPuzzle GeneratePuzzle(const TenBlockTable& table, const Difficulty& difficulty, uint64_t seed) {
    const int span = std::max(difficulty.most - difficulty.fewest + 1, 1);
    return Draw(table, difficulty.fewest + Below(NextRandom(seed), span), seed);
}

const PuzzleInfo* NextUnsolved(const Records& records, const PuzzleDef& def) {
    const std::vector<PuzzleInfo>& all = Collection();
    const PuzzleInfo* here = FindPuzzleByStart(def);
    const size_t from = here ? size_t(here - all.data()) + 1 : 0;
    for (size_t k = 0; k < all.size(); ++k) {
        const PuzzleInfo& p = all[(from + k) % all.size()];
        const Record* r = records.Find(*p.def);
        if (&p != here && (r == nullptr || !r->alone()))
            return &p;
    }
    return nullptr;
}

} // namespace trulp
