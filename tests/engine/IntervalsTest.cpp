#include "engine/Intervals.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(IntervalsTest, CaptionsMapToSecondsExactly) {
    EXPECT_EQ(GetIntervalSeconds(std::string("Log every 1 second")), 1);
    EXPECT_EQ(GetIntervalSeconds(std::string("Log every 5 minutes")), 300);
    EXPECT_EQ(GetIntervalSeconds(std::string("Log every 24 hours")), 86400);
    EXPECT_EQ(GetIntervalSeconds(std::string("log every 1 second")), 0);
    EXPECT_EQ(GetIntervalSeconds(std::string("Log every 1 second ")), 0);
    EXPECT_EQ(GetIntervalSeconds(std::nullopt), 0);
}

struct HmsCase {
    std::int32_t seconds;
    const char* text;
};

class FormatHmsTest : public ::testing::TestWithParam<HmsCase> {};

TEST_P(FormatHmsTest, RendersTimeOfDay) {
    EXPECT_EQ(FormatHms(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatHmsTest,
                         ::testing::Values(HmsCase{0, "00:00:00"}, HmsCase{4, "00:00:04"},
                                           HmsCase{59, "00:00:59"}, HmsCase{3599, "00:59:59"},
                                           HmsCase{86399, "23:59:59"},
                                           HmsCase{86400, "00:00:00"},
                                           HmsCase{86401, "00:00:01"},
                                           HmsCase{-1, "00:00:01"}));

TEST(FormatHmsTest, UsesTheLocaleSeparator) { EXPECT_EQ(FormatHms(3725, "."), "01.02.05"); }

}  // namespace
}  // namespace tess
