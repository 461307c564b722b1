#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <vector>

#include "engine/GeneralDateReader.h"
#include "ui/QtDateTimeFormat.h"

namespace tess {
namespace {

std::string Utf8(const std::string& text) {
    return text;
}

// Every locale Qt knows: what QtDateTimeFormat writes reads back as the moment
// it was written for, on both sides of noon, at midnight, in every month.
TEST(QtDateTimeFieldsTest, EveryLocaleReadsBackWhatItWrote) {
    std::vector<LocalDateTime> moments{{2026, 12, 31, 23, 59, 59},
                                       {2027, 1, 1, 0, 0, 0},
                                       {2027, 1, 1, 0, 0, 1},
                                       {2027, 1, 1, 12, 0, 0}};
    for (int month = 1; month <= 12; ++month) {
        moments.push_back({2026, month, month * 2 + 3, (month * 5) % 24, month * 4, 59 - month});
    }
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 500);
    std::vector<std::string> wrong;
    for (const QLocale& locale : locales) {
        const QtDateTimeFormat format(locale);
        const GeneralDateReader reader(format, Utf8);
        const std::string name = locale.name().toStdString();
        if (!reader.Problem().empty()) wrong.push_back(name + ": " + reader.Problem());
        for (const LocalDateTime& moment : moments) {
            const std::string text = GeneralDate(moment, format);
            LocalDateTime back;
            if (!reader.Read(text, back) || !(back == moment)) wrong.push_back(name + ": " + text);
        }
    }
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

}  // namespace
}  // namespace tess
