// The puzzles: a collection of named starts of the same ten blocks, from a
// few moves to the farthest the board allows, and new starts drawn at
// random from the distance table.
#pragma once

#include "position.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trulp {

struct PuzzleInfo {
    std::string name; // one lower-case word, the same in the window and on the command line
    BlockTable start;
    int shortest; // moves of a shortest line to the goal
};

// The classic first, then the others from the easiest to the hardest.
const std::vector<PuzzleInfo>& Collection();
// nullptr when there is none.
const PuzzleInfo* FindPuzzle(std::string_view name);
const PuzzleInfo* FindPuzzleByStart(const Block (&start)[kBlocks + 1]);
class Records;

// The next puzzle of the collection after the one with `start` (from the
// first, for a puzzle not in it) that has no record yet; none when every
// one has.
const PuzzleInfo* NextUnsolved(const Records& records, const Block (&start)[kBlocks + 1]); // block by block

struct GeneratedPuzzle {
    BlockTable start;
    int shortest;
};

// A start drawn from the positions exactly `moves` from the goal (clamped to
// 1..the farthest; the nearest distance that has positions if that one has
// none), the same for the same seed. Blocks of a shape stand in the order of
// their fields.
GeneratedPuzzle GeneratePuzzle(int moves, uint64_t seed);

// The named difficulties and the shortest lines they mean.
struct Difficulty {
    std::string_view name;
    int fewest;
    int most;
};
inline constexpr Difficulty kDifficulties[] = {{"easy", 20, 39}, {"medium", 60, 79}, {"hard", 100, 126}};
const Difficulty* FindDifficulty(std::string_view name);
// A distance in the difficulty's range, then a start at that distance.
GeneratedPuzzle GeneratePuzzle(const Difficulty& difficulty, uint64_t seed);

} // namespace trulp
