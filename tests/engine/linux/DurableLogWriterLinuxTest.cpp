#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

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

// What AppendLine did: "written", or the reason it gave.
std::string Outcome(DurableLogWriter& writer, const std::string& path) {
    try {
        writer.AppendLine(path, "line");
        return "written";
    } catch (const Error& e) {
        return e.what();
    }
}

// A reader that no longer reads: once the pipe is full, the line is refused at
// once with the reason, as any entry that cannot be written, and the program
// goes on instead of waiting for the reader (or dying when it goes).
TEST(DurableLogWriterLinuxTest, FullPipeRefusesTheLineAtOnce) {
    test::TempDir dir;
    const auto path = dir.File("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    const int filler = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_GE(filler, 0);
    while (::write(filler, "x", 1) == 1) {
    }
    DurableLogWriter writer;
    auto appended = std::async(std::launch::async, [&] { return Outcome(writer, path); });
    const bool atOnce = appended.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    // A writer that waits gets what it waits for, so that the test ends.
    char sink[4096];
    while (appended.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        (void)!::read(reader, sink, sizeof sink);
    }
    EXPECT_TRUE(atOnce) << "the line waited for the reader";
    EXPECT_EQ(appended.get(), ErrnoText(EAGAIN));
    ::close(filler);
    ::close(reader);
}

// A reader that comes and goes: a line either reaches it or is refused, and
// one that finds it gone after the open (EPIPE) never ends the program.
TEST(DurableLogWriterLinuxTest, ReaderLeavingDuringTheWriteIsAReportNotTheEnd) {
    test::TempDir dir;
    const auto path = dir.File("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        }
    });
    DurableLogWriter writer;
    int lost = 0;
    for (int tries = 0; tries < 1000000 && lost == 0; ++tries) {
        lost = Outcome(writer, path) == ErrnoText(EPIPE);
    }
    done = true;
    reader.join();
    EXPECT_EQ(lost, 1) << "no reader left between an open and its write";
}

}  // namespace
}  // namespace tess
