#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoryPropertyBag.h"
#include "TrayFixture.h"
#include "common/Error.h"

namespace tess::test {
namespace {

using Messages = std::vector<std::uint32_t>;
using Names = std::vector<std::string>;

// A control as made, made on a designer's form, and read from a store that
// holds none of its properties.
struct DefaultsCase {
    const char* name;
    void (*start)(TrayRig&);
    const char* tip;
};

class DefaultsTest : public TrayParamFixture<DefaultsCase> {};

TEST_P(DefaultsTest, StartOutOfTheTrayWithoutAnIcon) {
    GetParam().start(*this);

    EXPECT_FALSE(tray.InTray());
    EXPECT_EQ(tray.TrayTip(), GetParam().tip);
    EXPECT_EQ(tray.TrayIcon(), nullptr);
    EXPECT_TRUE(shell.sent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tray, DefaultsTest,
    ::testing::Values(DefaultsCase{"Made", [](TrayRig&) {}, ""},
                      DefaultsCase{"OnADesignedHost",
                                   [](TrayRig& rig) {
                                       rig.host.userMode = false;
                                       rig.tray.InitProperties();
                                   },
                                   "Telnet Server"},
                      DefaultsCase{"ReadFromAnEmptyStore",
                                   [](TrayRig& rig) { rig.tray.ReadProperties(MemoryPropertyBag()); },
                                   "Telnet Server"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayFixture, InTrayHooksBeforeAddingAndUnhooksAfterRemoving) {
    tray.SetInTray(true);
    EXPECT_TRUE(tray.InTray());
    tray.SetInTray(false);
    EXPECT_FALSE(tray.InTray());

    EXPECT_EQ(shell.log, (Names{"replace proc", "notify 0", "notify 2", "replace proc"}));
    EXPECT_EQ(host.changes, (Names{"InTray", "InTray"}));
}

TEST_F(TrayFixture, AssigningTheCurrentInTraySendsAndReportsNothing) {
    tray.SetInTray(false);
    tray.SetInTray(true);
    tray.SetInTray(true);

    EXPECT_EQ(shell.Messages(), (Messages{0}));
    EXPECT_EQ(host.changes, (Names{"InTray"}));
}

TEST_F(TrayFixture, WhileDesignedInTrayIsOnlyMarked) {
    host.userMode = false;
    tray.SetInTray(true);
    EXPECT_TRUE(tray.InTray());
    EXPECT_TRUE(shell.log.empty());

    host.userMode = true;
    tray.SetInTray(true);  // unchanged: still nothing added
    EXPECT_TRUE(shell.log.empty());

    tray.SetInTray(false);
    EXPECT_FALSE(tray.InTray());
    EXPECT_TRUE(shell.log.empty());
    EXPECT_EQ(host.changes, (Names{"InTray", "InTray"}));
}

TEST_F(TrayFixture, AFailedAddStillCountsAsInTheTray) {
    shell.result = false;
    tray.SetInTray(true);
    tray.SetTrayTip("Tessaline");
    tray.SetInTray(false);

    EXPECT_EQ(shell.Messages(), (Messages{0, 1, 2}));
}

TEST_F(TrayFixture, TipSetOutOfTheTrayIsOnlyStoredUntilTheNextAdd) {
    tray.SetTrayTip("Tessaline");
    EXPECT_TRUE(shell.sent.empty());
    EXPECT_EQ(tray.TrayTip(), "Tessaline");
    EXPECT_EQ(host.changes, (Names{"TrayTip"}));

    tray.SetInTray(true);
    ASSERT_EQ(shell.sent.size(), 1u);
    EXPECT_EQ(shell.sent[0].record.szTip, "Tessaline");
}

TEST_F(TrayFixture, TheSameTipIsSentAndReportedAgain) {
    tray.SetInTray(true);
    tray.SetTrayTip("Tessaline");
    tray.SetTrayTip("Tessaline");

    EXPECT_EQ(shell.Messages(), (Messages{0, 1, 1}));
    EXPECT_EQ(host.changes, (Names{"InTray", "TrayTip", "TrayTip"}));
}

TEST_F(TrayFixture, IconSetOutOfTheTrayIsOnlyStoredUntilTheNextAdd) {
    const PictureRef icon = MakeIcon("q.ico");
    tray.SetTrayIcon(icon);
    EXPECT_TRUE(shell.sent.empty());
    EXPECT_EQ(tray.TrayIcon(), icon);
    EXPECT_EQ(host.changes, (Names{"TrayIcon"}));

    tray.SetInTray(true);
    ASSERT_EQ(shell.sent.size(), 1u);
    EXPECT_EQ(shell.sent[0].record.hIcon, "q.ico");
}

struct NotAnIcon {
    const char* name;
    PictureRef picture;
};

class NotAnIconTest : public TrayParamFixture<NotAnIcon> {};

TEST_P(NotAnIconTest, LeavesIconTrayAndHostUntouched) {
    const PictureRef icon = MakeIcon("q.ico");
    tray.SetTrayIcon(icon);
    tray.SetInTray(true);
    const auto sentBefore = shell.sent.size();
    const auto changesBefore = host.changes.size();

    tray.SetTrayIcon(GetParam().picture);

    EXPECT_EQ(tray.TrayIcon(), icon);
    EXPECT_EQ(shell.sent.size(), sentBefore);
    EXPECT_EQ(host.changes.size(), changesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Tray, NotAnIconTest,
    ::testing::Values(NotAnIcon{"None", nullptr},
                      NotAnIcon{"Empty", MakePicture(Picture::Type::Empty, "")},
                      NotAnIcon{"Bitmap", MakePicture(Picture::Type::Bitmap, "q.bmp")},
                      NotAnIcon{"Metafile", MakePicture(Picture::Type::Metafile, "q.wmf")},
                      NotAnIcon{"Enhanced", MakePicture(Picture::Type::EnhancedMetafile, "q.emf")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrayLifetime, DestroyingWhileInTheTrayRemovesTheIconAndTheHook) {
    RecordingTrayShell shell;
    FakeEventWait wait;
    RecordingTrayHost host;
    {
        cSysTray doomed({shell, wait, host});
        doomed.SetInTray(true);
    }

    EXPECT_EQ(shell.log, (Names{"replace proc", "notify 0", "notify 2", "replace proc"}));
    EXPECT_EQ(shell.DeliverTray(0x202), RecordingTrayShell::kOwnResult);
    EXPECT_EQ(shell.reachedOwnProc.size(), 1u);
    EXPECT_TRUE(host.events.empty());
}

TEST(TrayLifetime, DestroyingOutOfTheTrayOrMarkedOnlySendsNothing) {
    for (const bool userMode : {true, false}) {
        RecordingTrayShell shell;
        FakeEventWait wait;
        RecordingTrayHost host;
        host.userMode = userMode;
        {
            cSysTray control({shell, wait, host});
            control.SetTrayTip("Tessaline");
            control.SetInTray(!userMode);
        }
        EXPECT_TRUE(shell.log.empty()) << "user mode " << userMode;
    }
}

TEST_F(TrayFixture, LoadingInTrayFirstAddsBareThenBringsTheIconUpToDate) {
    MemoryPropertyBag bag;
    bag.values = {{"InTray", true}, {"TrayIcon", MakeIcon("q.ico")}, {"TrayTip", std::string("")}};

    tray.ReadProperties(bag);

    ASSERT_EQ(shell.Messages(), (Messages{0, 1, 1}));
    EXPECT_EQ(shell.sent[0].record,
              (NotifyIconData{.hWnd = 0x5150, .uFlags = 1, .uCallbackMessage = 1125}));
    EXPECT_EQ(shell.sent[1].record,
              (NotifyIconData{.hWnd = 0x5150, .uFlags = 2, .hIcon = "q.ico"}));
    EXPECT_EQ(shell.sent[2].record, (NotifyIconData{.hWnd = 0x5150, .uFlags = 4}));
    EXPECT_EQ(host.changes, (Names{"InTray", "TrayIcon", "TrayTip"}));
}

TEST_F(TrayFixture, MissingIconFallsBackToTheFaceWhichIsTheIconLastAssigned) {
    tray.SetTrayIcon(MakeIcon("q.ico"));
    tray.SetInTray(true);
    host.changes.clear();
    MemoryPropertyBag bag;
    bag.values = {{"InTray", true}, {"TrayTip", std::string("Tessaline")}};

    tray.ReadProperties(bag);

    ASSERT_EQ(shell.Messages(), (Messages{0, 1, 1}));
    EXPECT_EQ(shell.sent[1].record,
              (NotifyIconData{.hWnd = 0x5150, .uFlags = 2, .hIcon = "q.ico"}));
    EXPECT_EQ(host.changes, (Names{"TrayIcon", "TrayTip"}));
}

TEST_F(TrayFixture, AStoredValueOfTheWrongKindFailsTheLoad) {
    MemoryPropertyBag bag;
    bag.values = {{"InTray", std::string("On")}};

    EXPECT_THROW(tray.ReadProperties(bag), Error);
}

TEST_F(TrayFixture, SavingWritesAllThreeInOrder) {
    const PictureRef icon = MakeIcon("q.ico");
    tray.SetTrayIcon(icon);
    tray.SetTrayTip("Tessaline");
    tray.SetInTray(true);
    MemoryPropertyBag bag;

    tray.WriteProperties(bag);

    ASSERT_EQ(bag.written.size(), 3u);
    EXPECT_EQ(bag.written[0], (std::pair<std::string, PropertyValue>{"InTray", true}));
    EXPECT_EQ(bag.written[1], (std::pair<std::string, PropertyValue>{"TrayIcon", icon}));
    EXPECT_EQ(bag.written[2],
              (std::pair<std::string, PropertyValue>{"TrayTip", std::string("Tessaline")}));
}

TEST_F(TrayFixture, SavedPropertiesLoadIntoAnEqualControl) {
    tray.SetTrayIcon(MakeIcon("q.ico"));
    tray.SetTrayTip("");
    MemoryPropertyBag bag;
    tray.WriteProperties(bag);

    RecordingTrayShell otherShell(0x6160);
    cSysTray copy({otherShell, wait, host});
    copy.ReadProperties(bag);

    EXPECT_FALSE(copy.InTray());
    EXPECT_EQ(copy.TrayTip(), "");
    EXPECT_EQ(copy.TrayIcon(), tray.TrayIcon());
}

}  // namespace
}  // namespace tess::test
