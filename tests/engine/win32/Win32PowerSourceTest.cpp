#include "engine/win32/Win32PowerSource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
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

TEST(Win32PowerSourceTest, AFailedQueryGivesAZeroRecord) {
    Win32PowerSource source(&FailingQuery);
    PowerStatus status{0xAB, 0xAB, 0xAB, 0xAB, 0xABABABAB, 0xABABABAB};
    source.GetSystemPowerStatus(status);
    EXPECT_EQ(status.ACLineStatus, 0);
    EXPECT_EQ(status.BatteryFlag, 0);
    EXPECT_EQ(status.BatteryLifePercent, 0);
    EXPECT_EQ(status.SystemStatusFlag, 0);
    EXPECT_EQ(status.BatteryLifeTime, 0u);
    EXPECT_EQ(status.BatteryFullLifeTime, 0u);
}

TEST(Win32PowerSourceTest, AFailedQueryLogsAnEmptyBattery) {
    Win32PowerSource source(&FailingQuery);
    EXPECT_EQ(LoggedLine(source),
              "12/7/2026 6:01:43 AM Battery Level is 0% (0 Hours, 0 Minutes, 0 Seconds "
              "remaining on battery).");
}

TEST(Win32PowerSourceTest, CopiesEveryFieldOfTheRecord) {
    Win32PowerSource source(&LaptopQuery);
    PowerStatus status;
    source.GetSystemPowerStatus(status);
    EXPECT_EQ(status.ACLineStatus, 0);
    EXPECT_EQ(status.BatteryFlag, 9);
    EXPECT_EQ(status.BatteryLifePercent, 87);
    EXPECT_EQ(status.SystemStatusFlag, 1);
    EXPECT_EQ(status.BatteryLifeTime, 8100u);
    EXPECT_EQ(status.BatteryFullLifeTime, 20000u);
    EXPECT_EQ(LoggedLine(source),
              "12/7/2026 6:01:43 AM Battery Level is 87% (2 Hours, 15 Minutes, 0 Seconds "
              "remaining on battery).");
}

TEST(Win32PowerSourceTest, ReadsTheSystemsRecord) {
    Win32PowerSource source;
    PowerStatus status;
    source.GetSystemPowerStatus(status);
    const std::string line = LoggedLine(source);
    RecordProperty("record", "AC " + std::to_string(status.ACLineStatus) + ", flag " +
                                 std::to_string(status.BatteryFlag) + ", " +
                                 std::to_string(status.BatteryLifePercent) + " %, " +
                                 std::to_string(static_cast<std::int32_t>(status.BatteryLifeTime)) +
                                 " s");
    RecordProperty("logged_line", line);
    if (status.ACLineStatus == 1) {
        EXPECT_EQ(line, "12/7/2026 6:01:43 AM Running on AC Power");
    } else {
        EXPECT_NE(line.find(" Battery Level is " + std::to_string(status.BatteryLifePercent) + "%"),
                  std::string::npos);
    }
    // A machine without a system battery, such as the desktop the tests run
    // on, reports mains power, an unknown charge and an unknown time.
    if (status.BatteryFlag == 128) {
        EXPECT_EQ(status.ACLineStatus, 1);
        EXPECT_EQ(status.BatteryLifePercent, kUnknownPercent);
        EXPECT_EQ(status.BatteryLifeTime, kUnknownLifeTime);
    }
}

}  // namespace
}  // namespace tess
