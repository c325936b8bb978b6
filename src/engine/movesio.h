// Moves files on disk, for the window and the command line alike. Failures
// come back as one line with the system's own words.
#pragma once

#include "movesfile.h"

#include <string>

namespace trulp {

struct MovesFileBytes {
    MovesRecordBytes record{};
    size_t size = 0;   // bytes read, at most 250
    std::string error; // empty when the file could be read
};

// Reads the first 250 bytes of the file at path (fewer when it is shorter).
MovesFileBytes ReadMovesFile(const std::string& path);

struct SavedFile {
    std::string path;  // where the file was written
    std::string name;  // its name there
    std::string error; // empty on success
};

// Writes moves 1..count of a 1-based list as a moves file named from path's
// last component, in path's directory, by the rule the program's own save
// uses. The record goes to a temporary file, is flushed to the disk and
// only then renamed over the target, so a failure never leaves a short file
// in place of a good one, nor anything beside it.
SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count);
// The same for a game played from `start` (see EncodeMovesRecord).
SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count,
                         const Block (&start)[kBlocks + 1]);

// Writes `size` bytes as the file at `path`: into a temporary file beside it,
// flushed to the disk and only then renamed over it, so a failure leaves
// whatever was there before. Empty, or why it failed in the system's words.
std::string WriteFileAtomically(const std::string& path, const void* data, size_t size);

} // namespace trulp
