#include "history/HealthLedger.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "common/Error.h"
#include "common/Files.h"
#include "engine/LogFile.h"
#include "engine/Utf8Text.h"
#include "history/Csv.h"
#include "history/ReadOnlyFile.h"

namespace tess {

namespace {

enum Column { kTime, kName, kManufacturer, kModel, kSerial, kDesign, kFull, kCycles, kChemistry };
constexpr std::size_t kColumns = 9;
// A record is a few hundred bytes at most; a longer one is no record of ours.
constexpr std::size_t kMaxRecordBytes = 4096;
// More digits than any capacity or count has.
constexpr std::size_t kMaxDigits = 15;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Number(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

// An empty field, or decimal digits alone; false for anything else.
bool ReadNumber(const std::string& field, std::optional<std::int64_t>& value) {
    value.reset();
    if (field.empty()) return true;
    if (field.size() > kMaxDigits) return false;
    std::int64_t number = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, number);
    if (error != std::errc() || stop != end || field.front() == '-') return false;
    value = number;
    return true;
}

std::string Text(const std::string& field) {
    std::string text;
    AppendWellFormedUtf8(field, text);
    return text;
}

std::optional<LedgerRow> ReadRow(const std::vector<std::string>& fields) {
    if (fields.size() != kColumns) return std::nullopt;
    LedgerRow row;
    const auto time = ReadIsoText(fields[kTime]);
    if (!time) return std::nullopt;
    row.time = *time;
    BatteryDetails& battery = row.battery;
    if (!ReadNumber(fields[kDesign], battery.designCapacity) ||
        !ReadNumber(fields[kFull], battery.fullChargeCapacity) ||
        !ReadNumber(fields[kCycles], battery.cycleCount)) {
        return std::nullopt;
    }
    battery.name = Text(fields[kName]);
    battery.manufacturer = Text(fields[kManufacturer]);
    battery.model = Text(fields[kModel]);
    battery.serial = Text(fields[kSerial]);
    battery.chemistry = Text(fields[kChemistry]);
    return row;
}

bool IsHeader(const std::vector<std::string>& fields) {
    return CsvRecord(fields) == std::string(kLedgerHeader) + "\r\n";
}

bool IsBlank(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].empty();
}

}  // namespace

std::string LedgerRecords(const ZonedMoment& time, const std::vector<BatteryDetails>& batteries) {
    std::string records;
    for (const BatteryDetails& battery : batteries) {
        records += CsvRecord({IsoText(time), battery.name, battery.manufacturer, battery.model,
                              battery.serial, Number(battery.designCapacity),
                              Number(battery.fullChargeCapacity), Number(battery.cycleCount),
                              battery.chemistry});
    }
    return records;
}

void AppendToLedger(const std::string& path, const ZonedMoment& time,
                    const std::vector<BatteryDetails>& batteries) {
    std::filesystem::path file;
    try {
        file = Utf8Path(path);
    } catch (const std::filesystem::filesystem_error& error) {
        throw Error(error.code().message());
    }
    std::error_code error;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const bool fresh = error || size == 0;
    AppendDurably(path, (fresh ? std::string(kLedgerHeader) + "\r\n" : std::string()) +
                            LedgerRecords(time, batteries));
}

HealthLedger ReadHealthLedger(const std::string& path, std::uint64_t maxBytes) {
    HealthLedger ledger;
    LedgerReport& report = ledger.report;
    ReadOnlyFile file(path);
    switch (file.GetState()) {
        case ReadOnlyFile::State::Open:
            break;
        case ReadOnlyFile::State::Missing:
            report.state = LedgerReport::State::Missing;
            return ledger;
        case ReadOnlyFile::State::NotAFile:
            report.state = LedgerReport::State::NotAFile;
            report.error = file.Error();
            return ledger;
        case ReadOnlyFile::State::Failed:
            report.state = LedgerReport::State::Unreadable;
            report.error = file.Error();
            return ledger;
    }
    report.state = LedgerReport::State::Read;
    const std::uint64_t start = file.Size() > maxBytes ? file.Size() - maxBytes : 0;
    report.bytesLeftOut = start;
    std::string text(static_cast<std::size_t>(file.Size() - start), '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const std::int64_t read = file.ReadAt(start + got, text.data() + got, text.size() - got);
        if (read < 0) {
            report.state = LedgerReport::State::Unreadable;
            report.error = file.Error();
            break;
        }
        if (read == 0) break;
        got += static_cast<std::size_t>(read);
    }
    text.resize(got);
    std::string_view rest(text);
    if (start > 0) {
        // The line that the cut falls in is no whole record.
        const std::size_t lineEnd = rest.find('\n');
        rest.remove_prefix(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1);
    } else if (rest.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        rest.remove_prefix(kByteOrderMark.size());
    }

    CsvReader reader(rest, kMaxRecordBytes);
    std::vector<std::string> fields;
    for (CsvReader::Result result; (result = reader.Next(fields)) != CsvReader::Result::End;) {
        if (result == CsvReader::Result::Record && (IsBlank(fields) || IsHeader(fields))) continue;
        const auto row =
            result == CsvReader::Result::Record ? ReadRow(fields) : std::optional<LedgerRow>();
        if (row) {
            ledger.rows.push_back(*row);
        } else {
            ++report.skipped;
        }
    }
    report.rows = ledger.rows.size();
    return ledger;
}

}  // namespace tess
