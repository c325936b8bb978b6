// The collection: puzzle files built into the program, in packs (the ten
// blocks, the classics, the large ones), each with its shortest lines; and
// new starts of the ten blocks drawn at random from their table.
#pragma once

#include "puzzledef.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trulp {

class Records;
class TenBlockTable;

struct PuzzleInfo {
    std::string id;   // the file's name: one word, the same in every language
    std::string pack; // tenblock, classics or large
    std::shared_ptr<const PuzzleDef> def;
    int shortest = 0;       // moves of a shortest line to the goal
    int shortestPieces = 0; // piece moves of the line with the fewest
    int64_t positions = 0;  // reachable from the start
    const std::string& name() const { return def->name(); }
};

// The packs in order, the classic first.
const std::vector<PuzzleInfo>& Collection();
std::vector<std::string> Packs();
// By id or by name; nullptr when there is none.
const PuzzleInfo* FindPuzzle(std::string_view idOrName);
const PuzzleInfo* FindPuzzleByStart(const PuzzleDef& def);

// The next puzzle of the collection after the one played (from the first,
// for a puzzle not in it) that was never solved without help; none when
// every one was.
const PuzzleInfo* NextUnsolved(const Records& records, const PuzzleDef& def);

struct GeneratedPuzzle {
    PuzzleDef def;
    int shortest = 0;
};

// A start of the ten blocks drawn from the positions exactly `moves` from
// the goal (clamped to 1..the farthest; the nearest distance that has
// positions if that one has none), the same for the same seed. Blocks of a
// shape stand in the order of their fields.
GeneratedPuzzle GeneratePuzzle(const TenBlockTable& table, int moves, uint64_t seed);

// The named difficulties and the shortest lines they mean.
struct Difficulty {
    std::string_view name;
    int fewest;
    int most;
};
inline constexpr Difficulty kDifficulties[] = {{"easy", 20, 39}, {"medium", 60, 79}, {"hard", 100, 126}};
const Difficulty* FindDifficulty(std::string_view name);
// A distance in the difficulty's range, then a start at that distance.
GeneratedPuzzle GeneratePuzzle(const TenBlockTable& table, const Difficulty& difficulty, uint64_t seed);

} // namespace trulp
