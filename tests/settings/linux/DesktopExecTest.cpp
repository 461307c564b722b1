#include "settings/linux/DesktopExec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/linux/DesktopFile.h"

namespace tess {
namespace {

using Arguments = std::vector<std::string>;

const DesktopExecFields kFields{.file = "/tmp/a b/:log 100%.txt",
                                .url = "file:///tmp/a%20b/:log%20100%25.txt",
                                .icon = "text-editor",
                                .name = "Editor",
                                .location = "/usr/share/applications/editor.desktop"};

struct ExecCase {
    const char* name;
    // The value as the desktop file holds it.
    const char* exec;
    std::optional<Arguments> command;
};

class DesktopCommandTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopCommandTest, OpensTheOneFile) {
    EXPECT_EQ(DesktopCommand(GetParam().exec, kFields), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Exec, DesktopCommandTest,
    ::testing::Values(
        ExecCase{"File", "editor %f", Arguments{"editor", kFields.file}},
        ExecCase{"Files", "editor --new %F", Arguments{"editor", "--new", kFields.file}},
        ExecCase{"Url", "editor %u", Arguments{"editor", kFields.url}},
        ExecCase{"Urls", "editor %U", Arguments{"editor", kFields.url}},
        ExecCase{"NoFileCode", "editor", Arguments{"editor", kFields.file}},
        ExecCase{"InsideAnArgument", "editor --open=%f",
                 Arguments{"editor", "--open=" + kFields.file}},
        ExecCase{"IconNameLocation", "editor %i --title %c %k %f",
                 Arguments{"editor", "--icon", "text-editor", "--title", "Editor",
                           "/usr/share/applications/editor.desktop", kFields.file}},
        ExecCase{"DeprecatedAndUnknown", "editor %d %D %n %N %v %m %z %f",
                 Arguments{"editor", kFields.file}},
        ExecCase{"Percent", "editor 100%% %f", Arguments{"editor", "100%", kFields.file}},
        ExecCase{"QuotedProgram", "\"/opt/My Editor/bin/editor\" %f",
                 Arguments{"/opt/My Editor/bin/editor", kFields.file}},
        // In the file: "a \\"b\\" \\$c \\\\d", the quoting's escapes escaped as a string.
        ExecCase{"QuotedEscapes", "editor \"a \\\\\"b\\\\\" \\\\$c \\\\\\\\d\" %f",
                 Arguments{"editor", "a \"b\" $c \\d", kFields.file}},
        ExecCase{"StringEscapes", "editor\\s%f", Arguments{"editor", kFields.file}},
        ExecCase{"ReservedCharactersAreNoShell", "sh -c 'exec $0' %f",
                 Arguments{"sh", "-c", "'exec", "$0'", kFields.file}},
        ExecCase{"QuoteLeftOpen", "editor \"open %f", std::nullopt},
        ExecCase{"BadEscapeInQuotes", "editor \"a \\\\x\" %f", std::nullopt},
        ExecCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopCommandTest, WithoutAFileTheFileCodesStandForNothing) {
    EXPECT_EQ(DesktopCommand("editor %U --x=%f %i", {}), (Arguments{"editor", "--x="}));
}

TEST(DesktopListValueTest, ItemsWithoutTheEmptyOnes) {
    EXPECT_EQ(DesktopListValue("text/plain;;a\\;b;text/x-log;"),
              (Arguments{"text/plain", "a;b", "text/x-log"}));
}

}  // namespace
}  // namespace tess
