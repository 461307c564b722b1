#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "SampleScript.h"
#include "ScriptedLog.h"
#include "common/CivilTime.h"
#include "history/ChartGeometry.h"

// Run in a time zone that puts its clocks forward on the last Sunday of March
// and back on the last Sunday of October, at 01:00 UTC (Central European
// Time): the log's times are local and carry no zone.
namespace tess {
namespace {

using test::kHour;

std::int64_t Local(int month, int day, int hour, int minute) {
    return DaysFromCivil(2026, month, day) * kSecondsPerDay + hour * kHour + minute * 60;
}

// A discharge logged every ten minutes across a change of the clock, at the
// local times a clock of the zone shows: one session, of its true length,
// its start and end as the log gives them.
struct Change {
    std::string name;
    std::vector<std::int64_t> times;
    std::int64_t duration;
};

std::vector<std::int64_t> EveryTenMinutes(std::int64_t from, std::int64_t to) {
    std::vector<std::int64_t> times;
    for (std::int64_t t = from; t <= to; t += 600) times.push_back(t);
    return times;
}

std::vector<Change> Changes() {
    std::vector<std::int64_t> spring = EveryTenMinutes(Local(3, 29, 1, 0), Local(3, 29, 1, 50));
    for (const std::int64_t t : EveryTenMinutes(Local(3, 29, 3, 0), Local(3, 29, 4, 0)))
        spring.push_back(t);
    std::vector<std::int64_t> autumn = EveryTenMinutes(Local(10, 25, 1, 0), Local(10, 25, 2, 50));
    for (const std::int64_t t : EveryTenMinutes(Local(10, 25, 2, 0), Local(10, 25, 3, 0)))
        autumn.push_back(t);
    return {{"ForwardInSpring", spring, 2 * kHour}, {"BackInAutumn", autumn, 3 * kHour}};
}

class DaylightSaving : public ::testing::TestWithParam<Change> {};

TEST_P(DaylightSaving, ASessionRunsAcrossAChangeOfTheClock) {
    const test::UsDateTimeFormat format;
    test::ScriptedLog log(format);
    const std::vector<std::int64_t>& times = GetParam().times;
    for (std::size_t i = 0; i < times.size(); ++i) {
        log.Battery(times[i], 90 - static_cast<int>(i));
    }
    const auto history = test::ReadBack(log.text, format);

    const DischargeAnalysis& analysis = history->Analysis();
    EXPECT_EQ(analysis.OutOfOrder(), 0u);
    EXPECT_EQ(analysis.OutOfPlace(), 0u);
    ASSERT_EQ(analysis.Sessions().size(), 1u);
    const DischargeSession& session = analysis.Sessions()[0];
    EXPECT_EQ(session.Duration(), GetParam().duration);
    EXPECT_EQ(session.LocalStart(), times.front());
    EXPECT_EQ(session.LocalEnd(), times.back());
}

INSTANTIATE_TEST_SUITE_P(Zone, DaylightSaving, ::testing::ValuesIn(Changes()),
                         [](const auto& info) { return info.param.name; });

// The chart's time axis runs in true time and names the local hours: the
// hour that the clock skips has no tick, and the others stand an hour apart.
TEST(DaylightSavingTest, TheTimeAxisNamesTheLocalHours) {
    const std::int64_t from = Local(3, 29, 0, 0);  // 00:00 UTC, 01:00 on the local clock
    const test::UsDateTimeFormat format;
    const std::vector<AxisTick> ticks = TimeTicks({from, from + 3 * kHour, 301}, 90, 1, format);
    std::vector<std::string> labels;
    std::vector<int> at;
    for (const AxisTick& tick : ticks) {
        labels.push_back(tick.label);
        at.push_back(tick.at);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"1:00:00 AM", "3:00:00 AM", "4:00:00 AM",
                                                 "5:00:00 AM"}));
    EXPECT_EQ(at, (std::vector<int>{0, 100, 200, 300}));
}

}  // namespace
}  // namespace tess
