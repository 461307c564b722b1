#include "tray/win32/Win32TrayShell.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tray/FakeEventWait.h"
#include "tray/NotifyIconData.h"
#include "tray/RecordingTrayHost.h"
#include "tray/TrayNotification.h"
#include "tray/cSysTray.h"
#include "tray/win32/ShellRecord.h"

namespace tess {
namespace {

using test::TrayEvent;

// Bytes of `data` from `from` to its end that are not zero.
int NonZeroBytesFrom(const NOTIFYICONDATAA& data, std::size_t from) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&data);
    int count = 0;
    for (std::size_t i = from; i < sizeof data; ++i) count += bytes[i] != 0;
    return count;
}

TEST(ShellRecordTest, AddingCarriesTheCallbackTipAndIcon) {
    const IconHandle icon = "tray-q";
    const HICON handle = LoadIconA(nullptr, IDI_APPLICATION);
    const NOTIFYICONDATAA data = ToShellRecord(AddRecord(0x5150, 0, "Tessaline", &icon), handle);
    EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V2_SIZE);
    EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(0x5150));
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(data.uCallbackMessage, 1125u);
    EXPECT_EQ(data.hIcon, handle);
    EXPECT_STREQ(data.szTip, "Tessaline");
    EXPECT_EQ(NonZeroBytesFrom(data, offsetof(NOTIFYICONDATAA, dwState)), 0);
}

TEST(ShellRecordTest, ABalloonCarriesAnsiTextsAndItsTimeOut) {
    const NOTIFYICONDATAA data =
        ToShellRecord(BalloonRecord(0x5150, 0, "Caf\xC3\xA9 \xCE\xA9", "Tessaline", 5000), nullptr);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_INFO));
    EXPECT_STREQ(data.szInfo, "Caf\xE9 ?");
    EXPECT_STREQ(data.szInfoTitle, "Tessaline");
    EXPECT_EQ(data.uTimeout, 5000u);
    EXPECT_EQ(data.dwInfoFlags, 0u);
    EXPECT_EQ(data.hIcon, nullptr);
    EXPECT_EQ(data.szTip[0], '\0');
}

TEST(ShellRecordTest, TextsAreCutToTheirFields) {
    NotifyIconData record;
    record.szTip = std::string(300, 't');
    record.szInfo = std::string(300, 'i');
    record.szInfoTitle = std::string(300, 'h');
    const NOTIFYICONDATAA data = ToShellRecord(record, nullptr);
    EXPECT_EQ(std::string(data.szTip), std::string(127, 't'));
    EXPECT_EQ(std::string(data.szInfo), std::string(255, 'i'));
    EXPECT_EQ(std::string(data.szInfoTitle), std::string(63, 'h'));
}

// A control in the tray on the shell's real window: what is posted to the
// window reaches the control through the hook, as the shell's callbacks do.
class Win32TrayHookTest : public ::testing::Test {
protected:
    HWND Window() const { return reinterpret_cast<HWND>(shell.Window()); }
    WNDPROC Procedure() const {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Window(), GWLP_WNDPROC));
    }
    void Post(LPARAM notification) {
        ASSERT_TRUE(PostMessageA(Window(), kTrayCallbackMessage, 0, notification));
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }

    Win32TrayShell shell;
    test::FakeEventWait wait;
    test::RecordingTrayHost host;
    cSysTray tray{{shell, wait, host}};
};

TEST_F(Win32TrayHookTest, APostedCallbackArrivesAsTheControlsEvent) {
    tray.SetInTray(true);
    Post(kWmLButtonUp);
    EXPECT_EQ(host.events, (std::vector<TrayEvent>{{"MouseUp", 1, 0}}));
    Post(kWmRButtonDown);
    Post(kWmLButtonDblClk);
    Post(0x207);
    EXPECT_EQ(host.events, (std::vector<TrayEvent>{
                               {"MouseUp", 1, 0}, {"MouseDown", 2, 0}, {"MouseDblClick", 1, 0}}));
}

TEST_F(Win32TrayHookTest, EveryMessageStillReachesTheWindowsOwnProcedure) {
    ASSERT_TRUE(SetWindowTextA(Window(), "Tessaline"));
    tray.SetInTray(true);
    EXPECT_NE(Procedure(), &DefWindowProcA);
    EXPECT_EQ(SendMessageA(Window(), WM_GETTEXTLENGTH, 0, 0), 9);
    EXPECT_EQ(SendMessageA(Window(), kTrayCallbackMessage, 0, kWmMouseMove), 0);
    EXPECT_EQ(host.events, (std::vector<TrayEvent>{{"MouseMove", 0, 0}}));
}

TEST_F(Win32TrayHookTest, LeavingTheTrayPutsTheSystemProcedureBack) {
    const WNDPROC own = Procedure();
    tray.SetInTray(true);
    tray.SetInTray(false);
    EXPECT_EQ(Procedure(), own);
    Post(kWmLButtonUp);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(Win32TrayHookTest, TheControlMayLeaveTheTrayFromItsOwnEvent) {
    host.onEvent = [this](const TrayEvent&) { tray.SetInTray(false); };
    const WNDPROC own = Procedure();
    tray.SetInTray(true);
    Post(kWmLButtonUp);
    EXPECT_EQ(host.events.size(), 1u);
    EXPECT_EQ(Procedure(), own);
}

// The shell's restart as the program sees it: the icon gone from the
// notification area, then TaskbarCreated broadcast to every top-level window.
TEST_F(Win32TrayHookTest, AfterTheShellRestartsTheIconIsThereAgain) {
    if (!shell.IsAvailable()) GTEST_SKIP() << "no notification area on this desktop";
    const auto inTheTray = [this] {
        return shell.Notify(kNimModify, TipRecord(shell.Window(), 0, "Tessaline"));
    };
    tray.SetInTray(true);
    ASSERT_TRUE(inTheTray());
    ASSERT_TRUE(shell.Notify(kNimDelete, RemoveRecord(shell.Window(), 0)));
    ASSERT_FALSE(inTheTray());

    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, shell.TaskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG,
                        5000, &ignored);

    EXPECT_TRUE(inTheTray());
    Post(kWmLButtonUp);
    EXPECT_EQ(host.events, (std::vector<TrayEvent>{{"MouseUp", 1, 0}}));
}

TEST(Win32TrayShellTest, OnlyItsOwnWindowIsSubclassed) {
    Win32TrayShell shell;
    Win32TrayShell other;
    EXPECT_FALSE(shell.ReplaceWindowProc(other.Window(), {}));
    EXPECT_EQ(GetWindowLongPtrA(reinterpret_cast<HWND>(other.Window()), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&DefWindowProcA));
}

// With a taskbar (a desktop such as Xvfb's), the shell takes every step.
TEST(Win32TrayShellTest, TheShellTakesAddModifyAndDelete) {
    Win32TrayShell shell;
    if (!shell.IsAvailable()) GTEST_SKIP() << "no notification area on this desktop";
    const WindowHandle window = shell.Window();
    EXPECT_TRUE(shell.Notify(kNimAdd, AddRecord(window, 0, "Tessaline", nullptr)));
    EXPECT_TRUE(shell.Notify(kNimModify, TipRecord(window, 0, "Tessaline 2")));
    EXPECT_TRUE(shell.Notify(kNimModify, BalloonRecord(window, 0, "Hidden", "Tessaline", 0)));
    EXPECT_TRUE(shell.Notify(kNimDelete, RemoveRecord(window, 0)));
    EXPECT_FALSE(shell.Notify(kNimDelete, RemoveRecord(window, 0)));
}

}  // namespace
}  // namespace tess
