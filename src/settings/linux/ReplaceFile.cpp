#include "settings/linux/ReplaceFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

namespace tess {

namespace {

// The kernel's own limit on the links one path may go through.
constexpr int kMaxLinks = 40;

// Turns `path` into the file that a write to it lands in: the end of its chain
// of symbolic links, a relative link read from the link's own folder. A link
// to nothing leads to the file it would create. Returns 0 or the errno.
int FollowLinks(std::string& path) {
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return 0;
        if (links == kMaxLinks) return ELOOP;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0) return length < 0 ? errno : ENOENT;
        if (static_cast<std::size_t>(length) == sizeof target) return ENAMETOOLONG;
        const std::string to(target, static_cast<std::size_t>(length));
        const auto slash = path.rfind('/');
        path =
            to.front() == '/' || slash == std::string::npos ? to : path.substr(0, slash + 1) + to;
    }
}

// Creates a new temporary file beside `path` under a name nobody can guess,
// never through a link or over a file already there. Returns its descriptor,
// or -1 with errno set.
int CreateTemporary(const std::string& path, std::string& temporary) {
    static constexpr char kLetters[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int tries = 0; tries < 100; ++tries) {
        unsigned char random[12];
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
            return -1;
        }
        temporary = path + ".tmp-";
        for (const unsigned char byte : random) temporary += kLetters[byte % (sizeof kLetters - 1)];
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

int ReplaceFile(const std::string& path, const std::string& content, std::optional<mode_t> mode) {
    std::string target = path;
    if (const int error = FollowLinks(target); error != 0) return error;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return errno;
    const auto abandon = [&] {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return error;
    };
    if (mode && ::fchmod(fd, *mode) != 0) return abandon();
    for (std::size_t done = 0; done < content.size();) {
        const ssize_t count = ::write(fd, content.data() + done, content.size() - done);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return abandon();
        done += static_cast<std::size_t>(count);
    }
    if (::fsync(fd) != 0) return abandon();
    if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return error;
    }
    // Makes the rename itself durable. The new file is already in place, so a
    // failure here does not mean the content was not stored: it is not reported.
    const std::string folder = std::filesystem::path(target).parent_path().string();
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return 0;
}

}  // namespace tess
