#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "../Form1Harness.h"

namespace tess::test {
namespace {

// The type of what is at `path` (the link itself for a link), or 0 for nothing.
mode_t TypeAt(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// What a log path may name besides a file: a named pipe, a socket, a device
// node (made for root; for anyone else the system's /dev/null, which only root
// could delete). Clear Log reports it and leaves it where it is; it still
// empties the list.
class ClearLogSpecialFileTest : public ::testing::TestWithParam<const char*>,
                                protected Form1Harness {
protected:
    std::string Make(const std::string& kind) {
        const std::string path = temp.File(kind);
        if (kind == "pipe") {
            EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        if (kind == "socket") {
            socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
            EXPECT_EQ(::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        }
        if (kind == "device") {
            if (::geteuid() != 0) return "/dev/null";
            EXPECT_EQ(::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        }
        return path;
    }
    void TearDown() override {
        if (socket_ >= 0) ::close(socket_);
    }

    int socket_ = -1;
};

TEST_P(ClearLogSpecialFileTest, IsReportedAndLeftAlone) {
    const std::string path = Make(GetParam());
    const mode_t type = TypeAt(path);
    ASSERT_NE(type, 0u);
    Load();
    TypePath(path);
    Entries().push_back("an entry");
    dialogs.messages.clear();
    form->PushButton4_Click();
    EXPECT_EQ(TypeAt(path), type);
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{102});
    ASSERT_EQ(dialogs.messages.size(), 2u);  // the question, then the report
    EXPECT_EQ(dialogs.messages[1].text.substr(0, 20 + path.size()), "Not a regular file: " + path);
    EXPECT_TRUE(Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(LogCommands, ClearLogSpecialFileTest,
                         ::testing::Values("pipe", "socket", "device"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tess::test
