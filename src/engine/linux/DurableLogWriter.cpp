#include <fcntl.h>
#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/Error.h"
#include "engine/LogFile.h"
#include "engine/linux/Charset.h"

namespace tess {

namespace {
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports a failure of the close itself (NFS and the like
    // report lost writes only there).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

[[noreturn]] void Fail() {
    throw Error(ErrnoText(errno));
}
}  // namespace

void DurableLogWriter::AppendLine(const std::string& path, const std::string& line) {
    AppendDurably(path, FromUtf8ToLocale(line) + "\r\n", flush_);
}

void AppendDurably(const std::string& path, const std::string& record, bool flush) {
    if (path.empty()) throw Error(ErrnoText(ENOENT));
    // Opened without blocking: a named pipe that nobody reads would otherwise
    // keep the open waiting for ever; it fails at once instead. The write
    // itself blocks as usual.
    Fd file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
                   0644));
    if (file.get() < 0) Fail();
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) Fail();
    // One write keeps the line whole: appends are atomic to the file position,
    // and a short write (disk full) is reported rather than continued.
    ssize_t written;
    do {
        written = ::write(file.get(), record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    if (written < 0) Fail();
    if (static_cast<size_t>(written) != record.size()) {
        // Take back the torn tail so that no half line stays in the log.
        const off_t end = ::lseek(file.get(), 0, SEEK_END);
        if (end >= written) (void)::ftruncate(file.get(), end - written);
        throw Error(ErrnoText(ENOSPC));
    }
    if (flush && ::fdatasync(file.get()) != 0 && errno != EINVAL) Fail();
    if (file.Close() != 0) Fail();
}

}  // namespace tess
