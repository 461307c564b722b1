#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Error.h"
#include "ui/IntegerText.h"

namespace tess {
namespace {

struct Converted {
    std::string text;
    int value;
};

class IntegerTextValue : public ::testing::TestWithParam<Converted> {};

TEST_P(IntegerTextValue, ReadsTheNumber) {
    EXPECT_EQ(ToInteger16(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IntegerTextValue,
    ::testing::Values(Converted{"2", 2}, Converted{" 12\t", 12}, Converted{"+7", 7},
                      Converted{"-1", -1}, Converted{"0", 0}, Converted{"0002", 2},
                      Converted{"32767", 32767}, Converted{"-32768", -32768},
                      // Half goes to the even neighbour, more than half rounds up.
                      Converted{"2.5", 2}, Converted{"3.5", 4}, Converted{"2.51", 3},
                      Converted{"2.500001", 3}, Converted{"-2.5", -2}, Converted{"-3.5", -4},
                      Converted{"2.49999", 2}, Converted{".5", 0}, Converted{"5.", 5},
                      Converted{"-32768.5", -32768}, Converted{"32766.5", 32766},
                      // Leading zeros do not make a number long.
                      Converted{std::string(100000, '0') + "9", 9}));

struct Refused {
    std::string text;
    std::string description;
};

class IntegerTextError : public ::testing::TestWithParam<Refused> {};

TEST_P(IntegerTextError, Throws) {
    const auto& [text, description] = GetParam();
    try {
        ToInteger16(text);
        ADD_FAILURE() << "no error for \"" << text.substr(0, 40) << '"';
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), description) << '"' << text.substr(0, 40) << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(BadText, IntegerTextError,
                         ::testing::ValuesIn(std::vector<Refused>{
                             {"", "Type mismatch"},
                             {"   ", "Type mismatch"},
                             {"abc", "Type mismatch"},
                             {"two", "Type mismatch"},
                             {"1,2", "Type mismatch"},
                             {"'2'", "Type mismatch"},
                             {"\"2\"", "Type mismatch"},
                             {".", "Type mismatch"},
                             {"-", "Type mismatch"},
                             {"+-2", "Type mismatch"},
                             {"2 3", "Type mismatch"},
                             {"\xEF\xBC\x92", "Type mismatch"},  // a full-width two
                             {"32768", "Overflow"},
                             {"-32769", "Overflow"},
                             {"32767.5", "Overflow"},
                             {"99999999999999999999", "Overflow"},
                             // Digits beyond any floating-point range, and more of them than a
                             // recursive pattern matcher's stack survives.
                             {std::string(400, '9'), "Overflow"},
                             {std::string(100000, '9'), "Overflow"},
                             {std::string("-").append(100000, '9').append(".5"), "Overflow"}}));

}  // namespace
}  // namespace tess
