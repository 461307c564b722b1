#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Form1Harness.h"
#include "Vendor.h"
#include "ui/LogCopy.h"

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

// The file the writer appends to, whatever the path's form: relative ones from
// the working folder, names and folders starting with ':' (which Qt's file
// classes take for resources; not a name on Windows), characters outside the
// ANSI code page.
struct LogPathForm {
    const char* name;
    // The path as typed; ABSOLUTE stands for the test's folder.
    const char* typed;
    bool colon;
};

class LogPathFormTest : public LogCommandsTest, public ::testing::WithParamInterface<LogPathForm> {
protected:
    void SetUp() override {
        if (GetParam().colon && NativeSeparator() == '\\') GTEST_SKIP() << "no name on Windows";
        saved_ = fs::current_path();
        fs::current_path(temp.path());
        fs::create_directories(temp.File(":logs"));
    }
    void TearDown() override {
        if (!saved_.empty()) fs::current_path(saved_);
    }

private:
    fs::path saved_;
};

TEST_P(LogPathFormTest, EveryCommandActsOnTheFileTheWriterAppendsTo) {
    std::string typed = GetParam().typed;
    if (typed.starts_with("ABSOLUTE")) typed = PathText(temp.path()) + typed.substr(8);
    Form1& form = LoadWithPath(typed);
    form.PushButton6_Click();
    const std::string file = PathText(temp.path() / Utf8Path(typed));
    ASSERT_EQ(ReadAll(file), kAcLine);
    form.PushButton2_Click();
    EXPECT_EQ(clipboard.text, kAcLine);
    form.PushButton1_Click();
    EXPECT_EQ(launcher.edited, std::vector<std::string>{typed});
    form.PushButton4_Click();
    EXPECT_FALSE(fs::exists(Utf8Path(file)));
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    LogCommands, LogPathFormTest,
    ::testing::Values(LogPathForm{"ColonName", ":x.txt", true},
                      LogPathForm{"ColonFolder", ":logs/x.txt", true},
                      LogPathForm{"AbsoluteColonFolder", "ABSOLUTE/:logs/x.txt", true},
                      LogPathForm{"OutsideTheCodePage", "\xCE\xA9 log.txt", false}),
    [](const auto& info) { return std::string(info.param.name); });

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

// An editor that cannot start is reported at once; one that fails after its
// start (it ended with a failure status) when it tells, as the same report,
// while the window is there and not shutting down.
struct EditorFailureCase {
    const char* name;
    bool atStart;
    void (*before)(Form1Harness& h);
    std::vector<int> reported;
};

class EditorFailureTest : public LogCommandsTest,
                          public ::testing::WithParamInterface<EditorFailureCase> {};

