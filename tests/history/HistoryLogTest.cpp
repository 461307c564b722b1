#include "history/HistoryLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FakeClock.h"
#include "ScriptedLog.h"
#include "TempDir.h"
#include "common/CivilTime.h"
#include "history/BatteryHistory.h"

namespace tess {
namespace {

using State = LogReport::State;

class HistoryLogTest : public ::testing::Test {
protected:
    // Entries of a log that logs once a minute on battery, all of one length.
    std::string Entries(int from, int count) const {
        test::ScriptedLog log(format);
        for (int i = from; i < from + count; ++i) log.Battery(kStart + 60 * i, 90 - i % 80, 60);
        return log.text;
    }
    void Append(const std::string& text) const {
        std::ofstream(path, std::ios::binary | std::ios::app) << text;
    }

    static constexpr std::int64_t kStart = 1'796'637'600;  // 7 December 2026, 10:00
    test::UsDateTimeFormat format;
    test::TempDir dir;
    std::string path = dir.File("Tessaline.txt");
};

TEST_F(HistoryLogTest, SaysWhatItFoundWhenThereIsNothingToRead) {
    BatteryHistory history(format);
    history.Open(path);
    EXPECT_EQ(history.Report().state, State::Missing);
    EXPECT_EQ(history.Summary(), "There is no log file at " + path + ".");

    test::WriteAll(path, "");
    history.Open(path);
    EXPECT_EQ(history.Report().state, State::Read);
    EXPECT_EQ(history.Summary(), "The log is empty.");

    history.Open(dir.path().string());
    EXPECT_EQ(history.Report().state, State::NotAFile);
    EXPECT_TRUE(history.Samples().empty());
}

// Lines of another locale, hand edits, binary bytes, a line far too long and
// blank lines: every entry is read, every other line counted, nothing guessed.
TEST_F(HistoryLogTest, CountsWhatItCannotReadAndReadsTheRest) {
    test::WriteAll(path, "\xEF\xBB\xBF" + Entries(0, 2) +
                             "07.12.2026 06:01:43 Running on AC Power\r\n" + "\r\n" +
                             std::string("\0\x01\xFF\xFE binary\n", 13) + std::string(5000, 'x') +
                             "\r\n" + "my note\n" + Entries(2, 1) + Entries(3, 1).substr(0, 30));
    BatteryHistory history(format);
    history.Open(path);
    const LogReport& report = history.Report();
    EXPECT_EQ(report.state, State::Read);
    EXPECT_EQ(report.entries, 3u);
    EXPECT_EQ(report.skipped, 5u);  // the other locale, binary, too long, the note, the torn end
    ASSERT_EQ(history.Samples().size(), 3u);
    EXPECT_EQ(history.Samples()[0].time, kStart);
    EXPECT_EQ(history.Samples()[2].time, kStart + 120);
    EXPECT_EQ(history.Summary(),
              "3 entries read, 5 lines skipped (not entries in this system's date and time "
              "format).");
}

TEST_F(HistoryLogTest, FollowsAppendsByOffsetAndRereadsAReplacedFile) {
    test::WriteAll(path, Entries(0, 3));
    HistoryLog log(format);
    log.Open(path);
    EXPECT_EQ(log.Follow(), LogChange::None);
    EXPECT_EQ(log.Kept(), 3u);

    // An entry caught half written is counted as skipped until its end arrives.
    const std::string next = Entries(3, 1);
    Append(next.substr(0, 25));
    EXPECT_EQ(log.Follow(), LogChange::Appended);
    EXPECT_EQ(log.Report().skipped, 1u);
    Append(next.substr(25) + Entries(4, 1));
    EXPECT_EQ(log.Follow(), LogChange::Appended);
    EXPECT_EQ(log.Kept(), 3u);
    EXPECT_EQ(log.Report().entries, 5u);
    EXPECT_EQ(log.Report().skipped, 0u);
    EXPECT_EQ(log.Samples().back().time, kStart + 240);

    // Cleared and started over: the same length, other entries.
    std::filesystem::remove(path);
    test::WriteAll(path, Entries(10, 5));
    EXPECT_EQ(log.Follow(), LogChange::Reloaded);
    EXPECT_EQ(log.Kept(), 0u);
    EXPECT_EQ(log.Samples().front().time, kStart + 600);

    test::WriteAll(path, Entries(10, 2));
    EXPECT_EQ(log.Follow(), LogChange::Reloaded);
    EXPECT_EQ(log.Samples().size(), 2u);

    std::filesystem::remove(path);
    EXPECT_EQ(log.Follow(), LogChange::Reloaded);
    EXPECT_EQ(log.Report().state, State::Missing);
    EXPECT_TRUE(log.Samples().empty());
    EXPECT_EQ(log.Follow(), LogChange::None);
    test::WriteAll(path, Entries(0, 1));
    EXPECT_EQ(log.Follow(), LogChange::Reloaded);
    EXPECT_EQ(log.Samples().size(), 1u);
}

// The log is read a mebibyte at a time. Where a slice ends inside an entry,
// between the CR and the LF of a line end, or inside a line longer than a
// slice, every entry is read as it would be whole, and the long line is one
// line skipped.
TEST_F(HistoryLogTest, ReadsEntriesAcrossItsSlicesWhole) {
    constexpr std::size_t kSlice = HistoryLog::kSliceBytes;
    std::string text;
    int entries = 0;
    std::size_t skipped = 0;
    const auto entry = [&] { text += Entries(entries++, 1); };
    // A note, not an entry, so that the next line begins at `at`.
    const auto noteUpTo = [&](std::size_t at) {
        text += std::string(at - text.size() - 2, 'n') + "\r\n";
        ++skipped;
    };
    while (text.size() < kSlice - 200) entry();
    noteUpTo(kSlice - 20);
    entry();  // across the first slice's end
    text += std::string(kSlice + kSlice / 2, 'x') + "\r\n";
    ++skipped;
    const std::size_t length = Entries(entries, 1).size();
    noteUpTo(3 * kSlice + 1 - length);
    entry();  // its CR the last byte of the third slice, its LF the first of the fourth
    for (int i = 0; i < 3; ++i) entry();
    text.resize(text.size() - 2);  // the last entry without its line end yet
    test::WriteAll(path, text);

    HistoryLog log(format);
    log.Open(path);
    EXPECT_EQ(log.Report().state, State::Read);
    EXPECT_EQ(log.Report().skipped, skipped);
    ASSERT_EQ(log.Report().entries, static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        const Sample& sample = log.Samples()[static_cast<std::size_t>(i)];
        ASSERT_EQ(sample.time, kStart + 60 * i) << i;
        ASSERT_EQ(sample.percent, 90 - i % 80) << i;
    }
}

// A log larger than the limit is read from its end; the line the cut falls
// in is left out, not counted as skipped.
TEST_F(HistoryLogTest, ReadsOnlyTheEndOfAVeryLargeLog) {
    const std::string text = Entries(0, 10);
    test::WriteAll(path, text);
    const std::size_t lineLength = text.find('\n') + 1;
    for (const std::size_t limit : {3 * lineLength, 3 * lineLength + 5}) {
        HistoryLog log(format, limit);
        log.Open(path);
        EXPECT_EQ(log.Report().entries, 3u) << limit;
        EXPECT_EQ(log.Report().skipped, 0u) << limit;
        EXPECT_EQ(log.Report().bytesLeftOut, text.size() - 3 * lineLength) << limit;
        EXPECT_EQ(log.Samples().front().time, kStart + 7 * 60) << limit;
    }
}

}  // namespace
}  // namespace tess
