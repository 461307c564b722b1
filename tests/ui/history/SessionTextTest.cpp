#include "ui/history/SessionText.h"

#include <gtest/gtest.h>

#include "FakeClock.h"

namespace tess {
namespace {

TEST(SessionTextTest, DurationsAndTenths) {
    const std::pair<std::int64_t, const char*> durations[] = {
        {0, "0 s"},          {59, "59 s"},           {60, "1 min"},
        {3599, "59 min"},    {3600, "1 h 00 min"},   {3 * 3600 + 5 * 60 + 59, "3 h 05 min"},
        {100 * 3600, "100 h 00 min"}};
    for (const auto& [seconds, text] : durations) EXPECT_EQ(DurationText(seconds), text);
    const std::pair<double, const char*> tenths[] = {
        {0, "0.0"}, {12.345, "12.3"}, {12.35, "12.4"}, {0.04, "0.0"}, {9.96, "10.0"}, {-2.5, "-2.5"}};
    for (const auto& [value, text] : tenths) EXPECT_EQ(TenthsText(value), text);
}

// A charge that did not fall tells no drain and no runtime.
TEST(SessionTextTest, ASessionWithoutDrainShowsNone) {
    test::UsDateTimeFormat format;
    DischargeSession flat;
    flat.start = flat.end = 1'796'601'600;
    flat.firstPercent = flat.lastPercent = 80;
    EXPECT_EQ(SessionText(flat, kDrain, format), "-");
    EXPECT_EQ(SessionText(flat, kFullCharge, format), "-");
    EXPECT_EQ(SessionText(flat, kStart, format), "12/7/2026");  // midnight: the date alone
}

}  // namespace
}  // namespace tess
