// Moves files on disk for trulp-solve.
#pragma once

#include "movesfile.h"

#include <string>

namespace trulp::cli {

// Reads and checks the moves file at path. Returns an empty string and fills
// `moves`, or says why the file was refused.
std::string ReadMovesFile(const std::string& path, DecodedMoves& moves);

struct SavedFile {
    std::string path;  // where the file was written
    std::string error; // empty on success
};

// Writes moves 1..count of a 1-based list as a moves file named from path's
// last component, in path's directory, by the rule the program's own save
// uses. The record goes to a temporary
// file that is renamed over the target, so a failure never leaves a short
// file behind.
SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count);

} // namespace trulp::cli
