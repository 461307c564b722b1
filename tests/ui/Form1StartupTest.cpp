#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Form1Harness.h"

namespace tess::test {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

class StartupTest : public ::testing::Test, protected Form1Harness {
protected:
    Form1& LoadWith(const std::string& windowsStartup, const std::string& minimized) {
        Store(keys::kWindowsStartup, windowsStartup);
        Store(keys::kMinimized, minimized);
        Form1& loaded = Load();
        store.writes.clear();
        return loaded;
    }
    // The user clicks the box: its value turns, then its click handler runs.
    void ClickCheck4() {
        ui.Check4.value = 1 - ui.Check4.value;
        form->Check4_Click();
    }
    void ClickCheck8() {
        ui.Check8.value = 1 - ui.Check8.value;
        form->Check8_Click();
    }
};

TEST_F(StartupTest, CheckingRegistersAndOffersTheTrayOption) {
    LoadWith("Off", "Off");
    ClickCheck4();
    EXPECT_EQ(ui.Check4.value, 1);
    EXPECT_TRUE(ui.Check8.visible);
    EXPECT_EQ(ui.Check8.value, 0);
    EXPECT_EQ(store.writes, (Writes{{"Windows Startup", "On"}}));
    EXPECT_EQ(startup.adds, 1);
    EXPECT_EQ(startup.removes, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupTest, ClearingUnregistersAndTurnsTheTrayOptionOff) {
    LoadWith("On", "On");
    ClickCheck4();
    EXPECT_EQ(ui.Check4.value, 0);
    EXPECT_EQ(ui.Check8.value, 0);
    EXPECT_FALSE(ui.Check8.visible);
    EXPECT_EQ(store.writes, (Writes{{"Minimized", "Off"}, {"Windows Startup", "Off"}}));
    EXPECT_EQ(startup.removes, 1);
    EXPECT_EQ(startup.adds, 0);
}

TEST_F(StartupTest, CheckingAgainLeavesTheTrayOptionClear) {
    LoadWith("On", "On");
    ClickCheck4();
    ClickCheck4();
    EXPECT_EQ(ui.Check8.value, 0);
    EXPECT_TRUE(ui.Check8.visible);
    EXPECT_EQ(startup.adds, 1);
    EXPECT_EQ(Stored(keys::kMinimized), "Off");
}

struct RefusalCase {
    const char* name;
    const char* windowsStartup;  // as stored; "On" loads Check4 checked
    const char* minimized;
};

class RefusedRegistrationTest : public StartupTest,
                                public ::testing::WithParamInterface<RefusalCase> {};

// The system refuses to add the entry, or to remove it: the refusal is shown,
// and the boxes and the stored settings are as they were before the click.
TEST_P(RefusedRegistrationTest, IsReportedAndUndone) {
    const RefusalCase& c = GetParam();
    LoadWith(c.windowsStartup, c.minimized);
    const bool removing = ui.Check4.value == 1;
    const std::string reason = std::string("Cannot ") + (removing ? "delete" : "write") +
                               " /etc/xdg/autostart/tessaline.desktop: Permission denied";
    (removing ? startup.removalRefusal : startup.refusal) = reason;
    const auto state = [&] {
        return std::tuple(ui.Check4.value, ui.Check8.value, ui.Check8.visible,
                          Stored(keys::kWindowsStartup), Stored(keys::kMinimized));
    };
    const auto before = state();
    ClickCheck4();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, reason);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].title, "");
    EXPECT_EQ(state(), before);
    EXPECT_EQ(startup.adds + startup.removes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, RefusedRegistrationTest,
    ::testing::Values(RefusalCase{"AddStoredOff", "Off", "Off"},
                      RefusalCase{"AddStoredLowerCaseOnWithTheTrayOption", "on", "On"},
                      RefusalCase{"RemoveWithTheTrayOption", "On", "On"},
                      RefusalCase{"RemoveWithoutTheTrayOption", "On", "Off"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, TrayOptionIsStored) {
    LoadWith("On", "Off");
    ClickCheck8();
    ClickCheck8();
    EXPECT_EQ(store.writes, (Writes{{"Minimized", "On"}, {"Minimized", "Off"}}));
    EXPECT_EQ(startup.adds + startup.removes, 0);
}

TEST_F(StartupTest, FailingWritesKeepTheProgramGoing) {
    LoadWith("Off", "Off");
    store.failWrites = true;
    ClickCheck4();
    EXPECT_EQ(ui.Check4.value, 1);
    EXPECT_EQ(startup.adds, 1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(diagnostics.lines, std::vector<std::string>{"Form1.Check4_Click: Permission denied"});
}

}  // namespace
}  // namespace tess::test
