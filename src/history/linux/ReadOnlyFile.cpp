#include "history/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/Error.h"

namespace tess {

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    // Opened without blocking, so that a named pipe without a writer fails the
    // type test below instead of waiting for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        state_ = errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Failed;
        error_ = ErrnoText(errno);
        return;
    }
    handle_ = fd;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        error_ = ErrnoText(errno);
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        state_ = State::NotAFile;
        error_ = ErrnoText(S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
        return;
    }
    state_ = State::Open;
    size_ = static_cast<std::uint64_t>(status.st_size);
    identity_ = {static_cast<std::uint64_t>(status.st_dev),
                 static_cast<std::uint64_t>(status.st_ino)};
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

std::int64_t ReadOnlyFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t count) {
    if (state_ != State::Open) return -1;
    ssize_t got;
    do {
        got = ::pread(static_cast<int>(handle_), buffer, count, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    if (got < 0) error_ = ErrnoText(errno);
    return got;
}

}  // namespace tess
