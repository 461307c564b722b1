#include "engine/win32/Win32DateTimeFormat.h"

#include <gtest/gtest.h>

#include "engine/DateTimeText.h"
#include "engine/GeneralDateReader.h"
#include "engine/LogCharset.h"

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

// Locales of several orders, scripts and calendars, read back as the log holds
// them (in the ANSI code page). Those with the Gregorian calendar and texts the
// code page has read back; the others either read back or say why they cannot.
// None reads a date as another moment.
TEST(Win32DateTimeFormatTest, ReadsBackWhatItWritesInManyLocales) {
    struct Locale {
        LCID id;
        bool readable;
    };
    const Locale locales[] = {
        {0x0409, true},  {0x0809, true},  {0x0407, true},  {0x040C, true},  {0x0410, true},
        {0x0413, true},  {0x0419, true},  {0x041F, true},  {0x0411, true},  {0x0804, true},
        {0x0412, false}, {0x0401, false}, {0x041E, false}, {0x040D, false}, {0x0429, false},
        {LOCALE_USER_DEFAULT, true},
    };
    for (const Locale& locale : locales) {
        const Win32DateTimeFormat format(locale.id);
        const GeneralDateReader reader(format, ToLogCharset);
        if (locale.readable) {
            EXPECT_EQ(reader.Problem(), "") << std::hex << locale.id;
        }
        if (!reader.Problem().empty()) continue;
        for (int month = 1; month <= 12; ++month) {
            const LocalDateTime moment{
                2026, month, 2 * month + 4, 5 * month % 24, 3 * month, 59 - month};
            const std::string text = ToLogCharset(GeneralDate(moment, format));
            LocalDateTime back;
            EXPECT_TRUE(reader.Read(text, back) && back == moment)
                << std::hex << locale.id << " " << text;
        }
    }
}

}  // namespace
}  // namespace tess
