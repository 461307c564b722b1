#include "settings/linux/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace tess {

int ReplaceFile(const std::string& path, const std::string& content, std::optional<mode_t> mode) {
    const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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
    if (::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return error;
    }
    // Makes the rename itself durable. The new file is already in place, so a
    // failure here does not mean the content was not stored: it is not reported.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return 0;
}

}  // namespace tess
