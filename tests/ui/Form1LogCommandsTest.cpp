#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Form1Harness.h"
#include "Vendor.h"

namespace tess::test {
namespace {

namespace fs = std::filesystem;
using Writes = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kNoHistory =
    "There isn't a history to view because actions have not been performed yet.";
const std::string kAcLine = "12/7/2026 6:01:43 AM Running on AC Power\r\n";

class LogCommandsTest : public ::testing::Test, protected Form1Harness {
protected:
    Form1& LoadWithPath(const std::string& path) {
        Load();
        TypePath(path);
        store.writes.clear();
        return *form;
    }
};

TEST_F(LogCommandsTest, ViewLogHandsThePathAsOneArgument) {
    const std::string path = temp.File("log folder/battery log.txt");
    WriteAll(path, "line\r\n");
    LoadWithPath(path).PushButton1_Click();
    EXPECT_EQ(launcher.edited, std::vector<std::string>{path});
    EXPECT_TRUE(dialogs.messages.empty());
}

// A missing file, and an empty path.
class WithoutALogTest : public LogCommandsTest, public ::testing::WithParamInterface<bool> {
protected:
    Form1& LoadWithoutLog() { return LoadWithPath(GetParam() ? "" : temp.File("none.txt")); }
};

TEST_P(WithoutALogTest, ViewLogSaysThereIsNoHistory) {
    LoadWithoutLog().PushButton1_Click();
    EXPECT_TRUE(launcher.edited.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const MessageRequest& shown = dialogs.messages[0];
    EXPECT_EQ(shown.text, kNoHistory);
    EXPECT_EQ(shown.title, "");  // the application title
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.icon, MessageIcon::None);
}

TEST_P(WithoutALogTest, CopyLogDoesNothing) {
    LoadWithoutLog().PushButton2_Click();
    EXPECT_FALSE(clipboard.text);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_P(WithoutALogTest, ClearLogAsksAndOnlyEmptiesTheList) {
    const std::string other = temp.File("log.txt");
    Form1& form = LoadWithoutLog();
    Entries().push_back("an entry");
    WriteAll(other, "keep\r\n");
    form.PushButton4_Click();
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(fs::exists(other));
}

INSTANTIATE_TEST_SUITE_P(LogCommands, WithoutALogTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "EmptyPath" : "MissingFile"; });

TEST_F(LogCommandsTest, EditorThatCannotStartIsReportedOnce) {
    const std::string path = temp.File("log.txt");
    WriteAll(path, "x\r\n");
    Form1& form = LoadWithPath(path);
    launcher.fail = true;
    form.PushButton1_Click();
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{102});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Form1.PushButton1_Click "), std::string::npos);
}

TEST_F(LogCommandsTest, CopyLogPutsTheWholeFileOnTheClipboard) {
    const std::string path = temp.File("big log.txt");
    std::string content;
    for (int i = 0; content.size() < 4'000'000; ++i) {
        content += "12/7/2026 6:01:" + std::to_string(i) +
                   " AM Battery Level is 57% (1 Hours, 2 Minutes, 3 Seconds remaining on "
                   "battery).\r\n";
    }
    content += std::string("\0\xff not text", 11);
    WriteAll(path, content);
    LoadWithPath(path).PushButton2_Click();
    EXPECT_EQ(clipboard.text, content);
    EXPECT_TRUE(dialogs.messages.empty());
}

// A folder has a modification time but no text to read: reported, and the
// text read last is copied again.
TEST_F(LogCommandsTest, CopyOfAFolderIsReportedAndCopiesTheLastText) {
    const std::string first = temp.File("first.txt");
    WriteAll(first, "first\r\n");
    Form1& form = LoadWithPath(first);
    form.PushButton2_Click();
    const std::string folder = temp.File("a folder");
    fs::create_directories(folder);
    TypePath(folder);
    clipboard.text = "other";
    form.PushButton2_Click();
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{102});
    EXPECT_EQ(clipboard.text, "first\r\n");
}

TEST_F(LogCommandsTest, ClearLogAsksFirst) {
    const std::string path = temp.File("log.txt");
    Form1& form = LoadWithPath(path);
    form.PushButton6_Click();
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::No};
    form.PushButton4_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const MessageRequest& asked = dialogs.messages[0];
    EXPECT_EQ(asked.text, "Are you sure you want to delete the history log and start over?");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked.icon, MessageIcon::None);
    EXPECT_EQ(asked.title, "");
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(Entries().size(), 1u);
}

// A writable file and a read-only one, which the forced delete removes.
class ClearLogTest : public LogCommandsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ClearLogTest, DeletesTheFileAndEmptiesTheList) {
    const std::string path = temp.File("log folder/battery log.txt");
    Form1& form = LoadWithPath(path);
    fs::create_directories(fs::path(path).parent_path());
    form.PushButton6_Click();
    if (GetParam()) fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    dialogs.messages.clear();
    form.PushButton4_Click();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(form.LogPath(), path);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(dialogs.messages.size(), 1u);  // the question alone
    // The next entry starts the file anew.
    form.PushButton6_Click();
    EXPECT_EQ(LogText(), kAcLine);
}

