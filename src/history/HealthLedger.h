#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/ZonedTime.h"
#include "engine/BatteryDetails.h"

namespace tess {

// The battery health ledger: a CSV file (RFC 4180, UTF-8, CR LF) beside the
// log, never in it. A header line names the columns; then one record per
// battery per sample: the time in ISO 8601 with its offset, the battery's
// name, maker, model and serial number, its design and full-charge capacity in
// mWh and its cycle count (each empty where the battery does not give it), and
// its chemistry.

inline constexpr const char* kLedgerFileName = "Battery health.csv";
inline constexpr const char* kLedgerHeader =
    "Time,Name,Manufacturer,Model,Serial number,Design capacity (mWh),"
    "Full charge capacity (mWh),Cycle count,Chemistry";

// One battery at one sample.
struct LedgerRow {
    ZonedMoment time;
    BatteryDetails battery;
    friend bool operator==(const LedgerRow&, const LedgerRow&) = default;
};

// The records of one sample, one per battery, each with its CR LF.
std::string LedgerRecords(const ZonedMoment& time, const std::vector<BatteryDetails>& batteries);

// Appends the records of one sample to the ledger at `path` (UTF-8) in one
// durable write of whole lines, after the header line when the file is new or
// empty; makes the ledger's folder when it is missing. Throws tess::Error with
// the platform's description on failure.
void AppendToLedger(const std::string& path, const ZonedMoment& time,
                    const std::vector<BatteryDetails>& batteries);

// What reading the ledger found.
struct LedgerReport {
    enum class State {
        Read,        // the file was read (it may hold no row)
        Missing,     // no file at the path
        NotAFile,    // a folder, a pipe or a device
        Unreadable,  // opening or reading failed; `error` says why
    };
    State state = State::Missing;
    std::string error;
    std::size_t rows = 0;
    std::size_t skipped = 0;         // lines that are no record of the ledger
    std::uint64_t bytesLeftOut = 0;  // the start of a very large file, not read
};

struct HealthLedger {
    std::vector<LedgerRow> rows;  // in the file's order
    LedgerReport report;
};

// Reads the ledger at `path`. A line that is not a record the ledger writes
// (a missing or extra field, a time or number in another form, a quote not
// closed, a last line cut short) is skipped and counted, never guessed at;
// blank lines and header lines are passed over. Of a file larger than
// `maxBytes`, the last `maxBytes` are read. Never throws.
HealthLedger ReadHealthLedger(const std::string& path, std::uint64_t maxBytes = 16u << 20);

}  // namespace tess
