#include "ui/history/HealthText.h"

#include <gtest/gtest.h>

#include <vector>

#include "FakeClock.h"
#include "ScriptedLog.h"
#include "TempDir.h"
#include "common/CivilTime.h"
#include "history/BatteryHistory.h"

namespace tess {
namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kMonday = 1'796'601'600;  // 7 December 2026

LedgerRow Row(const char* name, LocalDateTime when, std::optional<std::int64_t> design,
              std::int64_t full, std::optional<std::int64_t> cycles) {
    return {{SecondsOf(when) - 7200, 7200}, {name, "SMP", "M", "1", design, full, cycles, "LION"}};
}

// Ledgers built for the purpose, a sentence for each battery in them.
TEST(HealthTextTest, CapacitySentences) {
    const test::UsDateTimeFormat format;
    const struct {
        std::vector<LedgerRow> rows;
        std::vector<const char*> sentences;
    } cases[] = {
        {{Row("BAT0", {2026, 1, 10, 9}, 50000, 45000, 300),
          Row("BAT0", {2026, 2, 1, 9}, 50000, 44000, 320),
          Row("BAT0", {2026, 4, 1, 9}, 50000, 43000, 350),
          Row("BAT0", {2026, 7, 20, 9}, 50000, 41500, 412)},
         {"This battery holds 83 % of its design capacity after 412 cycles; it lost 7 points in "
          "the last six months."}},
        {{Row("BAT0", {2026, 5, 1, 9}, 50000, 42500, std::nullopt),
          Row("BAT1", {2026, 5, 1, 9}, 20000, 19000, 1),
          Row("BAT0", {2026, 7, 1, 9}, 50000, 41500, std::nullopt),
          Row("BAT1", {2026, 7, 1, 9}, 20000, 19200, 1)},
         {"This battery holds 83 % of its design capacity; it lost 2 points since 5/1/2026.",
          "This battery holds 96 % of its design capacity after 1 cycle; it gained 1 point since "
          "5/1/2026."}},
        {{Row("BAT0", {2026, 1, 31, 9}, 50000, 44000, 10),
          Row("BAT0", {2026, 7, 31, 9}, 50000, 44000, 20)},
         {"This battery holds 88 % of its design capacity after 20 cycles; it lost no points in "
          "the last six months."}},
        {{Row("BAT0", {2026, 7, 31, 9}, 50000, 50000, std::nullopt),
          Row("BAT1", {2026, 7, 31, 9}, std::nullopt, 50000, std::nullopt)},
         {"This battery holds 100 % of its design capacity.",
          "This battery does not give its design capacity."}},
    };
    for (const auto& c : cases) {
        const std::vector<BatteryCapacity> batteries = CapacityHistory(c.rows);
        ASSERT_EQ(batteries.size(), c.sentences.size());
        for (std::size_t i = 0; i < batteries.size(); ++i) {
            EXPECT_EQ(HealthSentence(batteries[i], format), c.sentences[i]);
        }
    }
}

// A log built for the purpose: an older session, one of 15 %/h whose logged
// time left was 1.2 times what followed, a gap of 6 h that cost 3 points, and
// one of 12 points in an hour that ends at 55 % with 2 h 55 min logged. The
// last 7 days drained 42 points in 3 hours: 14 %/h.
TEST(HealthTextTest, EstimatesOnALogBuiltForThePurpose) {
    const test::UsDateTimeFormat format;
    test::ScriptedLog log(format);
    const std::int64_t start = kMonday + 8 * kHour;
    for (int i = 0; i <= 60; ++i) log.Battery(start - 10 * 24 * kHour + i * 120, 100 - i);
    for (int p = 100; p >= 70; --p) log.Battery(start + (100 - p) * 240, p, 288 * p);
    for (int i = 0; i <= 12; ++i) {
        log.Battery(start + 8 * kHour + i * 300, 67 - i, i == 12 ? 10500 : -1);
    }
    test::TempDir dir;
    test::WriteAll(dir.File("log.txt"), log.text);
    BatteryHistory history(format);
    history.Open(dir.File("log.txt"));

    EXPECT_EQ(SteadyEstimateSentence(*SteadyEstimateOf(history.Samples(), history.Analysis())),
              "At the drain of the last 7 days, 55 % lasts about 3 h 56 min (the time left last "
              "logged: 2 h 55 min).");
    EXPECT_EQ(TimeLeftSentence(*CheckTimeLeft(history.Samples(), history.Analysis())),
              "The time left that the platform logged was 20 % longer than what followed (median "
              "of 26 entries).");
    EXPECT_EQ(GapLossSentence(GapLosses(history.Analysis())),
              "While nothing was logged (sleep, shutdown, the program closed), the charge fell by "
              "at least 0.5 %/h (median of 1 gap).");

    log.Ac(start + 9 * kHour + 600);
    test::WriteAll(dir.File("log.txt"), log.text);
    history.Open(dir.File("log.txt"));
    EXPECT_EQ(SteadyEstimateSentence(*SteadyEstimateOf(history.Samples(), history.Analysis())),
              "At the drain of the last 7 days, a full charge lasts about 7 h 09 min.");
}

TEST(HealthTextTest, FiguresInWords) {
    const test::UsDateTimeFormat format;
    const std::pair<std::string, const char*> cases[] = {
        {RuntimeSentence({13.75, 1, 7.2727, 0.8, 9.0909}),
         "At the median drain of the last 4 weeks (13.8 %/h), a full charge lasts 7 h 16 min now "
         "and would last 9 h 05 min at design capacity."},
        {RuntimeSentence({12.5, 3, 8, std::nullopt, std::nullopt}),
         "At the median drain of the last 4 weeks (12.5 %/h), a full charge lasts 8 h 00 min."},
        {RuntimeSplitSentence({kMonday, kMonday + 70 * 86400, 10, 7.2727, 2, 0.7273}, format),
         "Since the week of 12/7/2026 a full charge went from 10 h 00 min to 7 h 16 min: wear "
         "took 2 h 00 min and heavier use took 44 min."},
        {RuntimeSplitSentence({kMonday, kMonday, 7, 8, -0.25, -0.75}, format),
         "Since the week of 12/7/2026 a full charge went from 7 h 00 min to 8 h 00 min: a larger "
         "capacity gave back 15 min and lighter use gave back 45 min."},
        {TimeLeftSentence({0.9, 1}),
         "The time left that the platform logged was 10 % shorter than what followed (median of 1 "
         "entry)."},
        {TimeLeftSentence({1.004, 3}),
         "The time left that the platform logged matched what followed (median of 3 entries)."},
        {GapLossSentence({}), "No gap in the log was followed by a lower charge on battery."},
        {BatteryLabel({"BAT0", "SMP", "5B10W13", "1234"}), "BAT0 (SMP, 5B10W13, serial 1234)"},
        {BatteryLabel({"BAT0", "", "", ""}), "BAT0"},
        {BatteryLabel({"", "SMP", "", ""}), "SMP"},
        {BatteryLabel({}), "Battery"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(HealthTextTest, WhatTheLedgerHolds) {
    using S = LedgerReport::State;
    const std::pair<LedgerReport, std::string> cases[] = {
        {{S::Missing, "", 0, 0, 0}, NoLedgerText()},
        {{S::Read, "", 0, 0, 0}, NoLedgerText()},
        {{S::Read, "", 12, 1, 0}, "12 health records read, 1 line skipped (not health records)."},
        {{S::Read, "", 1, 0, 3 << 20},
         "1 health record read, the first 3 MB of this large record left out."},
        {{S::NotAFile, "Is a directory", 0, 0, 0},
         "/h.csv is not a battery health record: Is a directory."},
        {{S::Unreadable, "Permission denied", 0, 0, 0},
         "The battery health record cannot be read: Permission denied."},
        {{S::Unreadable, "I/O error", 3, 0, 0},
         "3 health records read; reading stopped: I/O error."},
    };
    for (const auto& [report, expected] : cases)
        EXPECT_EQ(LedgerSummary(report, "/h.csv"), expected);
    EXPECT_EQ(NoLedgerText(),
              "There is no battery health record yet (Tessaline notes each battery's capacity once "
              "a day where the system gives it): the figures here come from the log alone.");
}

}  // namespace
}  // namespace tess
