#include "history/BatteryHistory.h"

namespace tess {

namespace {
std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Whole megabytes, rounded up.
std::string Megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20);
}
}  // namespace

void BatteryHistory::Open(const std::string& path) {
    Name(path);
    Follow();
}

void BatteryHistory::Name(const std::string& path) {
    log_.Name(path);
    analysis_ = {};
}

LogChange BatteryHistory::Follow(std::uint64_t bytes, const std::function<bool()>& goOn) {
    const LogChange change = log_.Follow(bytes, goOn);
    if (change != LogChange::None) analysis_.Update(log_.Samples(), log_.Kept());
    return change;
}

std::string BatteryHistory::Summary() const {
    const LogReport& report = log_.Report();
    const std::string& path = log_.Path();
    if (!log_.Caught()) {
        return "Reading the log: " + Megabytes(log_.BytesRead()) + " of " +
               Megabytes(log_.BytesToRead()) + " MB...";
    }
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
    if (analysis_.OutOfPlace() > 0) {
        text += ", " + Count(analysis_.OutOfPlace(), "entry", "entries") + " out of time with " +
                (analysis_.OutOfPlace() == 1 ? "its" : "their") + " neighbours (left out)";
    }
    if (analysis_.OutOfOrder() > 0) {
        text += ", " + Count(analysis_.OutOfOrder(), "entry", "entries") +
                " earlier than the one before (the clock was put back)";
    }
    if (report.bytesLeftOut > 0) {
        text += ", the first " + Megabytes(report.bytesLeftOut) + " MB of this large log left out";
    }
    if (report.state == LogReport::State::Unreadable) text += "; reading stopped: " + report.error;
    return text + ".";
}

}  // namespace tess
