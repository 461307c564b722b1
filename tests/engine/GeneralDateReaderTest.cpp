#include "engine/GeneralDateReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"

namespace tess {
namespace {

using F = DateTimeField;
using K = DateTimeField::Kind;

// A format that writes exactly what its fields describe, so that one fake
// stands for many locales.
class FieldFormat : public DateTimeFormat {
public:
    FieldFormat(std::vector<F> date, std::vector<F> time,
                std::array<std::string, 10> digits = DateTimeFields{}.digits) {
        date_.fields = std::move(date);
        time_.fields = std::move(time);
        date_.digits = time_.digits = digits;
    }
    std::string ShortDate(const LocalDateTime& m) const override { return Render(date_, m); }
    std::string LongTime(const LocalDateTime& m) const override { return Render(time_, m); }
    std::string TimeSeparator() const override { return ":"; }
    DateTimeFields ShortDateFields() const override { return date_; }
    DateTimeFields LongTimeFields() const override { return time_; }

    DateTimeFields date_;
    DateTimeFields time_;

private:
    static std::string Render(const DateTimeFields& how, const LocalDateTime& m) {
        std::string text;
        for (const F& f : how.fields) {
            const int values[] = {
                0,      f.maxDigits <= 2 ? m.year % 100 : m.year, m.month,  m.day,
                m.hour, m.hour % 12 == 0 ? 12 : m.hour % 12,      m.minute, m.second};
            if (f.kind == K::Text) {
                text += f.texts[0];
            } else if (f.kind == K::AmPm) {
                text += f.texts[m.hour < 12 ? 0 : 1];
            } else if (f.kind == K::MonthName) {
                text += f.texts[m.month - 1];
            } else {
                std::string digits = std::to_string(values[static_cast<int>(f.kind)]);
                digits.insert(0, std::max(0, f.minDigits - static_cast<int>(digits.size())), '0');
                for (const char c : digits) text += how.digits[c - '0'];
            }
        }
        return text;
    }
};

const std::vector<F> kGermanDate{F::Number(K::Day, 2, 2), F::Literal("."),
                                 F::Number(K::Month, 2, 2), F::Literal("."),
                                 F::Number(K::Year, 2, 2)};
const std::vector<F> k24Hours{F::Number(K::Hour, 2, 2), F::Literal(":"), F::Number(K::Minute, 2, 2),
                              F::Literal(":"), F::Number(K::Second, 2, 2)};

// The dates are read here as GeneralDate writes them, in UTF-8.
std::string Utf8(const std::string& text) {
    return text;
}

struct Reading {
    std::string text;
    bool read;
    LocalDateTime moment;
};

void ExpectReadings(const DateTimeFormat& format, const std::vector<Reading>& readings) {
    const GeneralDateReader reader(format, Utf8);
    ASSERT_EQ(reader.Problem(), "");
    for (const Reading& r : readings) {
        LocalDateTime moment;
        EXPECT_EQ(reader.Read(r.text, moment), r.read) << r.text;
        if (r.read) {
            EXPECT_EQ(moment, r.moment) << r.text;
        }
    }
}

TEST(GeneralDateReaderTest, ReadsUsDatesAndRefusesWhatTheFormatCannotHaveWritten) {
    ExpectReadings(test::UsDateTimeFormat(),
                   {{"12/7/2026 6:01:43 PM", true, {2026, 12, 7, 18, 1, 43}},
                    {"12/7/2026 12:00:01 AM", true, {2026, 12, 7, 0, 0, 1}},
                    {"12/7/2026 12:30:00 PM", true, {2026, 12, 7, 12, 30, 0}},
                    {"1/1/2027", true, {2027, 1, 1, 0, 0, 0}},
                    {"2/29/2024 1:00:00 AM", true, {2024, 2, 29, 1, 0, 0}},
                    {"2/29/2026 1:00:00 AM", false, {}},
                    {"13/7/2026 6:01:43 PM", false, {}},
                    {"12/7/2026 13:01:43 PM", false, {}},
                    {"12/7/2026 0:01:43 AM", false, {}},
                    {"12/7/2026 6:61:43 PM", false, {}},
                    {"12/7/2026 6:01:43", false, {}},
                    {"12/7/2026 6:01:43 PM ", false, {}},
                    {"12/7/2026  6:01:43 PM", false, {}},
                    {"12/7/26 6:01:43 PM", false, {}},
                    {"07.12.2026 18:01:43", false, {}},
                    {"", false, {}}});
}

TEST(GeneralDateReaderTest, ReadsOtherOrdersCenturiesNamesAndDigits) {
    // Two-digit years lie within 1950 to 2049.
    ExpectReadings(FieldFormat(kGermanDate, k24Hours),
                   {{"07.12.26 18:01:43", true, {2026, 12, 7, 18, 1, 43}},
                    {"31.12.49", true, {2049, 12, 31, 0, 0, 0}},
                    {"01.01.50 00:00:01", true, {1950, 1, 1, 0, 0, 1}},
                    {"7.12.26 18:01:43", false, {}}});
    // The morning or afternoon before the hour; of two month names that start
    // alike ("Ma" and "Mar."), the longer one that fits.
    ExpectReadings(
        FieldFormat({F::Number(K::Day, 1, 2), F::Literal(" "),
                     F::Names(K::MonthName, {"Jan", "Feb", "Mar.", "Apr", "Ma", "Jun", "Jul", "Aug",
                                             "Sep", "Oct", "Nov", "Dec"}),
                     F::Literal(" "), F::Number(K::Year, 4, 4)},
                    {F::Names(K::AmPm, {"오전", "오후"}), F::Literal(" "),
                     F::Number(K::Hour12, 1, 2), F::Literal("시 "), F::Number(K::Minute, 1, 2),
                     F::Literal("분 "), F::Number(K::Second, 1, 2), F::Literal("초")}),
        {{"3 Mar. 2026 오후 6시 1분 43초", true, {2026, 3, 3, 18, 1, 43}},
         {"1 Ma 2026 오전 12시 0분 5초", true, {2026, 5, 1, 0, 0, 5}},
         {"1 May 2026", false, {}}});
    ExpectReadings(
        FieldFormat({F::Number(K::Day, 1, 2), F::Literal("\u200F/"), F::Number(K::Month, 1, 2),
                     F::Literal("\u200F/"), F::Number(K::Year, 4, 4)},
                    k24Hours, {"٠", "١", "٢", "٣", "٤", "٥", "٦", "٧", "٨", "٩"}),
        {{"٧\u200F/١٢\u200F/٢٠٢٦ ١٨:٠١:٤٣", true, {2026, 12, 7, 18, 1, 43}},
         {"7\u200F/12\u200F/2026 18:01:43", false, {}}});
}

// A format whose fields do not describe what it writes reads nothing, rather
// than misreading every line.
TEST(GeneralDateReaderTest, AFormatThatDoesNotReadBackReadsNothing) {
    // Writes M/d/yyyy but says d/M/yyyy.
    struct Swapped : test::UsDateTimeFormat {
        DateTimeFields ShortDateFields() const override {
            DateTimeFields said = UsDateTimeFormat::ShortDateFields();
            std::swap(said.fields[0], said.fields[2]);
            return said;
        }
    } swapped;
    const FieldFormat noHalf(
        kGermanDate, {F::Number(K::Hour12, 1, 2), F::Literal(":"), F::Number(K::Minute, 2, 2),
                      F::Literal(":"), F::Number(K::Second, 2, 2)});
    FieldFormat zone(kGermanDate, k24Hours);
    zone.time_.unreadable = "a time zone";
    for (const DateTimeFormat* format :
         std::vector<const DateTimeFormat*>{&swapped, &noHalf, &zone}) {
        const GeneralDateReader reader(*format, Utf8);
        EXPECT_NE(reader.Problem(), "");
        LocalDateTime moment;
        EXPECT_FALSE(reader.Read(GeneralDate({2026, 12, 7, 6, 1, 43}, *format), moment));
    }
    EXPECT_EQ(GeneralDateReader(zone, Utf8).Problem(), "a time zone");
}

}  // namespace
}  // namespace tess
