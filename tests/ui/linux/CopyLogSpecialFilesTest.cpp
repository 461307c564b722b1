#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "../Form1Harness.h"

namespace tess::test {
namespace {

// Things with a modification time but no end of text to read: a pipe nobody
// writes to (opening it would wait for ever) and a device that never ends.
// Each is reported, and the clipboard keeps the text copied last.
class CopyLogSpecialFileTest : public ::testing::TestWithParam<const char*>,
                               protected Form1Harness {};

TEST_P(CopyLogSpecialFileTest, IsReportedAndLeavesTheClipboardAsItIs) {
    const std::string first = temp.File("first.txt");
    WriteAll(first, "first\r\n");
    Load();
    TypePath(first);
    form->PushButton2_Click();
    std::string special = GetParam();
    if (special == "pipe") {
        special = temp.File("a pipe");
        ASSERT_EQ(::mkfifo(special.c_str(), 0600), 0);
    }
    TypePath(special);
    form->PushButton2_Click();
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{102});
    EXPECT_EQ(clipboard.text, "first\r\n");
    EXPECT_EQ(clipboard.puts, 1);
}

INSTANTIATE_TEST_SUITE_P(LogCommands, CopyLogSpecialFileTest,
                         ::testing::Values("pipe", "/dev/zero"), [](const auto& info) {
                             return std::string(info.param) == "pipe" ? "PipeWithoutWriter"
                                                                      : "EndlessDevice";
                         });

}  // namespace
}  // namespace tess::test
