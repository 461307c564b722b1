#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "common/Error.h"
#include "linux/ScopedUnprivilegedUser.h"
#include "engine/LogFile.h"

namespace tess {
namespace {

int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

struct FailingPath {
    const char* name;
    std::string (*path)(const test::TempDir&);
};

class DurableLogWriterLinuxFailureTest : public ::testing::TestWithParam<FailingPath> {};

TEST_P(DurableLogWriterLinuxFailureTest, ThrowsAndHoldsNothingOpen) {
    test::TempDir dir;
    const auto path = GetParam().path(dir);
    const test::ScopedUnprivilegedUser user(dir.path());
    DurableLogWriter writer;
    const int before = OpenDescriptors();
    EXPECT_THROW(writer.AppendLine(path, "line"), Error);
    EXPECT_EQ(OpenDescriptors(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DurableLogWriterLinuxFailureTest,
    ::testing::Values(
        FailingPath{"MissingFolder",
                    [](const test::TempDir& d) { return d.File("no/such/log.txt"); }},
        FailingPath{"Folder", [](const test::TempDir& d) { return d.path().string(); }},
        FailingPath{"DiskFull", [](const test::TempDir&) { return std::string("/dev/full"); }},
        FailingPath{"ReadOnlyFile",
                    [](const test::TempDir& d) {
                        const auto p = d.File("ro.txt");
                        test::WriteAll(p, "kept\r\n");
                        ::chmod(p.c_str(), 0444);
                        return p;
                    }},
        // Nobody reads the pipe: the open fails at once rather than waiting.
        FailingPath{"PipeWithoutReader",
                    [](const test::TempDir& d) {
                        const auto p = d.File("pipe");
                        ::mkfifo(p.c_str(), 0600);
                        return p;
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DurableLogWriterLinuxTest, DiskFullReportsNoSpace) {
    DurableLogWriter writer;
    try {
        writer.AppendLine("/dev/full", "line");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "No space left on device");
    }
}

// A pipe with a reader gets the whole line, as a file would.
TEST(DurableLogWriterLinuxTest, PipeWithAReaderGetsTheLine) {
    test::TempDir dir;
    const auto path = dir.File("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    DurableLogWriter writer;
    writer.AppendLine(path, "line");
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 6);
    EXPECT_STREQ(buffer, "line\r\n");
    ::close(reader);
}

}  // namespace
}  // namespace tess