TEST_P(EditorFailureTest, IsReportedOnceAsTheCommandsFailure) {
    const std::string path = temp.File("log.txt");
    WriteAll(path, "x\r\n");
    Form1& form = LoadWithPath(path);
    launcher.fail = GetParam().atStart;
    form.PushButton1_Click();
    if (!GetParam().atStart) {
        ASSERT_EQ(launcher.editorFailures.size(), 1u);
        EXPECT_TRUE(dialogs.messages.empty());
        GetParam().before(*this);
        launcher.editorFailures[0]("gedit ended with exit status 4");
    }
    EXPECT_EQ(ReportLines(dialogs), GetParam().reported);
    for (const MessageRequest& report : dialogs.messages) {
        EXPECT_NE(report.text.find("in Pellwick2021/08/31.Form1.PushButton1_Click "),
                  std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LogCommands, EditorFailureTest,
    ::testing::Values(EditorFailureCase{"CannotStart", true, nullptr, {102}},
                      EditorFailureCase{"FailsLater", false, [](Form1Harness&) {}, {102}},
                      EditorFailureCase{"FailsWhileShuttingDown",
                                        false,
                                        [](Form1Harness& h) { h.form->Form_QueryUnload(); },
                                        {}},
                      EditorFailureCase{"FailsAfterTheWindowIsGone",
                                        false,
                                        [](Form1Harness& h) { h.form.reset(); },
                                        {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A log of several slices, as the program writes it.
std::string LargeLog() {
    std::string content;
    for (int i = 0; content.size() < 2 * kLogCopySliceBytes + 1000; ++i) {
        content += "12/7/2026 6:01:" + std::to_string(i) +
                   " AM Battery Level is 57% (1 Hours, 2 Minutes, 3 Seconds remaining on "
                   "battery).\r\n";
    }
    return content + std::string("\0 not text\r\n", 13);
}

// The window's events run between the slices; the clipboard gets the text
// once, whole, from the one copy made for it.
TEST_F(LogCommandsTest, CopyLogPutsTheWholeFileOnTheClipboard) {
    const std::string path = temp.File("big log.txt");
    const std::string content = LargeLog();
    WriteAll(path, content);
    LoadWithPath(path);
    yields = 0;
    form->PushButton2_Click();
    EXPECT_EQ(clipboard.text, content);
    EXPECT_EQ(clipboard.puts, 1);
    EXPECT_EQ(clipboard.sizes, std::vector<std::size_t>{content.size()});
    EXPECT_EQ(clipboard.textsInHand, 0);
    EXPECT_EQ(yields, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

// What arrives while the text is prepared: an entry of the automatic log, a
// second Copy Log (of another file), the program's close, a Clear Log and the
// entry after it. The copy holds the log open only while it reads a slice, so
// each goes through as if no copy ran (on Windows a file still open is only
// marked for deletion, and an entry written then went with it).
struct DuringCopyCase {
    const char* name;
    void (*during)(LogCommandsTest& test, Form1& form);
    // The text on the clipboard afterwards: the log's, the other file's, or
    // none (and then, for a log that went meanwhile, the report).
    enum { Log, Other, None, Gone } copied;
};

class CopyLogMeanwhileTest : public LogCommandsTest,
                             public ::testing::WithParamInterface<DuringCopyCase> {
public:
    using Form1Harness::TypePath;
    std::string other = temp.File("other.txt");
};

TEST_P(CopyLogMeanwhileTest, TheCopyIsOfTheLatestClickAndHoldsNothingAfterwards) {
    const std::string path = temp.File("log.txt");
    const std::string content = LargeLog();
    WriteAll(path, content);
    WriteAll(other, "other\r\n");
    Form1& form = LoadWithPath(path);
    yields = 0;
    duringYield[1] = [&] { GetParam().during(*this, form); };
    form.PushButton2_Click();
    switch (GetParam().copied) {
        case DuringCopyCase::Log:
            // The log as it was at the click: the entry written meanwhile is
            // in the file, not in the copy.
            EXPECT_EQ(clipboard.text, content);
            EXPECT_GT(fs::file_size(path), content.size());
            break;
        case DuringCopyCase::Other:
            EXPECT_EQ(clipboard.text, "other\r\n");
            break;
        case DuringCopyCase::None:
            EXPECT_FALSE(clipboard.text);
            break;
        case DuringCopyCase::Gone:
            EXPECT_FALSE(clipboard.text);
            EXPECT_EQ(LogText(), kAcLine);
            EXPECT_EQ(Entries().size(), 1u);
            break;
    }
    const bool copied =
        GetParam().copied == DuringCopyCase::Log || GetParam().copied == DuringCopyCase::Other;
    EXPECT_EQ(clipboard.puts, copied ? 1 : 0);
    EXPECT_EQ(clipboard.textsInHand, 0);
    EXPECT_EQ(ReportLines(dialogs), GetParam().copied == DuringCopyCase::Gone
                                        ? std::vector<int>{102}
                                        : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    LogCommands, CopyLogMeanwhileTest,
    ::testing::Values(
        DuringCopyCase{"AnEntry", [](LogCommandsTest&, Form1& form) { form.PushButton6_Click(); },
                       DuringCopyCase::Log},
        DuringCopyCase{"AnotherCopyLog",
                       [](LogCommandsTest& test, Form1& form) {
                           auto& meanwhile = static_cast<CopyLogMeanwhileTest&>(test);
                           meanwhile.TypePath(meanwhile.other);
                           form.PushButton2_Click();
                       },
                       DuringCopyCase::Other},
        DuringCopyCase{"TheClose", [](LogCommandsTest&, Form1& form) { form.Form_QueryUnload(); },
                       DuringCopyCase::None},
        DuringCopyCase{"AClearLogAndAnEntry",
                       [](LogCommandsTest&, Form1& form) {
                           form.PushButton4_Click();
                           form.PushButton6_Click();
                       },
                       DuringCopyCase::Gone}),
    [](const auto& info) { return std::string(info.param.name); });

// What Copy Log refuses, before anything is read or held: a folder (it has a
// modification time but no text to read) and a log over the bound. Reported,
// and the clipboard keeps the text copied last, which is not put there again.
struct RefusedCopyCase {
    const char* name;
    const char* logName;
    std::uint64_t size;  // of the file made; none for a folder
    const char* reason;  // the report's first line, after the path for a folder
};

class CopyLogRefusedTest : public LogCommandsTest,
                           public ::testing::WithParamInterface<RefusedCopyCase> {};

TEST_P(CopyLogRefusedTest, IsReportedAndLeavesTheClipboardAsItIs) {
    const RefusedCopyCase& c = GetParam();
    const std::string first = temp.File("first.txt");
    WriteAll(first, "first\r\n");
    Form1& form = LoadWithPath(first);
    form.PushButton2_Click();
    const std::string refused = temp.File(c.logName);
    if (c.size == 0) {
        fs::create_directories(refused);
    } else {
        WriteAll(refused, "");
        fs::resize_file(refused, c.size);  // sparse: no disk taken
    }
    TypePath(refused);
    form.PushButton2_Click();
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{102});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& text = dialogs.messages[0].text;
    EXPECT_EQ(text.substr(0, text.find('\r')),
              c.size == 0 ? c.reason + refused : std::string(c.reason));
    EXPECT_EQ(clipboard.sizes, std::vector<std::size_t>{7});
    EXPECT_EQ(clipboard.text, "first\r\n");
    EXPECT_EQ(clipboard.puts, 1);
    EXPECT_EQ(clipboard.textsInHand, 0);
}

INSTANTIATE_TEST_SUITE_P(
    LogCommands, CopyLogRefusedTest,
    ::testing::Values(RefusedCopyCase{"AFolder", "a folder", 0, "Not a regular file: "},
                      RefusedCopyCase{"ALogOverTheBound", "large.txt", kLogCopyMaxBytes + 1,
                                      "The log is too large to copy: 257 MiB, and Copy Log "
                                      "copies a log of up to 256 MiB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogCommandsTest, AClipboardThatRefusesTheTextIsReported) {
    const std::string path = temp.File("log.txt");
    WriteAll(path, "line\r\n");
    Form1& form = LoadWithPath(path);
    clipboard.refusal = "Cannot open the clipboard";
    form.PushButton2_Click();
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{104});
    EXPECT_EQ(clipboard.textsInHand, 0);
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

// Never by pattern, never a folder or what is in it; a folder is reported.
struct NotDeletedCase {
    const char* name;
    const char* logName;
    std::vector<int> reported;
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
    EXPECT_EQ(ReportLines(dialogs), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(LogCommands, ClearLogKeepsOthersTest,
                         ::testing::Values(NotDeletedCase{"Star", "*.txt", {}},
                                           NotDeletedCase{"QuestionMark", "o?her.txt", {}},
                                           NotDeletedCase{"Folder", "logs", {102}}),
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
// then the new path takes over. An end without a change stores nothing.
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
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"a.txt", "b.txt"}));
}

// A close (the window's, the session's end, a signal) while the path is being
// edited takes the edit as ended before the process ends: what the user typed
// is stored. An edit ended once the shutdown has begun stores nothing.
TEST_F(LogCommandsTest, TheCloseKeepsAnEditOfThePathUnderWay) {
    Form1& form = LoadWithPath(temp.File("a.txt"));
    const std::string typed = temp.File("b.txt");
    ui.Text1.text = typed;
    std::optional<std::string> storedAtTheEnd;
    onEndProcess = [&] { storedAtTheEnd = Stored(keys::kText1); };
    form.Form_QueryUnload();
    ui.Text1.text = temp.File("c.txt");
    form.Text1_EditingFinished();
    EXPECT_EQ(storedAtTheEnd, typed);
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
