#pragma once

#include <sys/prctl.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace tess::test {

// For its lifetime the process acts as an unprivileged user (nobody) when it
// runs as root, as the tests do in CI: root reads and writes whatever the
// permissions say, that user does not. `home` and everything in it become the
// user's, so that a test takes rights away from the one file it is about.
// Run as anyone else, it changes nothing.
class ScopedUnprivilegedUser {
public:
    explicit ScopedUnprivilegedUser(const std::filesystem::path& home)
        : root_(::geteuid() == 0) {
        if (!root_) return;
        bool owned = ::lchown(home.c_str(), kNobody, kNobody) == 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(home)) {
            owned = ::lchown(entry.path().c_str(), kNobody, kNobody) == 0 && owned;
        }
        // The process stays able to read its own /proc entries, which a change
        // of user would give to root.
        if (!owned || ::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0 ||
            ::prctl(PR_SET_DUMPABLE, 1) != 0) {
            throw std::runtime_error("cannot act as an unprivileged user");
        }
    }
    ~ScopedUnprivilegedUser() {
        if (!root_) return;
        if (::seteuid(0) != 0 || ::setegid(0) != 0) std::terminate();
    }
    ScopedUnprivilegedUser(const ScopedUnprivilegedUser&) = delete;
    ScopedUnprivilegedUser& operator=(const ScopedUnprivilegedUser&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool root_;
};

}  // namespace tess::test
