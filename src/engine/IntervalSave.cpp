#include "IntervalSave.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/ErrorTrap.h"
#include "engine/LogLine.h"

namespace tess {

namespace {
constexpr const char* kModule = "IntervalSave";

// The reports of one entry: each is shown unless it is to be kept quiet, and
// every one is remembered.
class EntryReports : public Dialogs {
public:
    EntryReports(Dialogs& dialogs, const std::vector<std::string>& quiet)
        : dialogs_(dialogs), quiet_(quiet) {}

    MessageAnswer Message(const MessageRequest& request) override {
        texts_.push_back(request.text);
        if (std::find(quiet_.begin(), quiet_.end(), request.text) != quiet_.end()) {
            return MessageAnswer::Ok;
        }
        return dialogs_.Message(request);
    }
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
        return dialogs_.OpenFile(request);
    }
    std::vector<std::string> Texts() && { return std::move(texts_); }

private:
    Dialogs& dialogs_;
    const std::vector<std::string>& quiet_;
    std::vector<std::string> texts_;
};

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

void IntervalSave::LogBatteryNow(EntryRequest request) {
    const std::vector<std::string> none;
    EntryReports reports(s_.dialogs, request == EntryRequest::Automatic ? failedBefore_ : none);
    ErrorTrap trap(reports, kModule, "LogBatteryNow");
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
    // The list shows what is in the file: a refused entry adds no row.
    if (trap.Step(106, [&] { AppendLogLine(line); })) {
        trap.Step(108, [&] { s_.view.AddEntry(line); });
    }
    failedBefore_ = std::move(reports).Texts();
}

}  // namespace tess
