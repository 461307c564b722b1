#include <gtest/gtest.h>

#include <string>

#include "settings/DefaultLogPath.h"

namespace tess {
namespace {

struct DropCase {
    std::string title;
    std::string word;
    std::string expected;
};

class DropTrailingWordTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropTrailingWordTest, DropsOnlyTheGivenLastWord) {
    const DropCase& c = GetParam();
    EXPECT_EQ(DropTrailingWord(c.title, c.word), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, DropTrailingWordTest,
    ::testing::Values(DropCase{"Big Tool Software", "Software", "Big Tool"},
                      DropCase{"Tessaline", "Software", "Tessaline"},
                      DropCase{"Software", "Software", "Software"},
                      DropCase{"Big Tool Pro", "Software", "Big Tool Pro"},
                      DropCase{"Big Tool software", "Software", "Big Tool software"},
                      DropCase{"Big Software Tool", "Software", "Big Software Tool"},
                      DropCase{"  Big  Software", "Software", "Big"},
                      // The last space ends the title, so there is no last word to match.
                      DropCase{"Tool Software ", "Software", "Tool Software "},
                      DropCase{"Big Tool 2", "", "Big Tool"}, DropCase{"Tool", "", "Tool"}));

struct TextCase {
    std::string input;
    std::string expected;
};

class StripNameCharsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(StripNameCharsTest, KeepsOnlyFileNameCharacters) {
    EXPECT_EQ(StripNameChars(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StripNameCharsTest,
    ::testing::Values(TextCase{"Tool 2.0", "Tool20"},
                      TextCase{"a$b/c\\d*e:f?g<h>i|j#k'l m.n,o\"p(q)r-s+t=u%v;w}x{y\tz",
                               "abcdefghijklmnopqrstuvwxyz"},
                      TextCase{"under_score 09", "under_score09"},
                      TextCase{"Grüße & Co!", "Grüße&Co!"}, TextCase{"", ""},
                      TextCase{" .-() ", ""}));

class FileNameStemTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FileNameStemTest, IsTheTitleWithoutSoftwareAndSeparators) {
    EXPECT_EQ(FileNameStem(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Titles, FileNameStemTest,
                         ::testing::Values(TextCase{"Big Tool Software", "BigTool"},
                                           TextCase{"Tessaline", "Tessaline"},
                                           TextCase{"Tool 2.0", "Tool20"},
                                           TextCase{"Big Tool software", "BigToolsoftware"},
                                           TextCase{"Tessaline (Beta) Software", "TessalineBeta"}));

TEST(ComposeDefaultLogPathTest, JoinsFolderSeparatorAndStem) {
    EXPECT_EQ(ComposeDefaultLogPath("/tmp", '/', "Big Tool Software"), "/tmp/BigTool.txt");
    EXPECT_EQ(ComposeDefaultLogPath("C:\\Users\\me\\Temp", '\\', "Tessaline"),
              "C:\\Users\\me\\Temp\\Tessaline.txt");
}

TEST(ComposeDefaultLogPathTest, EmptyFolderLeavesTheBareSeparator) {
    EXPECT_EQ(ComposeDefaultLogPath("", '\\', "Tessaline"), "\\Tessaline.txt");
}

}  // namespace
}  // namespace tess
