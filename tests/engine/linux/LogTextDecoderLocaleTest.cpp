#include <gtest/gtest.h>

#include <string>

#include "LogTextPieces.h"
#include "ScopedLocale.h"
#include "engine/LogCharset.h"

namespace tess {
namespace {

struct LocaleCase {
    const char* locale;
    // Text that the locale's character set holds whole.
    std::string text;
    // Bytes that are no text of it, and what they read as.
    std::string bad;
    std::string badText;
};

class LogTextDecoderLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

// Whatever the piece size, so that a piece may end inside a character.
TEST_P(LogTextDecoderLocaleTest, ReadsBackWhatTheWriterWrote) {
    const test::ScopedLocale locale(GetParam().locale);
    ASSERT_TRUE(locale.Ok()) << GetParam().locale << " is not installed";
    const std::string line = "8.12.26 5:27:38 " + GetParam().text + "\r\n";
    const std::string bytes = ToLogCharset(line);
    for (std::size_t piece = 1; piece <= 5; ++piece) {
        EXPECT_EQ(test::DecodeInPieces(bytes, piece), line) << piece;
    }
}

TEST_P(LogTextDecoderLocaleTest, BytesThatAreNoTextBecomeReplacementCharacters) {
    const test::ScopedLocale locale(GetParam().locale);
    ASSERT_TRUE(locale.Ok()) << GetParam().locale << " is not installed";
    EXPECT_EQ(test::DecodeInPieces("a" + GetParam().bad, 64), "a" + GetParam().badText);
}

const std::string kFffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Locales, LogTextDecoderLocaleTest,
    ::testing::Values(LocaleCase{"C", "Running on AC Power", "\xE9", kFffd},
                      LocaleCase{"C.UTF-8", "Z\xC3\xBCrich \xCE\xA9 \xE6\x97\xA5 \xF0\x9D\x84\x9E",
                                 "\xC3", kFffd},
                      LocaleCase{"de_DE.ISO-8859-1", "Z\xC3\xBCrich caf\xC3\xA9 \xC3\x9F", "", ""},
                      LocaleCase{"el_GR.ISO-8859-7", "\xCE\xA9 \xCF\x80\xCE\xBC", "\xFF", kFffd},
                      LocaleCase{"ja_JP.EUC-JP",
                                 "\xE6\x97\xA5\xE6\x9C\xAC \xE5\x8D\x88\xE5\x89\x8D", "\xA4",
                                 kFffd},
                      LocaleCase{"zh_CN.GB18030", "\xE4\xB8\x8A\xE5\x8D\x88 \xF0\x9D\x84\x9E",
                                 "\x81\x30", kFffd}),
    [](const auto& info) { return test::LocaleTestName(info.param.locale); });

}  // namespace
}  // namespace tess
