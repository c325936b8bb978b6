// Files on disk, for the window and the command line alike: read without
// ever waiting on something that is not a plain file, written aside and
// renamed. Failures come back as what happened, with the system's words.
#pragma once

#include "movesfile.h"
#include "said.h"

#include <string>

namespace trulp {

struct FileBytes {
    std::string bytes; // at most the bytes asked for, and one more when there are
    Said error;        // Keep when the file could be read
    bool ok() const { return error.words == Words::Keep; }
};

// Reads the start of the file at path, up to `most` bytes and one more to
// tell a longer file. Anything but a plain file is refused at once.
FileBytes ReadFileStart(const std::string& path, size_t most);

struct SavedFile {
    std::string path; // where the file was written
    std::string name; // its name there
    Said error;       // Keep on success
    bool ok() const { return error.words == Words::Keep; }
};

// Writes moves 1..count of a 1-based list as a moves file of `def` named
// from path's last component, in path's directory, by the rule the
// program's own save uses.
SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count,
                         const PuzzleDef& def);

// Writes `size` bytes as the file at `path`: into a temporary file beside it,
// flushed to the disk and only then renamed over it, so a failure leaves
// whatever was there before. Keep, or why it failed.
Said WriteFileAtomically(const std::string& path, const void* data, size_t size);

// A damaged file of the program's own is set aside as path + ".damaged"
// (replacing an older one), never lost; false when even that failed.
bool SetAside(const std::string& path);

} // namespace trulp
