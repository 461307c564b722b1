#include "Win32Harness.h"

#include <commctrl.h>

#include <tuple>

#include "../DesignPixels.h"
#include "../PictureFiles.h"
#include "common/win32/WideText.h"
#include "tray/TrayNotification.h"
#include "ui/Form1Design.h"
#include "ui/PointerSetting.h"
#include "ui/win32/Win32AppServices.h"
#include "ui/win32/Win32IntervalList.h"
#include "ui/win32/Win32LogList.h"

using namespace tess;
using namespace tess::test;

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// The background the window gives a control (WM_CTLCOLORSTATIC), or with
// kWindowItself the colour it erases itself with.
COLORREF BackgroundOf(Win32Window& window, ControlId id) {
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    SelectObject(memory, bitmap);
    COLORREF colour;
    if (id == kWindowItself) {
        SendMessageW(window.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        colour = GetPixel(memory, 1, 1);
    } else {
        SendMessageW(window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
                     reinterpret_cast<LPARAM>(Handle(window, id)));
        colour = GetBkColor(memory);
    }
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return colour;
}

SCROLLINFO ScrollOf(HWND window, int bar) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window, bar, &info);
    return info;
}

// The monitor's resolution changes as the system says it: the new dots per
// inch and the window's rectangle scaled to them.
void ChangeDpi(Win32Window& window, unsigned dpi) {
    RECT r;
    GetWindowRect(window.Handle(), &r);
    r.right =
        r.left + MulDiv(r.right - r.left, static_cast<int>(dpi), static_cast<int>(window.Dpi()));
    r.bottom =
        r.top + MulDiv(r.bottom - r.top, static_cast<int>(dpi), static_cast<int>(window.Dpi()));
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&r));
}

// A press of the left button on the row of the list (1-based; 0 beside the rows).
void PressRow(HWND list, int row, WPARAM keys = 0) {
    RECT r{};
    ListView_GetItemRect(list, std::max(row, 1) - 1, &r, LVIR_BOUNDS);
    RECT client;
    GetClientRect(list, &client);
    const int x = row == 0 ? client.right - 2 : (r.left + r.right) / 2;
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, (r.top + r.bottom) / 2));
    SendMessageW(list, WM_LBUTTONUP, keys, MAKELPARAM(x, (r.top + r.bottom) / 2));
}

void Key(HWND control, WPARAM key) {
    SendMessageW(control, WM_KEYDOWN, key, 1);
    SendMessageW(control, WM_KEYUP, key, 1);
}

// Ctrl held down, as the controls ask the keyboard's state, for the life of this.
class CtrlHeld {
public:
    CtrlHeld() {
        GetKeyboardState(before_);
        BYTE held[256];
        std::copy(std::begin(before_), std::end(before_), held);
        held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
        SetKeyboardState(held);
    }
    ~CtrlHeld() { SetKeyboardState(before_); }
    CtrlHeld(const CtrlHeld&) = delete;
    CtrlHeld& operator=(const CtrlHeld&) = delete;

private:
    BYTE before_[256];
};

// What a thread timer runs, once, from the message loop that handles it.
std::function<void()> later;

void CALLBACK RunLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (const std::function<void()> action = std::move(later)) action();
}

void Click(Win32Window& window, ControlId id) {
    SendMessageW(Handle(window, id), BM_CLICK, 0, 0);
}

// The captions of the context menu that showed, read from within its loop,
// which then chooses its first command with the keyboard.
std::vector<std::string> menuCaptions;
int menuWaits = 0;

void CALLBACK ChooseFirstCommand(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        if (++menuWaits > 500) EndMenu();  // no menu came: the test fails, not hangs
        return;
    }
    KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        menuCaptions.push_back(WideToUtf8(text));
    }
    PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(menuWindow, WM_CHAR, L'\r', 1);
}

}  // namespace

