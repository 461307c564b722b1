#include <fcntl.h>
#include <langinfo.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
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

// Holds SIGPIPE back from this thread while it lives, and takes away one that
// a write raised meanwhile: a reader that leaves a pipe between the open and
// the write makes the write fail with EPIPE instead of ending the program.
class HeldSigpipe {
public:
    HeldSigpipe() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~HeldSigpipe() {
        const int error = errno;
        sigset_t pending;
        sigpending(&pending);
        if (!pendingBefore_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            sigtimedwait(&pipe_, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
        errno = error;
    }
    HeldSigpipe(const HeldSigpipe&) = delete;
    HeldSigpipe& operator=(const HeldSigpipe&) = delete;

private:
    sigset_t pipe_;
    sigset_t previous_;
    bool pendingBefore_ = false;
};

// One write of the whole record, again when a signal interrupts it.
ssize_t WriteRecord(int fd, const std::string& record) {
    ssize_t written;
    do {
        written = ::write(fd, record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    return written;
}
}  // namespace

void DurableLogWriter::AppendLine(const std::string& path, const std::string& line) {
    AppendDurably(path, FromUtf8ToLocale(line) + "\r\n", flush_);
}

void AppendDurably(const std::string& path, const std::string& record, bool flush) {
    if (path.empty()) throw Error(ErrnoText(ENOENT));
    // Opened without blocking: a named pipe that nobody reads would otherwise
    // keep the open waiting for ever; it fails at once instead.
    Fd file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
                   0644));
    if (file.get() < 0) Fail();
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) Fail();
    // One write keeps the line whole: appends are atomic to the file position,
    // and a short write (disk full) is reported rather than continued. A file's
    // write blocks as usual. A pipe or a device chosen as the log stays
    // without blocking: a line it cannot take at once (a reader that stopped
    // reading) fails and is reported like any entry that cannot be written,
    // rather than stopping the program until someone reads.
    ssize_t written;
    if (S_ISREG(status.st_mode)) {
        const int flags = ::fcntl(file.get(), F_GETFL);
        if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) Fail();
        written = WriteRecord(file.get(), record);
    } else {
        const HeldSigpipe held;
        written = WriteRecord(file.get(), record);
    }
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
