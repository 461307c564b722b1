#include "engine/win32/Win32PowerSource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "RecordingDialogs.h"
#include "engine/IntervalSave.h"
#include "engine/LogFile.h"

namespace tess {
namespace {

class MemoryLog : public LogWriter, public LogView {
public:
    void AppendLine(const std::string&, const std::string& line) override { lines.push_back(line); }
    std::string LogPath() const override { return "log.txt"; }
    void AddEntry(const std::string&) override {}
    std::vector<std::string> lines;
};

// The line IntervalSave writes for one sample of `source`.
std::string LoggedLine(PowerSource& source) {
    test::FakeClock clock;
    test::UsDateTimeFormat format;
    MemoryLog log;
    test::RecordingDialogs dialogs;
    IntervalSave({source, clock, format, log, log, dialogs}).LogBatteryNow();
    EXPECT_TRUE(dialogs.messages.empty());
    return log.lines.empty() ? std::string() : log.lines.front();
}

BOOL __stdcall FailingQuery(SYSTEM_POWER_STATUS*) {
    return FALSE;
}

BOOL __stdcall LaptopQuery(SYSTEM_POWER_STATUS* record) {
    const unsigned char bytes[12] = {0, 9, 87, 1, 0xA4, 0x1F, 0, 0, 0x20, 0x4E, 0, 0};
    std::memcpy(record, bytes, sizeof bytes);
    return TRUE;
}

// The record as the query leaves it, field by field, and the line logged of it.
struct QueryCase {
    const char* name;
    BOOL(__stdcall* query)(SYSTEM_POWER_STATUS*);
    PowerStatus expected;
    const char* line;
};

class Win32PowerSourceTest : public ::testing::TestWithParam<QueryCase> {};

TEST_P(Win32PowerSourceTest, CopiesEveryFieldOfTheRecord) {
    Win32PowerSource source(GetParam().query);
    PowerStatus status{0xAB, 0xAB, 0xAB, 0xAB, 0xABABABAB, 0xABABABAB};
    source.GetSystemPowerStatus(status);
    const PowerStatus& expected = GetParam().expected;
    EXPECT_EQ(status.ACLineStatus, expected.ACLineStatus);
    EXPECT_EQ(status.BatteryFlag, expected.BatteryFlag);
    EXPECT_EQ(status.BatteryLifePercent, expected.BatteryLifePercent);
    EXPECT_EQ(status.SystemStatusFlag, expected.SystemStatusFlag);
    EXPECT_EQ(status.BatteryLifeTime, expected.BatteryLifeTime);
    EXPECT_EQ(status.BatteryFullLifeTime, expected.BatteryFullLifeTime);
    EXPECT_EQ(LoggedLine(source), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, Win32PowerSourceTest,
    ::testing::Values(QueryCase{"Failed", &FailingQuery, {0, 0, 0, 0, 0, 0},
                                "12/7/2026 6:01:43 AM Battery Level is 0% (0 Hours, 0 Minutes, 0 "
                                "Seconds remaining on battery)."},
                      QueryCase{"Laptop", &LaptopQuery, {0, 9, 87, 1, 8100, 20000},
                                "12/7/2026 6:01:43 AM Battery Level is 87% (2 Hours, 15 Minutes, 0 "
                                "Seconds remaining on battery)."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess
