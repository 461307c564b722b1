#pragma once

#include <cstdint>
#include <string>

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

    // Samples, appends to the log file, then adds the line to the list. Failures
    // are reported; the entry still reaches the list when the file refused it.
    void LogBatteryNow();

    // "H Hours, M Minutes, S Seconds".
    static std::string strBatTime(const std::int32_t& seconds);

    // Appends one entry to the file named in the path box.
    void AppendLogLine(const std::string& line);

private:
    Services s_;
};

}  // namespace tess
