#include "history/HealthLedger.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "common/Error.h"

namespace tess {
namespace {

const ZonedMoment kTime{1'796'623'303, 3600};  // 2026-12-07T07:01:43+01:00
const std::string kHeader = std::string(kLedgerHeader) + "\r\n";

BatteryDetails Battery(std::string name, std::string model, std::string serial) {
    return {std::move(name), "SMP", std::move(model), std::move(serial), 57000,
            47310,           412,   "Li-ion"};
}

// Identities that a driver or a prankster may give, each read back as written.
TEST(HealthLedgerTest, HostileIdentitiesComeBackAsWritten) {
    test::TempDir dir;
    const std::string path = dir.File("state/Tessaline/Battery health.csv");
    const std::vector<BatteryDetails> batteries = {
        Battery("BAT0", "Model, \"Pro\"", "line\r\nbreak"),
        Battery("Akku \xC3\x9C\xE2\x80\x9D", "\"", ""),
        Battery(" spaced ", ",\n,", "\"\"\"\""),
        {"BAT1", "", "", "", std::nullopt, std::nullopt, std::nullopt, ""},
    };
    AppendToLedger(path, kTime, batteries);
    AppendToLedger(path, {kTime.utc + 86400, -18000}, {batteries[0]});

    const std::string start =
        kHeader + "2026-12-07T07:01:43+01:00,BAT0,SMP,\"Model, \"\"Pro\"\"\",\"line\r\nbreak\",";
    EXPECT_EQ(test::ReadAll(path).substr(0, start.size()), start);
    const HealthLedger ledger = ReadHealthLedger(path);
    EXPECT_EQ(ledger.report.state, LedgerReport::State::Read);
    EXPECT_EQ(ledger.report.skipped, 0u);
    ASSERT_EQ(ledger.rows.size(), 5u);
    for (std::size_t i = 0; i < batteries.size(); ++i) {
        EXPECT_EQ(ledger.rows[i], (LedgerRow{kTime, batteries[i]})) << i;
    }
    EXPECT_EQ(ledger.rows[4].time, (ZonedMoment{kTime.utc + 86400, -18000}));
}

// Each line is set among good records; it is skipped and counted, and the
// records around it are read.
TEST(HealthLedgerTest, LinesThatAreNoRecordAreSkippedAndCounted) {
    const std::string good = LedgerRecords(kTime, {Battery("BAT0", "M", "1")});
    const std::pair<const char*, std::string> bad[] = {
        {"FieldMissing", "2026-12-07T07:01:43+01:00,BAT0,SMP,M,1,57000,47310,412\r\n"},
        {"FieldExtra", "2026-12-07T07:01:43+01:00,BAT0,SMP,M,1,57000,47310,412,Li-ion,\r\n"},
        {"LocalDate", "12/7/2026 7:01:43 AM,BAT0,SMP,M,1,57000,47310,412,Li-ion\r\n"},
        {"NegativeCapacity", "2026-12-07T07:01:43+01:00,BAT0,SMP,M,1,-57000,47310,412,Li-ion\r\n"},
        {"DecimalCapacity", "2026-12-07T07:01:43+01:00,BAT0,SMP,M,1,57.5,47310,412,Li-ion\r\n"},
        {"WordForCycles", "2026-12-07T07:01:43+01:00,BAT0,SMP,M,1,57000,47310,many,Li-ion\r\n"},
        {"HugeNumber", "2026-12-07T07:01:43+01:00,BAT0,SMP,M,1,99999999999999999999,1,1,x\r\n"},
        {"QuoteNotClosed", "2026-12-07T07:01:43+01:00,\"BAT0,SMP,M,1,57000,47310,412,Li-ion\r\n"},
        {"TextAfterQuote",
         "2026-12-07T07:01:43+01:00,\"BAT0\"x,SMP,M,1,57000,47310,412,Li-ion\r\n"},
        {"QuoteInsideField", "2026-12-07T07:01:43+01:00,BA\"T0,SMP,M,1,57000,47310,412,Li-ion\r\n"},
        {"LoneCarriageReturn", "2026-12-07T07:01:43+01:00,BAT0\r,SMP,M,1,57000,47310,412,x\r\n"},
        {"Binary", std::string("\0\x01\xff\xfe,,\n", 7)},
        {"TooLong", std::string(5000, 'x') + "\r\n"},
    };
    test::TempDir dir;
    for (const auto& [name, line] : bad) {
        test::WriteAll(dir.File("ledger.csv"),
                       kHeader + good + line + good + "\r\n" + kHeader + good);
        const HealthLedger ledger = ReadHealthLedger(dir.File("ledger.csv"));
        EXPECT_EQ(ledger.report.rows, 3u) << name;
        EXPECT_EQ(ledger.report.skipped, 1u) << name;
    }
    // A last record cut short by a failed write is no record; nor is the
    // line the cut of a large file falls in.
    test::WriteAll(dir.File("ledger.csv"), kHeader + good + good.substr(0, good.size() - 2));
    EXPECT_EQ(ReadHealthLedger(dir.File("ledger.csv")).report.skipped, 1u);
    const HealthLedger cut = ReadHealthLedger(dir.File("ledger.csv"), good.size() + 10);
    EXPECT_EQ(cut.report.rows, 0u);
    EXPECT_EQ(cut.report.skipped, 1u);
    EXPECT_EQ(cut.report.bytesLeftOut, kHeader.size() + 2 * good.size() - 2 - (good.size() + 10));
}

TEST(HealthLedgerTest, WhatCannotBeReadOrWrittenIsSaid) {
    test::TempDir dir;
    EXPECT_EQ(ReadHealthLedger(dir.File("none.csv")).report.state, LedgerReport::State::Missing);
    EXPECT_EQ(ReadHealthLedger(dir.path().string()).report.state, LedgerReport::State::NotAFile);
    test::WriteAll(dir.File("file"), "");
    EXPECT_THROW(AppendToLedger(dir.File("file/ledger.csv"), kTime, {Battery("B", "", "")}), Error);
}

}  // namespace
}  // namespace tess
