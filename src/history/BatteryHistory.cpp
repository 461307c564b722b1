#include "history/BatteryHistory.h"

namespace tess {

namespace {
std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}
}  // namespace

void BatteryHistory::Open(const std::string& path) {
    log_.Open(path);
    analysis_.Update(log_.Samples(), 0);
}

LogChange BatteryHistory::Follow() {
    const LogChange change = log_.Follow();
    if (change != LogChange::None) analysis_.Update(log_.Samples(), log_.Kept());
    return change;
}

std::string BatteryHistory::Summary() const {
    const LogReport& report = log_.Report();
    const std::string& path = log_.Path();
    switch (report.state) {
        case LogReport::State::Missing:
            return "There is no log file at " + path + ".";
        case LogReport::State::NotAFile:
            return path + " is not a log file: " + report.error + ".";
        case LogReport::State::DatesUnreadable:
            return "This system's dates cannot be read back (" + report.error + "); " +
                   Count(report.skipped, "line", "lines") + " skipped.";
        case LogReport::State::Unreadable:
        case LogReport::State::Read:
            break;
    }
    if (report.entries == 0 && report.skipped == 0) {
        return report.state == LogReport::State::Read
                   ? "The log is empty."
                   : "The log cannot be read: " + report.error + ".";
    }
    std::string text = Count(report.entries, "entry", "entries") + " read";
    if (report.skipped > 0) {
        text += ", " + Count(report.skipped, "line", "lines") +
                " skipped (not entries in this system's date and time format)";
    }
    if (analysis_.OutOfOrder() > 0) {
        text += ", " + Count(analysis_.OutOfOrder(), "entry", "entries") +
                " earlier than the one before (the clock was put back)";
    }
    if (report.bytesLeftOut > 0) {
        text += ", the first " + std::to_string((report.bytesLeftOut + (1 << 20) - 1) >> 20) +
                " MB of this large log left out";
    }
    if (report.state == LogReport::State::Unreadable) text += "; reading stopped: " + report.error;
    return text + ".";
}

}  // namespace tess
