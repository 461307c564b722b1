#include "history/DischargeAnalysis.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "SampleScript.h"
#include "ScriptedLog.h"
#include "common/CivilTime.h"
#include "history/BatteryHistory.h"
#include "history/ChartGeometry.h"

namespace tess {
namespace {

using namespace test;

// Everything the analysis found, as text to compare.
std::string Outline(const DischargeAnalysis& a) {
    std::ostringstream out;
    for (const DischargeSession& s : a.Sessions())
        out << s.first << "-" << s.last << ":" << s.fullChargeHours << " ";
    for (const AcSpan& s : a.AcSpans()) out << s.start << "-" << s.end << " ";
    for (const WeekRuntime& w : a.Weeks()) out << w.weekStart << ":" << w.medianHours << " ";
    out << a.OutOfOrder() << " " << a.OutOfPlace() << " " << a.Earliest() << " " << a.Latest();
    return out.str();
}

DischargeAnalysis Analyse(const std::vector<Sample>& samples) {
    DischargeAnalysis analysis;
    analysis.Update(samples, 0);
    return analysis;
}

// A log written by the logging engine, read back: 10 % an hour for five hours
// is a full charge in ten hours.
TEST(DischargeAnalysisTest, AKnownDrainGivesAKnownRuntime) {
    const test::UsDateTimeFormat format;
    test::ScriptedLog log(format);
    const std::int64_t start = kMonday + 8 * kHour;
    for (std::int64_t t = start - kHour; t < start; t += 60) log.Ac(t);
    for (std::int64_t t = start; t <= start + 5 * kHour; t += 60) {
        log.Battery(t, 100 - static_cast<int>((t - start) / 360), 36000 - (t - start));
    }
    for (std::int64_t t = start + 5 * kHour + 60; t < start + 6 * kHour; t += 60) log.Ac(t);
    const auto history = ReadBack(log.text, format);

    const DischargeAnalysis& analysis = history->Analysis();
    ASSERT_EQ(analysis.Sessions().size(), 1u);
    const DischargeSession& session = analysis.Sessions()[0];
    EXPECT_EQ(session.start, start);
    EXPECT_EQ(session.Duration(), 5 * kHour);
    EXPECT_EQ(session.firstPercent, 100);
    EXPECT_EQ(session.lastPercent, 50);
    EXPECT_DOUBLE_EQ(session.drainPerHour, 10.0);
    EXPECT_DOUBLE_EQ(session.fullChargeHours, 10.0);
    EXPECT_EQ(analysis.AcSpans().size(), 2u);
    ASSERT_EQ(analysis.Weeks().size(), 1u);
    EXPECT_EQ(analysis.Weeks()[0].weekStart, kMonday);
    EXPECT_DOUBLE_EQ(analysis.Weeks()[0].medianHours, 10.0);
}

struct Split {
    std::string name;
    std::vector<Sample> samples;
    std::size_t sessions;
    std::size_t outOfOrder;
};

std::vector<Split> Splits() {
    const std::int64_t t = kMonday + 9 * kHour;
    std::vector<Split> splits;
    auto add = [&](std::string name, std::size_t sessions, std::size_t outOfOrder, auto build) {
        std::vector<Sample> samples;
        build(samples);
        splits.push_back({std::move(name), std::move(samples), sessions, outOfOrder});
    };
    add("SleepInsideADischarge", 2, 0, [&](auto& s) {
        Discharge(s, t, kHour, 90, 10);
        Discharge(s, t + 3 * kHour, kHour, 80, 10);
    });
    add("TheIntervalChanges", 1, 0, [&](auto& s) {
        Discharge(s, t, kHour, 90, 10, 60);
        Discharge(s, t + kHour + 300, 2 * kHour, 80, 20, 300);
        Discharge(s, t + 3 * kHour + 360, kHour, 60, 10, 5);
    });
    add("EverySecondWithSlowWrites", 1, 0, [&](auto& s) {
        for (std::int64_t i = 0; i < 600; ++i) s.push_back(Battery(t + i + i / 3, 90 - i / 60));
    });
    add("TheClockPutBack", 2, 1, [&](auto& s) {
        Discharge(s, t, kHour, 90, 10);
        Discharge(s, t, kHour, 80, 10);
    });
    add("AnUnknownCharge", 2, 0, [&](auto& s) {
        Discharge(s, t, kHour, 90, 10);
        s.push_back(Battery(t + kHour + 60, 255));
        Discharge(s, t + kHour + 120, kHour, 80, 10);
    });
    add("LongerThanAnyInterval", 2, 0, [&](auto& s) {
        s.push_back(Battery(t, 90));
        s.push_back(Battery(t + 26 * kHour, 80));
    });
    return splits;
}

class DischargeSplit : public ::testing::TestWithParam<Split> {};

TEST_P(DischargeSplit, SessionsEndWhereTheyShould) {
    const DischargeAnalysis analysis = Analyse(GetParam().samples);
    EXPECT_EQ(analysis.Sessions().size(), GetParam().sessions);
    EXPECT_EQ(analysis.OutOfOrder(), GetParam().outOfOrder);
}

INSTANTIATE_TEST_SUITE_P(Logs, DischargeSplit, ::testing::ValuesIn(Splits()),
                         [](const auto& info) { return info.param.name; });

// An hour's discharge logged every minute, and lines of a wrong clock among
// them (a clock reset to 2000 for a moment, a clock in the future): each is
// counted and said, and neither splits the session nor widens the chart.
struct WrongClock {
    std::string name;
    std::vector<std::pair<int, std::int64_t>> wrong;  // after which entry, at what time
    std::string found;
};

class DischargeWrongClock : public ::testing::TestWithParam<WrongClock> {};

TEST_P(DischargeWrongClock, EntriesOutOfTimeAreLeftOut) {
    constexpr std::int64_t kReset = 946'684'800;  // 1 January 2000, 00:00
    const std::int64_t start = kMonday + 9 * kHour;
    const test::UsDateTimeFormat format;
    test::ScriptedLog log(format);
    log.Ac(start - 60);
    for (int i = 0; i <= 60; ++i) {
        log.Battery(start + 60 * i, 90 - i / 6);
        for (const auto& [after, when] : GetParam().wrong) {
            if (after == i) log.Battery(when == 0 ? kReset : when, 50);
        }
    }
    const auto history = ReadBack(log.text, format);

    const DischargeAnalysis& analysis = history->Analysis();
    ASSERT_EQ(analysis.Sessions().size(), 1u);
    EXPECT_EQ(analysis.Sessions()[0].Duration(), kHour);
    EXPECT_EQ(analysis.Sessions()[0].lastPercent, 80);
    EXPECT_EQ(analysis.Earliest(), start - 60);
    EXPECT_EQ(analysis.Latest(), start + kHour);
    EXPECT_EQ(history->Summary(), GetParam().found);
    const LevelChart chart = LayoutLevelChart(history->Samples(), analysis, ChartRange::All,
                                              {600, 101, 120, 24}, format);
    EXPECT_EQ(chart.scale.from, start - 60);
    EXPECT_EQ(chart.lineStarts.size(), 1u);
    EXPECT_TRUE(std::is_sorted(chart.columns.begin(), chart.columns.end(),
                               [](const LevelColumn& a, const LevelColumn& b) { return a.x < b.x; }));
}

INSTANTIATE_TEST_SUITE_P(
    Logs, DischargeWrongClock,
    ::testing::Values(
        WrongClock{"ResetForAnEntry", {{30, 0}},
                   "63 entries read, 1 entry out of time with its neighbours (left out)."},
        WrongClock{"ResetForTwoEntries", {{20, 0}, {20, 0}},
                   "64 entries read, 2 entries out of time with their neighbours (left out)."},
        WrongClock{"InTheFuture", {{40, kMonday + 400 * kDay}},
                   "63 entries read, 1 entry out of time with its neighbours (left out)."},
        WrongClock{"AMinuteBehind", {{10, kMonday + 9 * kHour + 540}},
                   "63 entries read, 1 entry out of time with its neighbours (left out)."},
        WrongClock{"ResetAtTheEnd", {{60, 0}},
                   "63 entries read, 1 entry out of time with its neighbours (left out)."}),
    [](const auto& info) { return info.param.name; });

TEST(DischargeAnalysisTest, EachWeekHasTheMedianRuntimeOfItsSessions) {
    std::vector<Sample> samples;
    const auto session = [&](std::int64_t day, int drop, double hours) {
        samples.push_back(Ac(kMonday + day * kDay));
        Discharge(samples, kMonday + day * kDay + 60, static_cast<std::int64_t>(hours * kHour),
                  100, drop);
    };
    session(0, 50, 4);  // 8 hours a charge
    session(2, 40, 5);  // 12.5
    session(4, 20, 2);  // 10
    session(5, 3, 1);   // too small a drop to count
    session(7, 50, 3);  // next week: 6
    session(8, 50, 4);  // 8
    samples.push_back(Ac(kMonday + 9 * kDay));
    const DischargeAnalysis analysis = Analyse(samples);
    ASSERT_EQ(analysis.Sessions().size(), 6u);
    EXPECT_NEAR(analysis.Sessions()[3].fullChargeHours, 100 / 3.0, 1e-9);
    const std::vector<WeekRuntime> weeks = analysis.Weeks();
    ASSERT_EQ(weeks.size(), 2u);
    EXPECT_EQ(weeks[0].weekStart, kMonday);
    EXPECT_EQ(weeks[0].sessions, 3u);
    EXPECT_NEAR(weeks[0].medianHours, 10, 1e-9);
    EXPECT_EQ(weeks[1].weekStart, kMonday + 7 * kDay);
    EXPECT_NEAR(weeks[1].medianHours, 7, 1e-9);
}

// A charger that comes and goes while logging every second: a session of two
// entries every three seconds, a hundred thousand of them in one week. Taken in
// at a cost that grows with the log, this is a moment's work (and hours when
// each session's week sorts its runtimes again).
TEST(DischargeAnalysisTest, AWeekOfManyShortSessionsIsTakenInAtOnce) {
    std::vector<Sample> samples;
    for (std::int64_t i = 0; i < 100000; ++i) {
        samples.push_back(Ac(kMonday + 3 * i));
        samples.push_back(Battery(kMonday + 3 * i + 1, 100));
        samples.push_back(Battery(kMonday + 3 * i + 2, 1));
    }
    const DischargeAnalysis analysis = Analyse(samples);
    EXPECT_EQ(analysis.Sessions().size(), 100000u);
    const std::vector<WeekRuntime> weeks = analysis.Weeks();
    ASSERT_EQ(weeks.size(), 1u);
    EXPECT_EQ(weeks[0].sessions, 100000u);
    EXPECT_NEAR(weeks[0].medianHours, 100 / (99 * 3600.0), 1e-12);
}

// Taking samples in one at a time, with the last one sometimes taken back (a
// line caught half written), ends where reading them all at once does.
TEST(DischargeAnalysisTest, FollowingTheLogEndsWhereReadingItWholeDoes) {
    std::vector<Sample> all;
    std::int64_t t = kMonday;
    for (int i = 0; i < 3000; ++i) {
        const int phase = i % 300;
        if (i % 977 == 0) t -= 2 * kHour;                       // the clock put back
        t += phase == 150 ? 3 * kHour : (i < 1620 ? 60 : 300);  // sleep, then a longer interval
        all.push_back(phase < 40 ? Ac(t) : Battery(t, 100 - (phase - 40) / 3));
        if (i % 401 == 200) all.push_back(Battery(kMonday - 300 * kDay, 50));  // a clock reset
    }
    DischargeAnalysis followed;
    std::vector<Sample> growing;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i % 7 == 3) {
            growing.push_back(all[i]);
            followed.Update(growing, growing.size() - 1);
            growing.pop_back();
            followed.Update(growing, growing.size());
        }
        growing.push_back(all[i]);
        followed.Update(growing, growing.size() - 1);
    }
    const DischargeAnalysis whole = Analyse(all);
    EXPECT_GT(whole.OutOfOrder(), 0u);
    EXPECT_GT(whole.OutOfPlace(), 0u);
    EXPECT_EQ(Outline(followed), Outline(whole));
}

}  // namespace
}  // namespace tess