// At 96 dots per inch the window is the design's size; at 192 the design no
// longer fits the screen and scrolls, every control reachable. A spot check
// against places worked out by hand from the design.
class Win32Form1LayoutTest : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override { HiddenToTray = false; }
};

TEST_P(Win32Form1LayoutTest, ControlsStandWhereTheDesignPutsThem) {
    const unsigned dpi = GetParam();
    const int scale = static_cast<int>(dpi / 96);
    Win32Harness h;
    Win32Form1& window = h.Load();
    ASSERT_EQ(window.Dpi(), 96U);
    if (dpi != 96) ChangeDpi(window, dpi);
    ASSERT_EQ(window.Dpi(), dpi);

    const SCROLLINFO vertical = ScrollOf(window.Handle(), SB_VERT);
    const SCROLLINFO horizontal = ScrollOf(window.Handle(), SB_HORZ);
    EXPECT_EQ(vertical.nMax + 1, kForm1Height96 * scale);
    EXPECT_EQ(horizontal.nMax + 1, kForm1Width96 * scale);
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, std::min<int>(static_cast<int>(horizontal.nPage), horizontal.nMax + 1));
    EXPECT_EQ(client.bottom, std::min<int>(static_cast<int>(vertical.nPage), vertical.nMax + 1));
    if (dpi == 96) {
        EXPECT_EQ(client, Rect(0, 0, kForm1Width96, kForm1Height96));
        for (const PixelPlace& place : kForm1At96Dpi) {
            EXPECT_EQ(ClientRectOf(Handle(window, place.id)),
                      Rect(place.left, place.top, place.width, place.height))
                << place.id;
        }
    } else {
        // Scrolled to the top left, the controls stand at their places.
        for (const PixelPlace& place : kForm1At192Dpi) {
            EXPECT_EQ(ClientRectOf(Handle(window, place.id)),
                      Rect(place.left, place.top, place.width, place.height))
                << place.id;
        }
    }
    for (const auto& [id, pixels] : {std::pair{form1::PushButton6, 15}, {form1::Check8, 12}}) {
        const LOGFONTW font = FontOf(Handle(window, id));
        EXPECT_EQ(font.lfHeight, -pixels * scale);
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        EXPECT_STREQ(font.lfFaceName, L"Arial");
    }
    for (const ControlId id : {form1::Frame3, form1::Check4}) {
        EXPECT_EQ(BackgroundOf(window, id), RGB(255, 255, 255));
    }
    EXPECT_EQ(BackgroundOf(window, kWindowItself), RGB(255, 255, 255));
    const int column = dpi == 96 ? kForm1ColumnWidth96 : kForm1ColumnWidth192;
    EXPECT_EQ(ListView_GetColumnWidth(window.ListView2().Handle(), 0), column);
    EXPECT_EQ(ListView_GetColumnWidth(window.ListView1().Handle(), 0), column);

    // A control that takes the focus comes into sight whole.
    for (const ControlId id : {form1::PushButton4, form1::PushButton7, form1::Text1, form1::Check4,
                               form1::PushButton2, form1::PushButton5}) {
        SCOPED_TRACE(id);
        SetFocus(Handle(window, id));
        RECT r = ClientRectOf(Handle(window, id));
        RECT inside;
        IntersectRect(&inside, &r, &client);
        EXPECT_EQ(inside, r);
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, Win32Form1LayoutTest, ::testing::Values(96U, 192U));

class Win32Form1Test : public ::testing::Test {
protected:
    void SetUp() override { HiddenToTray = false; }
};

TEST_F(Win32Form1Test, TabOrderFollowsTheDesign) {
    Win32Harness h;
    h.Store(keys::kWindowsStartup, kOn);
    Win32Form1& window = h.Load();
    using namespace form1;
    const ControlId order[] = {ListView1,   PushButton5, PushButton6, PushButton1,
                               PushButton2, Check8,      Check4,      PushButton3,
                               PushButton4, Text1,       PushButton7, ListView2};
    HWND at = Handle(window, order[0]);
    for (const ControlId next : std::span(order).subspan(1)) {
        at = GetNextDlgTabItem(window.Handle(), at, FALSE);
        EXPECT_EQ(at, Handle(window, next)) << next;
    }
}

