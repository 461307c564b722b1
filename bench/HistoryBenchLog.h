#pragma once

// The large log of the history benches: written by IntervalSave in US English,
// one entry a minute: two hours on the charger, then eight hours draining, a
// little faster each week.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "FakeClock.h"
#include "ScriptedLog.h"

namespace bench {

inline constexpr std::int64_t kLogStart = 1'767'225'600;  // 1 January 2026, 00:00
inline constexpr int kLogCycle = 600;                     // entries: 120 on AC, 480 on battery

// The i-th entry of the log.
inline void AddLogEntry(tess::test::ScriptedLog& log, long i) {
    const std::int64_t when = kLogStart + std::int64_t{i} * 60;
    const long inCycle = i % kLogCycle;
    if (inCycle < 120) return log.Ac(when);
    // Drains 1 % every 5 minutes in the first week, a little faster each week after.
    const double week = static_cast<double>(i) / (7 * 24 * 60);
    const int percent =
        std::max(0, 100 - static_cast<int>((inCycle - 120) / 5.0 * (1 + week / 50)));
    log.Battery(when, percent, percent * 300);
}

// The i-th entry of a log of many short sessions: a charger that comes and
// goes while logging every second, the charge read as 100 % and then 1 %.
inline void AddShortSessionEntry(tess::test::ScriptedLog& log, long i) {
    const std::int64_t when = kLogStart + i;
    if (i % 3 == 0) return log.Ac(when);
    log.Battery(when, i % 3 == 1 ? 100 : 1);
}

inline void WriteLog(const std::filesystem::path& path, long entries,
                     const tess::DateTimeFormat& format,
                     void (*entry)(tess::test::ScriptedLog&, long) = AddLogEntry) {
    std::ofstream out(path, std::ios::binary);
    tess::test::ScriptedLog log(format);
    for (long i = 0; i < entries; ++i) {
        entry(log, i);
        if (log.text.size() > (1 << 20)) {
            out << log.text;
            log.text.clear();
        }
    }
    out << log.text;
}

// Appends the i-th entry to the log, as the writer does.
inline void AppendLogEntry(const std::filesystem::path& path, long i,
                           const tess::DateTimeFormat& format) {
    tess::test::ScriptedLog log(format);
    AddLogEntry(log, i);
    std::ofstream(path, std::ios::binary | std::ios::app) << log.text;
}

}  // namespace bench
