#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "engine/DateTimeText.h"
#include "engine/LogFile.h"
#include "engine/PowerStatus.h"

namespace tess {

// What the logging engine needs of the main window: the path box and the log list.
class LogView {
public:
    virtual ~LogView() = default;
    virtual std::string LogPath() const = 0;
    virtual void AddEntry(const std::string& line) = 0;
};

// Who asks for an entry: the user (the log-now button, the switch turned on),
// or automatic logging (its ticks, and its restart at start-up).
enum class EntryRequest { User, Automatic };

// Writes log entries: one power sample, one line in the file, one row in the list.
class IntervalSave {
public:
    struct Services {
        PowerSource& power;
        const Clock& clock;
        const DateTimeFormat& format;
        LogWriter& writer;
        LogView& view;
        Dialogs& dialogs;
    };

    explicit IntervalSave(const Services& services) : s_(services) {}

    // Samples, appends to the log file, then adds the line to the list; an entry
    // that the file refused adds no row. Failures are reported, except that an
    // automatic entry keeps quiet about a failure reported for the failed entry
    // just before it: a log that cannot be written is reported once, not every
    // second, and again when the failure changes or after an entry succeeded.
    // The user's entries are always reported.
    void LogBatteryNow(EntryRequest request = EntryRequest::User);

    // "H Hours, M Minutes, S Seconds".
    static std::string strBatTime(const std::int32_t& seconds);

    // Appends one entry to the file named in the path box.
    void AppendLogLine(const std::string& line);

private:
    Services s_;
    // The reports of the entry before, when it failed.
    std::vector<std::string> failedBefore_;
};

}  // namespace tess