TEST_F(Win32Form1Test, SkinRecoloursTheWindowFramesAndCheckBoxes) {
    Win32Harness h;
    WriteAll(h.programFolder + "/x/o.cjs", "skin");
    Win32Form1& window = h.Load();
    EXPECT_TRUE(h.dialogs.messages.empty());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(BackgroundOf(window, kWindowItself), face);
    for (const ControlId id :
         {form1::Frame1, form1::Frame2, form1::Frame3, form1::Check4, form1::Check8}) {
        EXPECT_EQ(BackgroundOf(window, id), face) << id;
    }
}

// Each control hands its pointer moves over with its own id: a button asks for
// the hand, the window, a frame or a list (rows, header, scroll bars) for the
// arrow, and a move over the other controls reaches nothing behind them.
TEST_F(Win32Form1Test, PointerMovesReachTheBehaviour) {
    using namespace form1;
    const int hand = PointerSetting::kCustom;
    const int arrow = PointerSetting::kDefault;
    enum Part { Itself, Header, ScrollBar };
    const std::tuple<ControlId, Part, int, int> rows[] = {
        {PushButton1, Itself, arrow, hand}, {PushButton2, Itself, arrow, hand},
        {PushButton3, Itself, arrow, hand}, {PushButton4, Itself, arrow, hand},
        {PushButton5, Itself, arrow, hand}, {PushButton6, Itself, arrow, hand},
        {PushButton7, Itself, arrow, hand}, {kWindowItself, Itself, hand, arrow},
        {Frame1, Itself, hand, arrow},      {Frame2, Itself, hand, arrow},
        {Frame3, Itself, hand, arrow},      {ListView1, Itself, hand, arrow},
        {ListView2, Header, hand, arrow},   {ListView2, ScrollBar, hand, arrow},
        {Text1, Itself, hand, hand},        {Check4, Itself, hand, hand},
        {Check8, Itself, hand, hand},       {ProgressBar1, Itself, hand, hand}};
    Win32Harness h;
    Win32Form1& window = h.Load();
    for (const auto& [control, part, before, after] : rows) {
        SCOPED_TRACE(control);
        window.SetMousePointer(before);
        const HWND handle = control == kWindowItself ? window.Handle() : Handle(window, control);
        if (part == Header) {
            SendMessageW(ListView_GetHeader(handle), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        } else {
            SendMessageW(handle, part == ScrollBar ? WM_NCMOUSEMOVE : WM_MOUSEMOVE,
                         part == ScrollBar ? HTVSCROLL : 0, MAKELPARAM(2, 2));
        }
        EXPECT_EQ(window.MousePointer(), after);
    }
}

TEST_F(Win32Form1Test, CursorsShowTheSetting) {
    Win32Harness h;
    WriteAll(h.programFolder + "/HAND-M.CUR", CursorBytes(32, 9, 3));
    Win32Form1& window = h.Load();
    EXPECT_TRUE(h.dialogs.messages.empty());
    ASSERT_NE(window.MouseIcon(), nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(window.MouseIcon(), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(std::pair(info.xHotspot, info.yHotspot), std::pair(9UL, 3UL));

    const auto cursorOver = [&](HWND under) {
        SendMessageW(under, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    const HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    EXPECT_EQ(cursorOver(Handle(window, form1::PushButton5)), window.MouseIcon());
    EXPECT_EQ(cursorOver(Handle(window, form1::Text1)),
              LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_IBEAM)));
    EXPECT_EQ(cursorOver(window.Handle()), arrow);
    window.SetMousePointer(PointerSetting::kBusy);
    EXPECT_EQ(cursorOver(Handle(window, form1::PushButton6)),
              LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
}

TEST_F(Win32Form1Test, WithoutACursorTheHandSettingShowsTheArrow) {
    for (const std::string file : {"", "not a cursor"}) {
        Win32Harness h;
        if (!file.empty()) WriteAll(h.programFolder + "/HAND-M.CUR", file);
        Win32Form1& window = h.Load();
        EXPECT_EQ(ReportLines(h.dialogs), file.empty() ? std::vector<int>{} : std::vector{128});
        const HWND button = Handle(window, form1::PushButton5);
        SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(window.MousePointer(), PointerSetting::kCustom);
        SendMessageW(window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    }
}

// A click on each button reaches its own handler.
TEST_F(Win32Form1Test, ButtonClicksReachTheBehaviour) {
    Win32Harness h;
    const std::string log = h.temp.File("log.txt");
    WriteAll(log, "line\r\n");
    h.Store(keys::kText1, log);
    Win32Form1& window = h.Load();
    Click(window, form1::PushButton1);
    EXPECT_EQ(h.launcher.edited, std::vector<std::string>{log});
    Click(window, form1::PushButton2);
    EXPECT_EQ(h.clipboard.text, std::optional<std::string>("line\r\n"));
    Click(window, form1::PushButton3);
    EXPECT_TRUE(h.dialogs.Texts().back().starts_with("Questions?"));
    Click(window, form1::PushButton5);
    EXPECT_EQ(ControlText(Handle(window, form1::PushButton5)), "Turn Off Automatic Log");
    Click(window, form1::PushButton6);
    EXPECT_EQ(window.ListView1().Count(), 2);
    h.dialogs.answers = {MessageAnswer::No};
    Click(window, form1::PushButton4);
    EXPECT_TRUE(h.dialogs.Texts().back().starts_with("Are you sure"));
    Click(window, form1::PushButton7);
    EXPECT_EQ(h.dialogs.fileRequests.size(), std::size_t{1});
}

// The user's clicks reach the handlers.
TEST_F(Win32Form1Test, BoxClicksReachTheBehaviour) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    h.store.writes.clear();
    Click(window, form1::Check4);
    EXPECT_TRUE(window.Control<Win32CheckBox>(form1::Check8).Visible());
    Click(window, form1::Check8);
    EXPECT_EQ(h.store.writes, (Writes{{"Windows Startup", "On"}, {"Minimized", "On"}}));
    EXPECT_EQ(h.startup.adds, 1);
}

// Typing in the path box takes effect when the edit ends: with Enter, which
// the window's dialog keys hand to the box, or with the focus going to another
// control; not when the focus leaves the window.
TEST_F(Win32Form1Test, EndsOfEditsReachTheBehaviour) {
    enum End { Enter, OtherControl, OutOfTheWindow };
    for (const auto& [end, ends] : {std::pair{Enter, true}, std::pair{OtherControl, true},
                                    std::pair{OutOfTheWindow, false}}) {
        SCOPED_TRACE(end);
        Win32Harness h;
        h.Store(keys::kText1, "");
        Win32Form1& window = h.Load();
        const HWND text1 = Handle(window, form1::Text1);
        SetFocus(text1);
        h.store.writes.clear();
        for (const wchar_t c : std::wstring(L"a b")) SendMessageW(text1, WM_CHAR, c, 1);
        EXPECT_EQ(h.store.writes, Writes{});
        if (end == Enter) {
            MSG enter{text1, WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
            if (!Win32Window::PreTranslate(enter)) DispatchMessageW(&enter);
        } else {
            SetFocus(end == OtherControl ? Handle(window, form1::PushButton4) : nullptr);
        }
        EXPECT_EQ(h.store.writes, (ends ? Writes{{"Text1", "a b"}} : Writes{}));
        EXPECT_EQ(window.Logic().LogPath(), ends ? "a b" : "");
    }
}

// Clicks on an item, also the selected one, and moves by keyboard (Space on
// another item among them) are choices; a Ctrl-click, Ctrl+Space or a click
// beside the items cannot leave the list without one.
TEST_F(Win32Form1Test, IntervalChoicesReachTheBehaviour) {
    Win32Harness h;
    h.Store(keys::kOftenIndex, "2");
    Win32Form1& window = h.Load();
    Win32IntervalList& list = window.ListView2();
    const HWND view = list.Handle();
    Form1& form = window.Logic();
    h.store.writes.clear();

    h.timer1.interval = 1000;
    h.timer1.Elapse();
    PressRow(view, 2);
    EXPECT_EQ(form.ElapsedSeconds(), 0);
    PressRow(view, 3);
    EXPECT_EQ(form.CurrentInterval(), 10);
    Key(view, VK_UP);
    Key(view, VK_UP);
    EXPECT_EQ(list.SelectedIndex(), 1);
    {
        const CtrlHeld ctrl;
        PressRow(view, 1, MK_CONTROL);
    }
    PressRow(view, 0);
    EXPECT_EQ(list.SelectedIndex(), 1);
    {
        const CtrlHeld ctrl;
        Key(view, VK_SPACE);
    }
    EXPECT_EQ(list.SelectedIndex(), 1);
    ListView_SetItemState(view, 3, LVIS_FOCUSED, LVIS_FOCUSED);
    Key(view, VK_SPACE);
    EXPECT_EQ(list.SelectedCaption(), std::optional<std::string>("Log every 30 seconds"));
    EXPECT_EQ(h.store.writes, (Writes{{"OftenIndex", "2"},
                                      {"OftenIndex", "3"},
                                      {"OftenIndex", "2"},
                                      {"OftenIndex", "1"},
                                      {"OftenIndex", "1"},
                                      {"OftenIndex", "4"}}));
}

TEST_F(Win32Form1Test, MinimisingHidesIntoTheTrayAndTheIconBringsTheWindowBack) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    window.Logic().Show();
    ASSERT_TRUE(IsWindowVisible(window.Handle()));
    ShowWindow(window.Handle(), SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(window.State(), WindowState::Normal);
    EXPECT_TRUE(HiddenToTray);
    EXPECT_EQ(h.trayWait.waits.size(), std::size_t{1});

    h.trayShell.DeliverTray(kWmLButtonDown);
    h.trayShell.DeliverTray(kWmLButtonUp);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(IsIconic(window.Handle()));
    EXPECT_FALSE(HiddenToTray);
    EXPECT_EQ(GetActiveWindow(), window.Handle());
}

TEST_F(Win32Form1Test, AWindowLoadedMinimisedIsNeverShown) {
    Win32Harness h;
    h.Store(keys::kWindowsStartup, kOn);
    h.Store(keys::kMinimized, kOn);
    Win32Form1& window = h.Load();
    EXPECT_EQ(window.State(), WindowState::Minimized);
    window.Logic().Show();
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(window.State(), WindowState::Normal);
    EXPECT_TRUE(HiddenToTray);
}

TEST_F(Win32Form1Test, TheCloseEndsTheProgram) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    window.Logic().Show();
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(h.processEnds, 1);
    EXPECT_FALSE(window.Logic().cSysTray1().InTray());
}

// Only the session's real end ends the program: the question before it, and a
// logoff that another program cancelled, leave it running.
TEST_F(Win32Form1Test, OnlyTheEndOfTheSessionEndsTheProgram) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(window.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(h.processEnds, 0);
    EXPECT_TRUE(window.Logic().cSysTray1().InTray());
    SendMessageW(window.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(h.processEnds, 1);
    EXPECT_FALSE(window.Logic().cSysTray1().InTray());
}

TEST_F(Win32Form1Test, HelpKeyShowsTheSupportWindow) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    MSG f1{Handle(window, form1::Text1), WM_KEYDOWN, VK_F1, 1, 0, {0, 0}};
    EXPECT_TRUE(Win32Window::PreTranslate(f1));
    EXPECT_TRUE(IsWindowVisible(h.ghost.Handle()));
    EXPECT_FALSE(IsIconic(h.ghost.Handle()));
}

// The log list's context menu, asked for with the pointer or the keyboard,
// holds the history command with its key; choosing it shows the log's history.
TEST_F(Win32Form1Test, TheLogListsContextMenuShowsTheHistory) {
    for (const bool byKeyboard : {false, true}) {
        SCOPED_TRACE(byKeyboard);
        Win32Harness h;
        Win32Form1& window = h.Load();
        window.Logic().Show();
        const HWND list = window.ListView1().Handle();
        RECT r;
        GetWindowRect(list, &r);
        menuCaptions.clear();
        menuWaits = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, ChooseFirstCommand);
        SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
                     byKeyboard ? -1 : MAKELPARAM(r.left + 10, r.top + 10));
        KillTimer(nullptr, timer);
        EXPECT_EQ(menuCaptions, std::vector<std::string>{"Battery History\tCtrl+H"});
        EXPECT_EQ(h.history.shown, std::vector{window.Logic().LogPath()});
    }
}

// Ctrl+H shows the history whichever control has the focus; the path box
// keeps its text, and H alone is no command.
TEST_F(Win32Form1Test, CtrlHShowsTheHistory) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    window.Logic().Show();
    const HWND text1 = Handle(window, form1::Text1);
    const std::string path = ControlText(text1);
    const auto press = [](HWND control, bool ctrl) {
        SetFocus(control);
        const std::optional<CtrlHeld> held =
            ctrl ? std::optional<CtrlHeld>(std::in_place) : std::nullopt;
        MSG key{control, WM_KEYDOWN, 'H', 1, 0, {0, 0}};
        if (!Win32Window::PreTranslate(key)) {
            TranslateMessage(&key);
            DispatchMessageW(&key);
        }
        Pump();
    };
    press(Handle(window, form1::PushButton5), false);
    EXPECT_EQ(h.history.shown.size(), std::size_t{0});
    for (const ControlId id : {form1::Text1, form1::ListView1, form1::PushButton5}) {
        press(Handle(window, id), true);
    }
    EXPECT_EQ(h.history.shown, std::vector<std::string>(3, window.Logic().LogPath()));
    EXPECT_EQ(ControlText(text1), path);
}

// Keys reach the windows whichever of the program's message loops takes them
// from the queue: a yield (an automatic entry, a slice of Copy Log) or the
// wait of the balloon after the first minimise, as the main loop's do. Their
// one keyboard handling takes the help key and the command keys as it takes
// the tab order and the dialog keys, wherever the focus is.
TEST_F(Win32Form1Test, EveryLoopOfTheProgramGivesTheWindowsTheirKeys) {
    Win32AppServices program;
    Win32Harness h;
    Win32Form1& window = h.Load();
    window.Logic().Show();
    const std::function<void()> yield = program.ForForm1(h.ghost.Logic()).yield;
    const auto wait = [&program] {
        bool done = false;
        later = [&] {
            done = true;
            program.trayWait.Wake();
        };
        SetTimer(nullptr, 0, 0, RunLater);
        program.trayWait.WaitUntil([&] { return done; }, 30000);
    };
    for (const auto& [loop, run] :
         {std::pair<const char*, std::function<void()>>{"yield", yield}, {"wait", wait}}) {
        SCOPED_TRACE(loop);
        h.ghost.Hide();
        PostMessageW(Handle(window, form1::Text1), WM_KEYDOWN, VK_F1, 1);
        run();
        EXPECT_TRUE(IsWindowVisible(h.ghost.Handle()));
        h.history.shown.clear();
        const CtrlHeld held;
        PostMessageW(Handle(window, form1::ListView1), WM_KEYDOWN, 'H', 1);
        run();
        EXPECT_EQ(h.history.shown.size(), std::size_t{1});
    }
}
