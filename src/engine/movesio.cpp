#include "movesio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trulp {

namespace {

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " '" + path + "': " + std::strerror(errno);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace

MovesFileBytes ReadMovesFile(const std::string& path) {
    MovesFileBytes file;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        file.error = SystemError("cannot open", path);
        return file;
    }
    // A longer file counts only as far as its first record.
    file.size = std::fread(file.record.data(), 1, file.record.size(), f);
    const bool failed = std::ferror(f) != 0;
    const int readErrno = errno;
    std::fclose(f);
    if (failed) {
        errno = readErrno;
        file.error = SystemError("cannot read", path);
    }
    return file;
}

SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count) {
    return WriteMovesFile(path, movesList, count, startTable);
}

std::string WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string temporary = (directory.empty() ? "./" : directory) + ".trulp-save-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SystemError("cannot write in", directory.empty() ? "." : directory);
    // mkstemp makes the file private; give it the mode a plain create would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bool ok = ::fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, static_cast<const uint8_t*>(data), size) &&
              ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (ok)
        return {};
    ::unlink(temporary.c_str());
    errno = savedErrno;
    return SystemError("cannot save", path);
}

SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count,
                         const Block (&start)[kBlocks + 1]) {
    SavedFile saved;
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    const SaveNames names = NamesForSave(fileName);
    saved.path = directory + names.diskName;
    saved.name = names.diskName;
    const MovesRecordBytes record = EncodeMovesRecord(names.storedName, movesList, count, start);
    saved.error = WriteFileAtomically(saved.path, record.data(), record.size());
    return saved;
}

} // namespace trulp
