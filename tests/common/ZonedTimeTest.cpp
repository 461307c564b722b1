#include "common/ZonedTime.h"

#include <gtest/gtest.h>

#include <string>

namespace tess {
namespace {

// 7 December 2026 06:01:43 UTC.
constexpr std::int64_t kMoment = 1'796'623'303;

TEST(ZonedTimeTest, TextsWithTheirOffsetsReadBack) {
    const std::pair<ZonedMoment, const char*> cases[] = {
        {{kMoment, 0}, "2026-12-07T06:01:43+00:00"},
        {{kMoment, 3600}, "2026-12-07T07:01:43+01:00"},
        {{kMoment, -(3 * 3600 + 1800)}, "2026-12-07T02:31:43-03:30"},
        {{kMoment, 5 * 3600 + 45 * 60}, "2026-12-07T11:46:43+05:45"},
        {{kMoment - 6 * 3600 - 103, 14 * 3600}, "2026-12-07T14:00:00+14:00"},
    };
    for (const auto& [moment, text] : cases) {
        EXPECT_EQ(IsoText(moment), text);
        EXPECT_EQ(ReadIsoText(text), moment) << text;
    }
    EXPECT_EQ(ReadIsoText("2026-12-07T06:01:43Z"), (ZonedMoment{kMoment, 0}));
}

TEST(ZonedTimeTest, OtherTextsAreNoTime) {
    for (const char* text :
         {"", "2026-12-07", "2026-12-07T06:01:43", "2026-12-07 06:01:43+01:00",
          "2026-12-07t06:01:43+01:00", "2026-02-29T06:01:43+01:00", "2026-12-07T24:00:00+01:00",
          "2026-12-07T06:60:00+01:00", "2026-12-07T06:01:60+01:00", "2026-12-07T06:01:43+1:00",
          "2026-12-07T06:01:43+01:60", "2026-12-07T06:01:43*01:00", "2026-12-07T06:01:43+01:00 ",
          "+026-12-07T06:01:43+01:00", "2026-12-07T06:01:43z"}) {
        EXPECT_FALSE(ReadIsoText(text)) << text;
    }
}

}  // namespace
}  // namespace tess
