#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include <string>
#include <vector>

#include "launch/ArgumentCases.h"
#include "ui/win32/CommandLineArgument.h"

namespace tess {
namespace {

using test::ArgumentCase;

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length));
    return wide;
}

// The arguments the system reads from a command line.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine.c_str(), &count);
    if (arguments == nullptr) return {};
    std::vector<std::wstring> split(arguments, arguments + count);
    LocalFree(arguments);
    return split;
}

class CommandLineToArgvTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(CommandLineToArgvTest, ReadsTheQuotedArgumentBackWhole) {
    const std::string& argument = GetParam().argument;
    const std::vector<std::wstring> split =
        SplitCommandLine(Wide("notepad.exe " + QuoteArgument(argument)));
    EXPECT_EQ(split, (std::vector<std::wstring>{L"notepad.exe", Wide(argument)}));
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineToArgvTest, ::testing::ValuesIn(test::ArgumentCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tess
