#include "movesio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trulp {

namespace {

Said SystemSaid(Words words, const std::string& path, int error) {
    Said s(words, 0, 0, 0, path);
    s.detail = std::strerror(error);
    return s;
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

FileBytes ReadFileStart(const std::string& path, size_t most) {
    FileBytes file;
    // Not blocking: a pipe or a device is refused below, never waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.error = SystemSaid(Words::CannotOpen, path, errno);
        return file;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        file.error = Said(Words::NotAFile, 0, 0, 0, path);
        return file;
    }
    file.bytes.resize(most + 1);
    size_t got = 0;
    while (got < file.bytes.size()) {
        const ssize_t n = ::read(fd, file.bytes.data() + got, file.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            file.bytes.clear();
            file.error = SystemSaid(Words::CannotRead, path, error);
            return file;
        }
        if (n == 0)
            break;
        got += size_t(n);
    }
    ::close(fd);
    file.bytes.resize(got);
    return file;
}

Said WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string temporary = (directory.empty() ? "./" : directory) + ".trulp-save-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SystemSaid(Words::CannotWriteIn, directory.empty() ? "." : directory, errno);
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
    return SystemSaid(Words::CannotSave, path, savedErrno);
}

SavedFile WriteMovesFile(const std::string& path, const MoveRecord* movesList, int count,
                         const PuzzleDef& def) {
    SavedFile saved;
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    const SaveNames names = NamesForSave(fileName);
    saved.path = directory + names.diskName;
    saved.name = names.diskName;
    const std::string bytes = SavedBytes(names.storedName, movesList, count, def);
    saved.error = WriteFileAtomically(saved.path, bytes.data(), bytes.size());
    return saved;
}

bool SetAside(const std::string& path) {
    return std::rename(path.c_str(), (path + ".damaged").c_str()) == 0;
}

} // namespace trulp
