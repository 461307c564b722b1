#include <gtest/gtest.h>

#include <string>

#include "../Form1Harness.h"
#include "ScopedLocale.h"
#include "ui/LogCopy.h"

namespace tess::test {
namespace {

struct CharsetCase {
    const char* locale;
    // An entry in characters of the locale's character set, as UTF-8.
    const char* entry;
};

class CopyLogCharsetTest : public ::testing::TestWithParam<CharsetCase>, protected Form1Harness {};

// The log holds the entries in the locale's character set, as the writer put
// them there; the clipboard gets their characters, also where one straddles
// two of the slices the log is read in.
TEST_P(CopyLogCharsetTest, TheClipboardGetsTheCharactersTheWriterWrote) {
    const ScopedLocale locale(GetParam().locale);
    ASSERT_TRUE(locale.Ok()) << GetParam().locale << " is not installed";
    const std::string path = temp.File("log.txt");
    const std::string entry = GetParam().entry;
    std::string expected(kLogCopySliceBytes - 1, 'x');
    WriteAll(path, expected);
    for (int i = 0; i < 3; ++i) {
        writer.AppendLine(path, entry);
        expected += entry + "\r\n";
    }
    Load();
    TypePath(path);
    form->PushButton2_Click();
    ASSERT_TRUE(clipboard.text);
    EXPECT_EQ(clipboard.text->size(), expected.size());
    EXPECT_EQ(clipboard.text->substr(kLogCopySliceBytes - 1),
              expected.substr(kLogCopySliceBytes - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CopyLogCharsetTest,
    ::testing::Values(
        CharsetCase{"C.UTF-8", "\xE2\x82\xAC 7.12.26 Z\xC3\xBCrich"},
        CharsetCase{"de_DE.ISO-8859-1", "\xC3\xBC 7.12.26 Z\xC3\xBCrich caf\xC3\xA9"},
        CharsetCase{"el_GR.ISO-8859-7", "\xCE\xBC 7/12/2026 6:01:43 \xCE\xBC.\xCE\xBC."},
        CharsetCase{"ja_JP.EUC-JP", "\xE6\x97\xA5 2026/12/07 \xE5\x8D\x88\xE5\x89\x8D"}),
    [](const auto& info) { return test::LocaleTestName(info.param.locale); });

}  // namespace
}  // namespace tess::test
