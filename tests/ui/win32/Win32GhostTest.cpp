#include "Win32Harness.h"

#include "../DesignPixels.h"
#include "../PictureFiles.h"
#include "Vendor.h"
#include "ui/GhostDesign.h"
#include "ui/PointerSetting.h"

using namespace tess;
using namespace tess::test;

// The places the behaviour gives, at 96 dots per inch, worked out by hand; the
// picture at its own size.
TEST(Win32GhostTest, LayoutFollowsPictureAndVideo) {
    for (const GhostPixels& layout : kGhostAt96Dpi) {
        SCOPED_TRACE(layout.height);
        Win32Harness h;
        if (layout.picture) WriteAll(h.programFolder + "/icon256.gif", GifBytes(64, 48));
        if (layout.video) WriteAll(h.programFolder + "/Video/help.mp4", "v");
        Win32Ghost& ghost = h.ghost;
        ghost.Logic().Form_Load();

        RECT client;
        GetClientRect(ghost.Handle(), &client);
        EXPECT_EQ(client, Rect(0, 0, kGhostWidth96, layout.height));
        const ControlId buttons[] = {ghost::PushButton3, ghost::PushButton4, ghost::PushButton5,
                                     ghost::PushButton6};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(ClientRectOf(Handle(ghost, buttons[i])), Rect(18, layout.tops[i], 341, 27));
        }
        EXPECT_EQ(
            IsWindowVisible(Handle(ghost, ghost::PushButton3)) != FALSE ||
                (GetWindowLongPtrW(Handle(ghost, ghost::PushButton3), GWL_STYLE) & WS_VISIBLE) != 0,
            layout.video);
        EXPECT_EQ(ControlText(Handle(ghost, ghost::PushButton6)),
                  std::string("Open ") + kVendorHost);
        EXPECT_EQ(ClientRectOf(Handle(ghost, ghost::Image1)),
                  Rect(56, 50, layout.picture ? 64 : 0, layout.picture ? 48 : 0));
        EXPECT_EQ(ghost.Control<Win32PictureBox>(ghost::Image1).HasPicture(), layout.picture);
        EXPECT_EQ(ghost.Caption(), "Tessaline");
        EXPECT_NE(SendMessageW(ghost.Handle(), WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_FALSE(IsWindowVisible(ghost.Handle()));
    }
}

TEST(Win32GhostTest, UnreadablePictureShowsNothing) {
    Win32Harness h;
    WriteAll(h.programFolder + "/icon256.gif", "not a picture");
    h.ghost.Logic().Form_Load();
    EXPECT_FALSE(h.ghost.Control<Win32PictureBox>(ghost::Image1).HasPicture());
    EXPECT_EQ(h.diagnostics.lines.size(), std::size_t{1});
}

TEST(Win32GhostTest, ClicksAndPointerMovesReachTheBehaviour) {
    Win32Harness h;
    Win32Ghost& ghost = h.ghost;
    ghost.Logic().Form_Load();
    h.dialogs.answers = {MessageAnswer::No, MessageAnswer::No};
    for (const ControlId id : {ghost::PushButton4, ghost::PushButton5, ghost::PushButton6}) {
        SendMessageW(Handle(ghost, id), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(h.launcher.urls,
              (std::vector<std::string>{std::string("https://") + kVendorHost + "/question/",
                                        std::string("https://") + kVendorHost + "/"}));
    EXPECT_EQ(h.dialogs.messages.size(), std::size_t{2});

    SendMessageW(Handle(ghost, ghost::PushButton4), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(ghost.MousePointer(), PointerSetting::kCustom);
    SendMessageW(Handle(ghost, ghost::Image1), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(ghost.MousePointer(), PointerSetting::kDefault);
    SendMessageW(Handle(ghost, ghost::PushButton6), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    SendMessageW(ghost.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(ghost.MousePointer(), PointerSetting::kDefault);
}

// The close box minimises the window; the program's own close is not stopped.
TEST(Win32GhostTest, TheUsersCloseMinimisesTheWindow) {
    Win32Harness h;
    Win32Ghost& ghost = h.ghost;
    ghost.Logic().ShowSupport();
    ASSERT_TRUE(IsWindowVisible(ghost.Handle()));
    SendMessageW(ghost.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindowVisible(ghost.Handle()));
    EXPECT_TRUE(IsIconic(ghost.Handle()));
    ghost.Logic().ShowSupport();
    EXPECT_TRUE(IsWindowVisible(ghost.Handle()));
    EXPECT_FALSE(IsIconic(ghost.Handle()));
}

// After the close box the keys go to the main window, when it is shown: the
// minimised support window takes none.
TEST(Win32GhostTest, TheUsersCloseGivesTheKeysBackToTheMainWindow) {
    HiddenToTray = false;
    Win32Harness h;
    Win32Form1& window = h.Load();
    window.Logic().Show();
    h.ghost.Logic().ShowSupport();
    ASSERT_EQ(GetActiveWindow(), h.ghost.Handle());
    SendMessageW(h.ghost.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsIconic(h.ghost.Handle()));
    EXPECT_EQ(GetActiveWindow(), window.Handle());
    EXPECT_TRUE(IsChild(window.Handle(), GetFocus()));
}
