#include <gtest/gtest.h>

#include <string>

#include "ui/LogLineStore.h"

namespace tess {
namespace {

const std::string kBatteryLine =
    "12/7/26 6:01:43 AM Battery Level is 87% (2 Hours, 15 Minutes, 0 Seconds remaining on "
    "battery).";
const std::string kAcLine = "12/7/26 6:01:43 AM Running on AC Power";

// A log line that differs from its neighbours in every field.
std::string NumberedLine(int i) {
    if (i % 7 == 0) return std::to_string(i) + " Running on AC Power";
    return std::to_string(i) + " Battery Level is " + std::to_string(i % 101) + "% (" +
           std::to_string(i % 24) + " Hours, " + std::to_string(i % 60) + " Minutes, " +
           std::to_string(i % 59) + " Seconds remaining on battery).";
}

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
}  // namespace tess
