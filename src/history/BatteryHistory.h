#pragma once

#include <string>
#include <vector>

#include "history/DischargeAnalysis.h"
#include "history/HistoryLog.h"

namespace tess {

// The battery history of one log file: its entries, followed as they are
// appended, and their analysis. What the history windows show; draw it with
// LayoutLevelChart and LayoutRuntimeChart (ChartGeometry.h).
class BatteryHistory {
public:
    // `format` is the one the log writer uses; it must outlive the history.
    explicit BatteryHistory(const DateTimeFormat& format) : log_(format) {}

    // Reads the log from its start, whole. Never throws on what the file holds.
    void Open(const std::string& path);
    // Names the log without reading any of it: Follow reads it.
    void Name(const std::string& path);
    // Takes in what was appended since (the whole file again when it was
    // replaced, cleared or shortened), `bytes` of the file and then more for
    // as long as `goOn` says (see HistoryLog::Follow); None when nothing
    // changed.
    LogChange Follow(std::uint64_t bytes = HistoryLog::kWholeFile,
                     const std::function<bool()>& goOn = {});
    // Whether the last Follow read up to the end of the file; until then the
    // entries and their analysis are those of the file's start.
    bool Caught() const { return log_.Caught(); }

    const std::vector<Sample>& Samples() const { return log_.Samples(); }
    const DischargeAnalysis& Analysis() const { return analysis_; }
    const LogReport& Report() const { return log_.Report(); }
    // One sentence on what was found: entries read, lines skipped, entries
    // out of order, or why there is nothing to show; while the file is read,
    // how much of it is.
    std::string Summary() const;

private:
    HistoryLog log_;
    DischargeAnalysis analysis_;
};

}  // namespace tess
