#include "history/LogLineParser.h"

#include <gtest/gtest.h>

#include <string>

#include "FakeClock.h"
#include "common/CivilTime.h"

namespace tess {
namespace {

struct Line {
    std::string text;
    bool read;
    Sample sample;
};

TEST(LogLineParserTest, ReadsBothFormsExactlyAndNothingElse) {
    const test::UsDateTimeFormat format;
    const LogLineParser parser(format);
    const std::int64_t t = SecondsOf({2026, 12, 7, 6, 1, 43});
    const std::int64_t midnight = SecondsOf({2026, 12, 7, 0, 0, 0});
    const std::string date = "12/7/2026 6:01:43 AM";
    const Line lines[] = {
        {date + " Running on AC Power", true, {t, -1, 0, true}},
        {date + " Battery Level is 87% (2 Hours, 15 Minutes, 0 Seconds remaining on battery).",
         true,
         {t, 8100, 87, false}},
        {date + " Battery Level is 87%.", true, {t, -1, 87, false}},
        {date + " Battery Level is 255% (0 Hours, 0 Minutes, 0 Seconds remaining on battery).",
         true,
         {t, 0, 255, false}},
        {date + " Battery Level is 0% (596523 Hours, 14 Minutes, 7 Seconds remaining on battery).",
         true,
         {t, 2147483647, 0, false}},
        {"12/7/2026 Battery Level is 5%.", true, {midnight, -1, 5, false}},
        {date + " Running on AC Power.", false, {}},
        {date + "Running on AC Power", false, {}},
        {" Running on AC Power", false, {}},
        {date + " Battery Level is 87%", false, {}},
        {date + " Battery Level is 087%.", false, {}},
        {date + " Battery Level is 256%.", false, {}},
        {date + " Battery Level is 87%. ", false, {}},
        {date + " Battery Level is 87% (0 Hours, 0 Minutes, -1 Seconds remaining on battery).",
         false,
         {}},
        {date + " Battery Level is 87% (1 Hours, 60 Minutes, 0 Seconds remaining on battery).",
         false,
         {}},
        {date + " Battery Level is 87% (596524 Hours, 0 Minutes, 0 Seconds remaining on battery).",
         false,
         {}},
        {date + " Battery Level is 87% (1 Hours, 2 Minutes, 3 Seconds remaining on battery)",
         false,
         {}},
        {"7.12.2026 06:01:43 Battery Level is 87%.", false, {}},
        {"", false, {}},
        {std::string("12/7/2026\0 6:01:43 AM Running on AC Power", 39), false, {}},
        {"\x89PNG\r\n\x1a\n", false, {}},
    };
    for (const Line& line : lines) {
        Sample sample{1, 2, 3, false};
        EXPECT_EQ(parser.Parse(line.text, sample), line.read) << line.text;
        const Sample expected = line.read ? line.sample : Sample{1, 2, 3, false};
        EXPECT_EQ(sample.time, expected.time) << line.text;
        EXPECT_EQ(sample.remaining, expected.remaining) << line.text;
        EXPECT_EQ(sample.percent, expected.percent) << line.text;
        EXPECT_EQ(sample.onAc, expected.onAc) << line.text;
    }
}

}  // namespace
}  // namespace tess
