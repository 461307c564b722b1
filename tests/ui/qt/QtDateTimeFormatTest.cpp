#include "ui/qt/QtDateTimeFormat.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/GeneralDateReader.h"

namespace tess {
namespace {

const LocalDateTime kMoment{2026, 8, 12, 17, 27, 38};

QList<QLocale> AllLocales() {
    return QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                    QLocale::AnyTerritory);
}

QString LongTime(const QLocale& locale) {
    return QString::fromStdString(QtDateTimeFormat(locale).LongTime(kMoment));
}

// Every locale Qt knows: the long time shows the moment's minutes and seconds,
// and nothing of the time-zone name is left: not the name, nor its brackets,
// nor the comma or space that set it apart, nor a quote of the pattern.
TEST(QtDateTimeFormatTest, LongTimeLeavesNoTraceOfTheZone) {
    const QString zone = QDateTime(QDate(2026, 8, 12), QTime(17, 27, 38)).timeZoneAbbreviation();
    QStringList failures;
    for (const QLocale& locale : AllLocales()) {
        const QString text = LongTime(locale);
        const bool traces = text.contains(zone) || text != text.trimmed() || text.endsWith(u',') ||
                            text.contains(u'\'') ||
                            text.contains(QRegularExpression(QStringLiteral("[()\\[\\]（）［］]")));
        if (traces || !text.contains(locale.toString(27)) || !text.contains(locale.toString(38))) {
            failures << locale.name() + u'=' + text;
        }
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(u' ').toStdString();
}

struct Rendering {
    const char* locale;
    const char* longTime;
};

void PrintTo(const Rendering& rendering, std::ostream* out) {
    *out << rendering.locale;
}

class QtDateTimeFormatLongTimeTest : public testing::TestWithParam<Rendering> {};

TEST_P(QtDateTimeFormatLongTimeTest, RendersTheLocalesLongTime) {
    EXPECT_EQ(LongTime(QLocale(QString::fromLatin1(GetParam().locale))).toStdString(),
              GetParam().longTime);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, QtDateTimeFormatLongTimeTest,
    testing::Values(Rendering{"en_US", "5:27:38 PM"}, Rendering{"es_ES", "17:27:38"},
                    Rendering{"fa_IR", "۱۷:۲۷:۳۸"}, Rendering{"be_BY", "17:27:38"},
                    Rendering{"bg_BG", "17:27:38 ч."}, Rendering{"my_MM", "၁၇:၂၇:၃၈"},
                    Rendering{"fr_CA", "17 h 27 min 38 s"},
                    // Qt has no field for the flexible day period: AM/PM stands in.
                    Rendering{"zh_TW", "下午5:27:38"}),
    [](const auto& info) { return std::string(info.param.locale); });

// Every locale Qt knows: the countdown's separator is a separator, never a
// quote, a letter or a combining mark taken from the pattern.
TEST(QtDateTimeFormatTest, TimeSeparatorIsPunctuation) {
    QStringList failures;
    for (const QLocale& locale : AllLocales()) {
        const QString separator = QString::fromStdString(QtDateTimeFormat(locale).TimeSeparator());
        bool clean = !separator.isEmpty();
        for (const QChar c : separator) {
            clean = clean && (c.isPunct() || c.isSymbol()) && c != u'\'' && c != u'"' &&
                    c.category() != QChar::Punctuation_InitialQuote &&
                    c.category() != QChar::Punctuation_FinalQuote;
        }
        if (!clean) failures << locale.name() + u'=' + separator;
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(u' ').toStdString();
}

TEST(QtDateTimeFormatTest, TimeSeparatorOfKnownLocales) {
    for (const auto& [locale, separator] :
         {std::pair{"en_US", ":"}, {"da_DK", "."}, {"fr_CA", ":"}, {"dz_BT", ":"}}) {
        EXPECT_EQ(QtDateTimeFormat(QLocale(QString::fromLatin1(locale))).TimeSeparator(), separator)
            << locale;
    }
}

std::string Utf8(const std::string& text) {
    return text;
}

// Every locale Qt knows: what the format writes reads back through its fields
// as the moment it was written for, on both sides of noon, at midnight, in
// every month.
TEST(QtDateTimeFormatTest, EveryLocaleReadsBackWhatItWrote) {
    std::vector<LocalDateTime> moments{
        kMoment, {2027, 1, 1, 0, 0, 0}, {2027, 1, 1, 0, 0, 1}, {2027, 1, 1, 12, 0, 0}};
    for (int month = 1; month <= 12; ++month) {
        moments.push_back({2026, month, month * 2 + 3, (month * 5) % 24, month * 4, 59 - month});
    }
    QStringList failures;
    for (const QLocale& locale : AllLocales()) {
        const QtDateTimeFormat format(locale);
        const GeneralDateReader reader(format, Utf8);
        if (!reader.Problem().empty()) {
            failures << locale.name() + u'=' + QString::fromStdString(reader.Problem());
        }
        for (const LocalDateTime& moment : moments) {
            const std::string text = GeneralDate(moment, format);
            LocalDateTime back;
            if (!reader.Read(text, back) || !(back == moment)) {
                failures << locale.name() + u'=' + QString::fromStdString(text);
            }
        }
    }
    EXPECT_GT(AllLocales().size(), 500);
    EXPECT_TRUE(failures.isEmpty()) << failures.join(u' ').toStdString();
}

}  // namespace
}  // namespace tess
