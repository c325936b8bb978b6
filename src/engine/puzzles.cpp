#include "puzzles.h"

#include "distance.h"
#include "records.h"
#include "start.h"

#include <algorithm>

namespace trulp {

namespace {

struct Listed {
    const char* name;
    uint8_t fields[kBlocks]; // blocks 1..10
    int shortest;
};

// Chosen from the distance table: tidy layouts, many of them symmetric,
// spread over every band of twenty moves. The collection test holds each
// against the table.
constexpr Listed kListed[] = {
    {"classic", {0, 1, 3, 8, 9, 11, 13, 14, 16, 19}, 116},
    {"nearly", {0, 9, 3, 12, 1, 15, 5, 6, 17, 18}, 5},
    {"corners", {4, 9, 7, 12, 5, 15, 0, 3, 17, 18}, 9},
    {"lid", {4, 5, 7, 12, 1, 15, 0, 3, 13, 14}, 13},
    {"sidestep", {0, 14, 1, 2, 10, 8, 3, 9, 13, 16}, 15},
    {"drift", {0, 10, 5, 8, 6, 13, 1, 2, 3, 16}, 18},
    {"nudge", {1, 12, 2, 7, 8, 10, 0, 15, 18, 19}, 19},
    {"fence", {0, 9, 1, 2, 17, 3, 8, 11, 16, 19}, 22},
    {"pillars", {1, 9, 2, 4, 17, 7, 12, 15, 16, 19}, 24},
    {"stakes", {12, 5, 13, 14, 1, 15, 0, 3, 4, 7}, 34},
    {"arch", {8, 5, 11, 13, 1, 14, 0, 3, 4, 7}, 36},
    {"cradle", {4, 5, 7, 12, 17, 15, 1, 2, 13, 14}, 39},
    {"throne", {4, 1, 7, 12, 17, 15, 0, 3, 13, 14}, 42},
    {"tower", {4, 1, 7, 12, 13, 15, 0, 3, 9, 10}, 45},
    {"palisade", {12, 1, 13, 14, 9, 15, 0, 3, 4, 7}, 47},
    {"keep", {8, 1, 11, 13, 9, 14, 0, 3, 4, 7}, 49},
    {"detour", {3, 1, 8, 13, 9, 15, 0, 4, 11, 14}, 53},
    {"crooked", {0, 1, 7, 12, 8, 15, 3, 10, 13, 14}, 57},
    {"leaning", {2, 0, 9, 14, 10, 15, 3, 7, 8, 12}, 62},
    {"tangle", {3, 1, 10, 11, 8, 12, 0, 4, 13, 18}, 66},
    {"attic", {7, 0, 8, 9, 17, 10, 2, 3, 6, 15}, 70},
    {"lopsided", {0, 2, 1, 10, 8, 15, 11, 12, 13, 16}, 74},
    {"colonnade", {8, 1, 9, 10, 17, 11, 0, 3, 4, 7}, 78},
    {"sentries", {0, 5, 3, 8, 17, 11, 1, 2, 16, 19}, 79},
    {"guards", {0, 5, 3, 8, 13, 11, 1, 2, 16, 19}, 80},
    {"ladder", {0, 1, 3, 12, 17, 15, 8, 9, 10, 11}, 84},
    {"shelf", {4, 1, 7, 12, 13, 15, 0, 3, 17, 18}, 89},
    {"gate", {0, 1, 3, 9, 17, 10, 12, 15, 16, 19}, 90},
    {"lantern", {4, 1, 7, 12, 9, 15, 0, 3, 13, 14}, 92},
    {"fallen", {0, 1, 3, 8, 17, 11, 13, 14, 16, 19}, 98},
    {"crown", {4, 1, 7, 9, 17, 10, 0, 3, 16, 19}, 100},
    {"hourglass", {4, 1, 7, 12, 13, 15, 9, 10, 17, 18}, 105},
    {"fortress", {0, 1, 3, 13, 9, 14, 8, 11, 16, 19}, 110},
    {"citadel", {4, 1, 7, 13, 9, 14, 12, 15, 16, 19}, 112},
    {"twin", {0, 1, 3, 8, 9, 11, 13, 14, 17, 18}, 114},
    {"soldiers", {0, 1, 3, 8, 9, 11, 16, 17, 18, 19}, 118},
    {"barracks", {0, 1, 3, 8, 13, 11, 16, 17, 18, 19}, 119},
    {"garrison", {0, 5, 3, 8, 13, 11, 16, 17, 18, 19}, 120},
    {"labyrinth", {3, 1, 4, 11, 9, 13, 0, 12, 18, 19}, 123},
    {"summit", {3, 1, 8, 11, 9, 13, 0, 16, 18, 19}, 125},
    {"nadir", {2, 0, 9, 12, 10, 15, 8, 14, 17, 18}, 126},
    {"zenith", {0, 1, 8, 11, 9, 14, 7, 16, 17, 19}, 126},
};

// Reproducible on every platform, unlike the standard distributions.
uint64_t NextRandom(uint64_t& state) {
    return detail::SplitMix64(state);
}

// A whole number below `bound` from the high half of a random word.
int Below(uint64_t random, int bound) {
    return int((random >> 32) * uint64_t(bound) >> 32);
}

GeneratedPuzzle Draw(int moves, uint64_t& state) {
    const DistanceTable& table = DistanceTable::Shared();
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
    GeneratedPuzzle g;
    table.PositionAt(distance, Below(NextRandom(state), table.CountAt(distance)), g.start);
    g.shortest = distance;
    return g;
}

} // namespace

const std::vector<PuzzleInfo>& Collection() {
    static const std::vector<PuzzleInfo> collection = [] {
        std::vector<PuzzleInfo> all;
        for (const Listed& l : kListed) {
            PuzzleInfo& p = all.emplace_back();
            p.name = l.name;
            std::copy(startTable, startTable + kBlocks + 1, p.start);
            for (int b = 1; b <= kBlocks; ++b)
                p.start[b].field = l.fields[b - 1];
            p.shortest = l.shortest;
        }
        return all;
    }();
    return collection;
}

const PuzzleInfo* FindPuzzle(std::string_view name) {
    for (const PuzzleInfo& p : Collection())
        if (p.name == name)
            return &p;
    return nullptr;
}

const PuzzleInfo* FindPuzzleByStart(const Block (&start)[kBlocks + 1]) {
    for (const PuzzleInfo& p : Collection())
        if (SameStart(p.start, start))
            return &p;
    return nullptr;
}

GeneratedPuzzle GeneratePuzzle(int moves, uint64_t seed) {
    return Draw(moves, seed);
}

const Difficulty* FindDifficulty(std::string_view name) {
    for (const Difficulty& d : kDifficulties)
        if (d.name == name)
            return &d;
    return nullptr;
}

GeneratedPuzzle GeneratePuzzle(const Difficulty& difficulty, uint64_t seed) {
    const int span = std::max(difficulty.most - difficulty.fewest + 1, 1);
    return Draw(difficulty.fewest + Below(NextRandom(seed), span), seed);
}

const PuzzleInfo* NextUnsolved(const Records& records, const Block (&start)[kBlocks + 1]) {
    const std::vector<PuzzleInfo>& all = Collection();
    const PuzzleInfo* here = FindPuzzleByStart(start);
    const size_t from = here ? size_t(here - all.data()) + 1 : 0;
    for (size_t k = 0; k < all.size(); ++k) {
        const PuzzleInfo& p = all[(from + k) % all.size()];
        if (&p != here && records.Find(p.start) == nullptr)
            return &p;
    }
    return nullptr;
}

} // namespace trulp
