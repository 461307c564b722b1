#include <sys/stat.h>

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "TempDir.h"
#include "history/HistoryLog.h"

namespace tess {
namespace {

// A pipe with no writer and a device that never ends are refused at once:
// opening the one would wait for ever, reading the other would never end.
TEST(ReadOnlyFileLinuxTest, APipeOrADeviceIsNotALog) {
    test::TempDir dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const test::UsDateTimeFormat format;
    HistoryLog log(format);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        log.Open(path);
        EXPECT_EQ(log.Report().state, LogReport::State::NotAFile) << path;
    }
}

}  // namespace
}  // namespace tess
