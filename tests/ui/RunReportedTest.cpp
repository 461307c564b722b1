#include "ui/RunReported.h"

#include <gtest/gtest.h>

#include <string>

#include "RecordingDialogs.h"
#include "Vendor.h"
#include "common/Error.h"

namespace tess {
namespace {

// A start that fails (here at the step that makes the support window) is
// reported with the standard error report, and the program ends with a status
// that says so.
TEST(RunReportedTest, AFailedStartIsReportedAndEndsWithAFailure) {
    test::RecordingDialogs dialogs;
    const int status = RunReported(dialogs, [](const StartStep& step) -> int {
        step(100);
        step(104);
        throw Error("Cannot create a window: Out of memory.");
    });
    EXPECT_NE(status, 0);
    ASSERT_EQ(dialogs.messages.size(), std::size_t{1});
    EXPECT_EQ(dialogs.messages[0].text,
              std::string("Cannot create a window: Out of memory.\r\n"
                          "in Pellwick2021/08/31.Main.RunApplication at line 104\r\r"
                          "Please email screenshot of this message to ") +
                  kSupportEmail);
    EXPECT_EQ(dialogs.messages[0].title, "Application Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace tess
