#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "LogTextPieces.h"
#include "engine/LogCharset.h"
#include "engine/Utf8Text.h"

namespace tess {
namespace {

using test::DecodeInPieces;

const std::string kFffd(kReplacementCharacter);

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::string text;  // after the end of the file
};

class WellFormedUtf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(WellFormedUtf8Test, KeepsCharactersAndReplacesWhatIsNone) {
    std::string out;
    const std::size_t taken = AppendWellFormedUtf8(GetParam().bytes, out);
    out += GetParam().bytes.substr(taken).empty() ? "" : kFffd;
    EXPECT_EQ(out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, WellFormedUtf8Test,
    ::testing::Values(Utf8Case{"Ascii", std::string("12/7/26 6:01:43 AM\r\n\0x", 22),
                               std::string("12/7/26 6:01:43 AM\r\n\0x", 22)},
                      Utf8Case{"TwoThreeAndFourBytes", "\xC3\xBC \xE2\x82\xAC \xF0\x9D\x84\x9E",
                               "\xC3\xBC \xE2\x82\xAC \xF0\x9D\x84\x9E"},
                      Utf8Case{"Latin1Byte", "Z\xFCrich", "Z" + kFffd + "rich"},
                      Utf8Case{"LoneContinuation", "\x80x", kFffd + "x"},
                      Utf8Case{"Overlong", "\xC0\xAF", kFffd + kFffd},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
                      Utf8Case{"AboveU10FFFF", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
                      Utf8Case{"BrokenOff", "\xE2\x82x\xF0\x9D\x84", kFffd + "x" + kFffd},
                      Utf8Case{"CutOffByTheEnd", "ab\xE2\x82", "ab" + kFffd}),
    [](const auto& info) { return std::string(info.param.name); });

// In the encoding of this process (the tests over locales and code pages say
// what each one gives): what the writer wrote reads back whole, as text,
// whatever the pieces it comes in.
TEST(LogTextDecoderTest, ReadsBackWhatTheWriterWroteInPiecesOfAnySize) {
    const std::string line = "8.12.26 5:27:38 Z\xC3\xBCrich \xCE\xA9 \xE6\x97\xA5\r\n";
    const std::string bytes = ToLogCharset(line);
    const std::string whole = DecodeInPieces(bytes, bytes.size());
    EXPECT_EQ(whole.substr(0, 17), "8.12.26 5:27:38 Z");
    EXPECT_EQ(whole.find(kFffd), std::string::npos) << whole;
    for (std::size_t piece : {1, 2, 3, 5}) EXPECT_EQ(DecodeInPieces(bytes, piece), whole) << piece;
}

}  // namespace
}  // namespace tess
