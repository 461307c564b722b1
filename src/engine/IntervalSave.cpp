#include "IntervalSave.h"

#include "common/ErrorTrap.h"
#include "engine/LogLine.h"

namespace tess {

namespace {
constexpr const char* kModule = "IntervalSave";

std::string BatteryLine(const std::string& dateTimeText, std::uint8_t percent,
                        std::int32_t lifeTime, const std::string& duration) {
    const std::string clause = lifeTime >= 0 ? " (" + duration + kRemainingOnBattery : "";
    return dateTimeText + kBatteryLevelIs + std::to_string(percent) + "%" + clause + ".";
}
}  // namespace

std::string IntervalSave::strBatTime(const std::int32_t& seconds) {
    // No 32-bit input overflows here: H * 3600 lies within the magnitude of
    // the seconds, and minutes and seconds within -59..59, so they fit 16 bits.
    const std::int32_t hours = (seconds / 60) / 60;
    const auto minutes = static_cast<std::int16_t>((seconds - hours * 3600) / 60);
    const auto secs = static_cast<std::int16_t>(seconds % 60);
    return std::to_string(hours) + kHoursWord + std::to_string(minutes) + kMinutesWord +
           std::to_string(secs) + kSecondsWord;
}

void IntervalSave::AppendLogLine(const std::string& line) {
    s_.writer.AppendLine(s_.view.LogPath(), line);
}

void IntervalSave::LogBatteryNow() {
    ErrorTrap trap(s_.dialogs, kModule, "LogBatteryNow");
    PowerStatus status{};
    std::int32_t lifeTime = 0;
    std::uint8_t percent = 0;
    std::string line;
    trap.Step(100, [&] { s_.power.GetSystemPowerStatus(status); });
    trap.Step(102, [&] {
        lifeTime = static_cast<std::int32_t>(status.BatteryLifeTime);
        percent = status.BatteryLifePercent;
    });
    trap.Step(104, [&] {
        if (status.ACLineStatus == 1) {
            line = GeneralDate(s_.clock.Now(), s_.format) + kOnAcPower;
            return;
        }
        // The duration is worked out on every battery sample, before the
        // clock is read, whether or not the clause is written.
        const std::string duration = strBatTime(lifeTime);
        const std::string now = GeneralDate(s_.clock.Now(), s_.format);
        line = BatteryLine(now, percent, lifeTime, duration);
    });
    trap.Step(106, [&] { AppendLogLine(line); });
    trap.Step(108, [&] { s_.view.AddEntry(line); });
}

}  // namespace tess