INSTANTIATE_TEST_SUITE_P(LogCommands, ClearLogTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "ReadOnly" : "Writable"; });

// What runs while Clear Log lets pending events run: a queued entry goes with
// the file; a close begins the shutdown, which goes on alone, leaving the log
// and the list.
class ClearLogPendingEventTest : public LogCommandsTest,
                                 public ::testing::WithParamInterface<bool> {};

TEST_P(ClearLogPendingEventTest, RunsFirst) {
    const bool close = GetParam();
    const std::string path = temp.File("log.txt");
    Form1& form = LoadWithPath(path);
    form.PushButton6_Click();
    yields = 0;
    duringYield[1] = [&] { close ? form.Form_QueryUnload() : form.PushButton6_Click(); };
    form.PushButton4_Click();
    EXPECT_EQ(fs::exists(path), close);
    EXPECT_EQ(Entries().size(), close ? 1u : 0u);
    EXPECT_EQ(processEnds, close ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(LogCommands, ClearLogPendingEventTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Close" : "QueuedEntry"; });

// Never by pattern, never a folder or what is in it.
struct NotDeletedCase {
    const char* name;
    const char* logName;
};

class ClearLogKeepsOthersTest : public LogCommandsTest,
                                public ::testing::WithParamInterface<NotDeletedCase> {};

TEST_P(ClearLogKeepsOthersTest, DeletesNothingElse) {
    const std::string other = temp.File("other.txt");
    WriteAll(other, "keep\r\n");
    WriteAll(temp.File("logs/inside.txt"), "keep\r\n");
    LoadWithPath(temp.File(GetParam().logName)).PushButton4_Click();
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::exists(temp.File("logs/inside.txt")));
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(LogCommands, ClearLogKeepsOthersTest,
                         ::testing::Values(NotDeletedCase{"Star", "*.txt"},
                                           NotDeletedCase{"QuestionMark", "o?her.txt"},
                                           NotDeletedCase{"Folder", "logs"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogCommandsTest, ChosenFileBecomesTheLogPath) {
    Form1& form = LoadWithPath(temp.File("log.txt"));
    const std::string chosen = temp.File("new folder/my log.txt");
    dialogs.nextFile = chosen;
    form.PushButton7_Click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Specify Log File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Text File (*.txt)");
    EXPECT_EQ(dialogs.fileRequests[0].initialPath, "");
    EXPECT_EQ(form.LogPath(), chosen);
    EXPECT_EQ(store.writes, (Writes{{"Text1", chosen}}));
}

// A cancelled dialog, and the file the box already names: no change, no write.
class NoNewPathTest : public LogCommandsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NoNewPathTest, ChangesNothing) {
    const std::string path = temp.File("log.txt");
    Form1& form = LoadWithPath(path);
    dialogs.nextFile = GetParam() ? std::optional<std::string>(path) : std::nullopt;
    form.PushButton7_Click();
    EXPECT_EQ(form.LogPath(), path);
    EXPECT_TRUE(store.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(LogCommands, NoNewPathTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SameFile" : "Cancelled"; });

// Retyping the path while logging every second: every entry goes to the path
// in force until the edit ends, nothing half typed is stored or reported, and
// then the new path takes over. An end without a change stores nothing; nor
// does one after a close began the shutdown.
TEST_F(LogCommandsTest, AnEditOfThePathTakesEffectWhenItEnds) {
    const std::string folder = temp.File("logs");
    fs::create_directories(folder);
    const std::string old = folder + "/a.txt";
    const std::string typed = folder + "/b.txt";
    Store(keys::kOftenIndex, "1");
    Form1& form = LoadWithPath(old);
    form.PushButton5_Click();
    store.writes.clear();
    std::vector<std::string> keystrokes;
    for (std::size_t n = old.size() - 1; n > folder.size(); --n) {
        keystrokes.push_back(old.substr(0, n));
    }
    for (std::size_t n = folder.size() + 1; n <= typed.size(); ++n) {
        keystrokes.push_back(typed.substr(0, n));
    }
    for (const std::string& text : keystrokes) {
        ui.Text1.text = text;
        timer1.Elapse();
    }
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    std::string expected;
    for (std::size_t i = 0; i <= keystrokes.size(); ++i) expected += kAcLine;
    EXPECT_EQ(ReadAll(old), expected);

    form.Text1_EditingFinished();
    form.Text1_EditingFinished();
    timer1.Elapse();
    EXPECT_EQ(store.writes, (Writes{{"Text1", typed}}));
    EXPECT_EQ(ReadAll(typed), kAcLine);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"a.txt", "b.txt"}));

    ui.Text1.text = folder + "/c.txt";
    form.Form_QueryUnload();
    form.Text1_EditingFinished();
    EXPECT_EQ(Stored(keys::kText1), typed);
}

TEST_F(LogCommandsTest, HelpNamesTheContactPage) {
    Load().PushButton3_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              std::string("Questions? Please contact Team Quorvane at http://") + kVendorHost +
                  "/contact/");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(dialogs.messages[0].title, "");
}

}  // namespace
}  // namespace tess::test
