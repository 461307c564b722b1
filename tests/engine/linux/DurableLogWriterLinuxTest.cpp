#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "common/Error.h"
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
    if (path.empty()) GTEST_SKIP() << "root writes through read-only bits";
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
                        if (::geteuid() == 0) return std::string();
                        const auto p = d.File("ro.txt");
                        test::WriteAll(p, "kept\r\n");
                        ::chmod(p.c_str(), 0444);
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

}  // namespace
}  // namespace tess
