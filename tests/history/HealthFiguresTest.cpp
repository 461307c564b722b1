#include <gtest/gtest.h>

#include <vector>

#include "SampleScript.h"
#include "history/LogEstimates.h"
#include "history/RuntimeFigures.h"

namespace tess {
namespace {

using namespace test;

LedgerRow Row(std::int64_t local, std::int64_t design, std::int64_t full) {
    return {{local, 0}, {"BAT0", "SMP", "M", "1", design, full, std::nullopt, "Li-ion"}};
}

// A battery at 80 % of its design capacity, and a drain that rose by a tenth:
// 10 %/h of a new battery (a full charge lasts 10 h) became 1.1 × 10 / 0.8 =
// 13.75 %/h of the worn one (7 h 16 min). At design capacity that drain lasts
// 10 / 1.1 = 9.09 h. Of the 2.73 h lost, wear took 10 × (1 − 0.8) = 2 h and
// heavier use (10 − 9.09) × 0.8 = 0.73 h.
TEST(HealthFiguresTest, AKnownWearGivesAKnownSplit) {
    const std::int64_t weekA = kMonday;
    const std::int64_t weekB = kMonday + 70 * kDay;
    std::vector<Sample> samples;
    Discharge(samples, weekA - 14 * kDay + 8 * kHour, 5 * kHour, 100, 40,
              360);  // before the ledger
    Discharge(samples, weekA + 8 * kHour, 5 * kHour, 100, 50, 360);
    Discharge(samples, weekB + 8 * kHour, 4 * kHour, 100, 55, 240);
    DischargeAnalysis analysis;
    analysis.Update(samples, 0);
    const std::vector<HealthPoint> health =
        CombinedHealth({Row(weekA - kDay, 50000, 50000), Row(weekB, 50000, 40000)});

    const std::vector<DesignRuntime> weeks = DesignRuntimeByWeek(analysis.Weeks(), health);
    ASSERT_EQ(weeks.size(), 2u);
    EXPECT_EQ(weeks[0].weekStart, weekA);
    EXPECT_DOUBLE_EQ(weeks[0].designHours, 10);
    EXPECT_NEAR(weeks[1].designHours, 9.0909, 1e-4);

    const auto split = SplitRuntimeChange(weeks);
    ASSERT_TRUE(split);
    EXPECT_DOUBLE_EQ(split->hoursThen, 10);
    EXPECT_NEAR(split->hoursNow, 7.2727, 1e-4);
    EXPECT_NEAR(split->wear, 2, 1e-9);
    EXPECT_NEAR(split->use, 0.7273, 1e-4);

    const auto runtime = RuntimeAtRecentDrain(analysis, health);
    ASSERT_TRUE(runtime);
    EXPECT_EQ(runtime->sessions, 1u);
    EXPECT_DOUBLE_EQ(runtime->drainPerHour, 13.75);
    EXPECT_NEAR(*runtime->hoursNew, 9.0909, 1e-4);
    EXPECT_FALSE(RuntimeAtRecentDrain(analysis, {})->hoursNew);
}

// Sessions parted by gaps: a lower charge after a gap is a loss; a higher one
// (charged meanwhile), or any after an AC entry, is none.
TEST(HealthFiguresTest, LossOverGaps) {
    const std::int64_t t = kMonday + 8 * kHour;
    std::vector<Sample> samples;
    Discharge(samples, t, 2 * kHour, 90, 10, 600);          // to 80
    Discharge(samples, t + 10 * kHour, kHour, 76, 6, 600);  // 4 points in 8 h
    for (int i = 1; i <= 6; ++i) samples.push_back(Ac(t + 11 * kHour + i * 600));
    Discharge(samples, t + 12 * kHour + 600, kHour, 66, 5, 600);  // after AC
    Discharge(samples, t + 15 * kHour + 600, kHour, 92, 4, 600);  // higher: charged
    Discharge(samples, t + 20 * kHour + 600, kHour, 84, 4, 600);  // 4 points in 4 h
    DischargeAnalysis analysis;
    analysis.Update(samples, 0);
    const std::vector<GapLoss> gaps = GapLosses(analysis);
    ASSERT_EQ(gaps.size(), 2u);
    EXPECT_EQ(gaps[0].start, t + 2 * kHour);
    EXPECT_EQ(gaps[0].end, t + 10 * kHour);
    EXPECT_EQ(gaps[0].fromPercent, 80);
    EXPECT_EQ(gaps[0].toPercent, 76);
    EXPECT_DOUBLE_EQ(gaps[0].perHour, 0.5);
    EXPECT_EQ(gaps[1].fromPercent, 88);
    EXPECT_DOUBLE_EQ(gaps[1].perHour, 1);
}

}  // namespace
}  // namespace tess
