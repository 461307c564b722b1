#include <gtest/gtest.h>

#include <string>

#include "SampleLines.h"
#include "ui/LogLineStore.h"

namespace tess::test {
namespace {

struct LineCase {
    const char* name;
    std::string line;
};

class LogLineStoreLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LogLineStoreLineTest, ComesBackExactly) {
    LogLineStore store;
    store.Append("first");
    store.Append(GetParam().line);
    store.Append("last");

    EXPECT_EQ(store.Size(), 3u);
    EXPECT_EQ(store.At(1), GetParam().line);
    EXPECT_EQ(store.At(0), "first");
    EXPECT_EQ(store.At(2), "last");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LogLineStoreLineTest,
    ::testing::Values(
        LineCase{"Battery", kBatteryLine},
        LineCase{"BatteryTimeUnknown", "12/7/26 6:01:43 AM Battery Level is 5%."},
        LineCase{"AcPower", kAcLine}, LineCase{"Empty", ""},
        LineCase{"PhrasesOnly", " Running on AC Power Battery Level is % ( Hours,  Minutes, "},
        LineCase{"PhrasesCutShort", " Battery Level is% Hours, Minutes, Seconds"},
        LineCase{"NonAscii", "7.12.26 6:01 Akku: 87 % – noch 2 Std. ✓ 電池"},
        LineCase{"CodeBytes", "\x01\x02\x03\x04\x05\x06\x07\x08"},
        LineCase{"CodeBytesAroundPhrases", "\x07 Hours, \x01% (\x07\x07 Running on AC Power\x06"},
        LineCase{"EscapeAtTheEnd", "87%\x07"},
        LineCase{"InnerNul", std::string("a\0b Hours, ", 10)},
        LineCase{"NotUtf8", "\xff\xfe Battery Level is \x80"},
        LineCase{"LongerThanATextBlock", std::string(3 * 1024 * 1024 + 5, '\x03')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogLineStoreTest, ManyLinesComeBackAcrossBlocks) {
    LogLineStore store;
    const int rows = 120000;  // several blocks of text and of offsets
    for (int i = 0; i < rows; ++i) store.Append(NumberedLine(i));

    ASSERT_EQ(store.Size(), static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        ASSERT_EQ(store.At(static_cast<std::size_t>(i)), NumberedLine(i)) << "row " << i;
    }
}

TEST(LogLineStoreTest, RowsPastTheEndAreEmptyAndClearStartsOver) {
    LogLineStore store;
    for (int i = 0; i < 5000; ++i) store.Append(NumberedLine(i));
    EXPECT_EQ(store.At(5000), "");

    store.Clear();
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_EQ(store.At(0), "");
    store.Append(kAcLine);
    store.Append(kBatteryLine);
    EXPECT_EQ(store.Size(), 2u);
    EXPECT_EQ(store.At(0), kAcLine);
    EXPECT_EQ(store.At(1), kBatteryLine);
}

}  // namespace
}  // namespace tess::test
