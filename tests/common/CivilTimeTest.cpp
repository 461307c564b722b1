#include "common/CivilTime.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(CivilTimeTest, DaysSecondsAndMondaysOnBothSidesOf1970) {
    struct Day {
        int year, month, day;
        std::int64_t number;
    };
    for (const Day& d :
         {Day{1970, 1, 1, 0}, Day{1969, 12, 31, -1}, Day{2000, 3, 1, 11017},
          Day{2024, 2, 29, 19782}, Day{2026, 12, 7, 20794}, Day{1600, 1, 1, -135140}}) {
        EXPECT_EQ(DaysFromCivil(d.year, d.month, d.day), d.number) << d.year << "-" << d.month;
    }

    for (std::int64_t s = -400LL * 86400 * 366; s < 400LL * 86400 * 366; s += 86400 * 13 + 3607) {
        const LocalDateTime moment = CivilFromSeconds(s);
        ASSERT_TRUE(IsValidDate(moment.year, moment.month, moment.day)) << s;
        ASSERT_EQ(SecondsOf(moment), s);
    }
    EXPECT_EQ(MondayOf(DaysFromCivil(2026, 12, 7)), DaysFromCivil(2026, 12, 7));  // a Monday
    EXPECT_EQ(MondayOf(DaysFromCivil(2026, 12, 13)), DaysFromCivil(2026, 12, 7));
    EXPECT_EQ(MondayOf(DaysFromCivil(1969, 12, 31)), DaysFromCivil(1969, 12, 29));
    EXPECT_FALSE(IsValidDate(2100, 2, 29));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
}

}  // namespace
}  // namespace tess
