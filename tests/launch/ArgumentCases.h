#pragma once

#include <string>
#include <vector>

namespace tess::test {

// An argument and the text that passes it on a Windows command line.
struct ArgumentCase {
    std::string name;
    std::string argument;
    std::string quoted;
};

inline const std::vector<ArgumentCase>& ArgumentCases() {
    static const std::vector<ArgumentCase> cases{
        {"Empty", "", R"("")"},
        {"Path", R"(C:\Logs\battery.txt)", R"("C:\Logs\battery.txt")"},
        {"Spaces", R"(C:\My Logs\battery log.txt)", R"("C:\My Logs\battery log.txt")"},
        {"Tab", "C:\\a\tb.txt", "\"C:\\a\tb.txt\""},
        {"NetworkShare", R"(\\server\share\log.txt)", R"("\\server\share\log.txt")"},
        {"TrailingBackslash", R"(C:\Logs\)", R"("C:\Logs\\")"},
        {"TrailingBackslashes", R"(C:\Logs\\)", R"("C:\Logs\\\\")"},
        {"Quote", R"(a"b)", R"("a\"b")"},
        {"BackslashBeforeQuote", R"(a\"b)", R"("a\\\"b")"},
        {"BackslashesBeforeQuote", R"(a\\"b)", R"("a\\\\\"b")"},
        {"OnlyQuotes", R"("")", R"("\"\"")"},
        {"Option", "/p", R"("/p")"},
        {"NonAscii", "C:\\Protokolle\\Akku \xC3\xBC\xE2\x82\xAC.txt",
         "\"C:\\Protokolle\\Akku \xC3\xBC\xE2\x82\xAC.txt\""},
    };
    return cases;
}

}  // namespace tess::test
