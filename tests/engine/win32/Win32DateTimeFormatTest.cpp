#include "engine/win32/Win32DateTimeFormat.h"

#include <gtest/gtest.h>

#include "engine/DateTimeText.h"

namespace tess {
namespace {

// The tests run with the user locale English (United States).
TEST(Win32DateTimeFormatTest, RendersTheUsersShortDateAndLongTime) {
    const Win32DateTimeFormat format;
    const LocalDateTime moment{2026, 12, 7, 18, 1, 43};
    EXPECT_EQ(format.ShortDate(moment), "12/7/2026");
    EXPECT_EQ(format.LongTime(moment), "6:01:43 PM");
    EXPECT_EQ(format.TimeSeparator(), ":");
    EXPECT_EQ(GeneralDate(moment, format), "12/7/2026 6:01:43 PM");
}

TEST(Win32DateTimeFormatTest, MidnightIsTheDateAlone) {
    const Win32DateTimeFormat format;
    EXPECT_EQ(GeneralDate({2027, 1, 1, 0, 0, 0}, format), "1/1/2027");
    EXPECT_EQ(GeneralDate({2027, 1, 1, 0, 0, 1}, format), "1/1/2027 12:00:01 AM");
}

}  // namespace
}  // namespace tess
