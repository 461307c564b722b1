#include <gtest/gtest.h>

#include <string>

#include "TrayFixture.h"

namespace tess::test {
namespace {

// 0123456789ABCDEFGHIJ...: every prefix length gives a different text.
std::string Numbered(std::size_t length) {
    const std::string digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += digits[i % digits.size()];
    return text;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

struct AddCase {
    const char* name;
    std::string tip;
    bool withIcon;
    NotifyIconData expected;
};

class AddRecordTest : public TrayParamFixture<AddCase> {};

TEST_P(AddRecordTest, NamesOnlyWhatIsGiven) {
    if (GetParam().withIcon) tray.SetTrayIcon(MakeIcon("q.ico"));
    tray.SetTrayTip(GetParam().tip);
    tray.SetInTray(true);

    ASSERT_EQ(shell.sent.size(), 1u);
    EXPECT_EQ(shell.sent[0].message, 0u);
    EXPECT_EQ(shell.sent[0].record, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tray, AddRecordTest,
    ::testing::Values(
        AddCase{"NoTipNoIcon", "", false, {.hWnd = 0x5150, .uFlags = 1, .uCallbackMessage = 1125}},
        AddCase{"TipOnly",
                "Tessaline",
                false,
                {.hWnd = 0x5150, .uFlags = 5, .uCallbackMessage = 1125, .szTip = "Tessaline"}},
        AddCase{"IconOnly",
                "",
                true,
                {.hWnd = 0x5150, .uFlags = 3, .uCallbackMessage = 1125, .hIcon = "q.ico"}},
        AddCase{"TipAndIcon",
                "Tessaline",
                true,
                {.hWnd = 0x5150,
                 .uFlags = 7,
                 .uCallbackMessage = 1125,
                 .hIcon = "q.ico",
                 .szTip = "Tessaline"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayFixture, IconChangeInTheTraySendsOnlyTheIcon) {
    tray.SetInTray(true);
    tray.SetTrayIcon(MakeIcon("other.ico"));

    ASSERT_EQ(shell.sent.size(), 2u);
    EXPECT_EQ(shell.sent[1].message, 1u);
    EXPECT_EQ(shell.sent[1].record,
              (NotifyIconData{.hWnd = 0x5150, .uFlags = 2, .hIcon = "other.ico"}));
}

TEST_F(TrayFixture, TipChangeInTheTraySendsOnlyTheTipAndEmptyClearsIt) {
    tray.SetInTray(true);
    tray.SetTrayTip("Tessaline");
    tray.SetTrayTip("");

    ASSERT_EQ(shell.sent.size(), 3u);
    EXPECT_EQ(shell.Messages(), (std::vector<std::uint32_t>{0, 1, 1}));
    EXPECT_EQ(shell.sent[1].record,
              (NotifyIconData{.hWnd = 0x5150, .uFlags = 4, .szTip = "Tessaline"}));
    EXPECT_EQ(shell.sent[2].record, (NotifyIconData{.hWnd = 0x5150, .uFlags = 4}));
}

TEST_F(TrayFixture, RemovalNamesWindowAndIdentifierOnly) {
    tray.SetTrayIcon(MakeIcon("q.ico"));
    tray.SetTrayTip("Tessaline");
    tray.SetInTray(true);
    tray.SetInTray(false);

    ASSERT_EQ(shell.sent.size(), 2u);
    EXPECT_EQ(shell.sent[1].message, 2u);
    EXPECT_EQ(shell.sent[1].record, (NotifyIconData{.hWnd = 0x5150}));
}

TEST_F(TrayFixture, BalloonRecordHasTextTitleAndTimeoutWithoutIcon) {
    tray.SetTrayTip("Tessaline");
    tray.SetInTray(true);
    tray.ShowBalloon("has been minimized", "Tessaline", 5, true);

    ASSERT_GE(shell.sent.size(), 2u);
    EXPECT_EQ(shell.sent[1].message, 1u);
    EXPECT_EQ(shell.sent[1].record, (NotifyIconData{.hWnd = 0x5150,
                                                    .uFlags = 0x10,
                                                    .szInfo = "has been minimized",
                                                    .uTimeout = 5000,
                                                    .szInfoTitle = "Tessaline"}));
}

// Where each text is cut: the field size less the terminating NUL.
struct CutCase {
    const char* name;
    std::size_t length;
    std::size_t tipKept;
    std::size_t textKept;
    std::size_t titleKept;
};

class TextCutTest : public TrayParamFixture<CutCase> {};

TEST_P(TextCutTest, TextsAreCutToTheirFields) {
    const std::string text = Numbered(GetParam().length);
    tray.SetTrayTip(text);
    tray.SetInTray(true);
    tray.SetTrayTip(text);
    tray.ShowBalloon(text, text, 0, false);

    ASSERT_EQ(shell.sent.size(), 3u);
    EXPECT_EQ(shell.sent[0].record.szTip, text.substr(0, GetParam().tipKept));
    EXPECT_EQ(shell.sent[1].record.szTip, text.substr(0, GetParam().tipKept));
    EXPECT_EQ(shell.sent[2].record.szInfo, text.substr(0, GetParam().textKept));
    EXPECT_EQ(shell.sent[2].record.szInfoTitle, text.substr(0, GetParam().titleKept));
    EXPECT_EQ(tray.TrayTip(), text) << "the control keeps the whole tip";
}

INSTANTIATE_TEST_SUITE_P(
    Tray, TextCutTest,
    ::testing::Values(CutCase{"Short", 10, 10, 10, 10}, CutCase{"TitleFull", 63, 63, 63, 63},
                      CutCase{"TitleOver", 64, 64, 64, 63}, CutCase{"TipFull", 127, 127, 127, 63},
                      CutCase{"TipOver", 128, 127, 128, 63}, CutCase{"TextFull", 255, 127, 255, 63},
                      CutCase{"TextOver", 256, 127, 255, 63}, CutCase{"Long", 1000, 127, 255, 63}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayFixture, CutsCountCharactersAndNeverSplitOne) {
    tray.SetInTray(true);
    tray.SetTrayTip(Repeat("\xC3\xA9", 200));                  // 200 x U+00E9
    tray.SetTrayTip(Repeat("a", 126) + "\xE2\x82\xAC" + "b");  // U+20AC as the 127th

    ASSERT_EQ(shell.sent.size(), 3u);
    EXPECT_EQ(shell.sent[1].record.szTip, Repeat("\xC3\xA9", 127));
    EXPECT_EQ(shell.sent[2].record.szTip, Repeat("a", 126) + "\xE2\x82\xAC");
}

TEST_F(TrayFixture, TakeDownReusesTheShownRecordWithEmptyTexts) {
    tray.ShowBalloon("text", "title", 5, false);

    ASSERT_EQ(shell.sent.size(), 2u);
    NotifyIconData expected = shell.sent[0].record;
    expected.szInfo.clear();
    expected.szInfoTitle.clear();
    EXPECT_EQ(shell.sent[1].message, 1u);
    EXPECT_EQ(shell.sent[1].record, expected);
    EXPECT_EQ(shell.sent[1].record.uTimeout, 5000u);
}

}  // namespace
}  // namespace tess::test
