#pragma once

#include <cstdint>
#include <string>

#include "FakeClock.h"
#include "RecordingDialogs.h"
#include "common/CivilTime.h"
#include "engine/IntervalSave.h"

namespace tess::test {

// A log text written by the real IntervalSave from a script of samples, for
// logs built for a purpose: each entry is a line and CR LF in `text`.
class ScriptedLog : private PowerSource, private LogWriter, private LogView {
public:
    explicit ScriptedLog(const DateTimeFormat& format)
        : save_({*this, clock_, format, *this, *this, dialogs_}) {}

    // Entries at local seconds since 1970 (see CivilTime.h).
    void Ac(std::int64_t when) { Add(when, {1, 0, 100, 0, 0, 0}); }
    void Battery(std::int64_t when, int percent, std::int32_t secondsLeft = -1) {
        Add(when, {0, 0, static_cast<std::uint8_t>(percent), 0,
                   static_cast<std::uint32_t>(secondsLeft), 0});
    }

    std::string text;

private:
    void Add(std::int64_t when, const PowerStatus& status) {
        status_ = status;
        clock_.now = CivilFromSeconds(when);
        save_.LogBatteryNow();
    }
    void GetSystemPowerStatus(PowerStatus& status) override { status = status_; }
    void AppendLine(const std::string&, const std::string& line) override {
        text += line;
        text += "\r\n";
    }
    std::string LogPath() const override { return "log"; }
    void AddEntry(const std::string&) override {}

    FakeClock clock_;
    RecordingDialogs dialogs_;
    PowerStatus status_;
    IntervalSave save_;
};

}  // namespace tess::test
