#include "common/win32/Win32Dialogs.h"

#include <gtest/gtest.h>
#include <windows.h>
// commdlg.h and dlgs.h need windows.h before them.
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <string>

#include "TempDir.h"
#include "common/AppTitle.h"
#include "common/win32/WideText.h"

// The dialogs are shown for real; a thread timer, which their own message loop
// runs, finds the one on the screen, looks at it and answers it as a user would.
namespace tess {
namespace {

struct ShownDialog {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;           // a message box's text
    int defaultButton = 0;       // its default button
    HICON icon = nullptr;        // its icon, if it shows one
    bool othersEnabled = true;   // whether the thread's other top-level windows take input
};

std::function<int(ShownDialog&)> g_answer;  // gives the command to send
ShownDialog g_shown;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16];
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The icon and the default button among the dialog's controls.
BOOL CALLBACK FindIconAndDefault(HWND child, LPARAM shown) {
    auto& dialog = *reinterpret_cast<ShownDialog*>(shown);
    wchar_t className[16];
    GetClassNameW(child, className, 16);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (std::wstring(className) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
        dialog.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    }
    if (std::wstring(className) == L"Button" && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        dialog.defaultButton = GetDlgCtrlID(child);
    }
    return TRUE;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

void CALLBACK LookForTheDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || !g_answer) return;
    KillTimer(nullptr, timer);
    g_shown.window = dialog;
    g_shown.caption = TextOf(dialog);
    if (const HWND text = GetDlgItem(dialog, 0xFFFF)) g_shown.text = TextOf(text);
    EnumChildWindows(dialog, &FindIconAndDefault, reinterpret_cast<LPARAM>(&g_shown));
    const int command = g_answer(g_shown);
    g_answer = nullptr;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
}

// Answers the next dialog of this thread with the button `answer` gives.
void AnswerNextDialog(std::function<int(ShownDialog&)> answer) {
    g_shown = {};
    g_answer = std::move(answer);
    SetTimer(nullptr, 0, 50, &LookForTheDialog);
}

struct MessageCase {
    const char* name;
    MessageRequest request;
    const wchar_t* caption;
    int defaultButton;
    bool exclamation;  // whether the box shows the exclamation icon (IDI_EXCLAMATION), or none
    int press;
    MessageAnswer answer;
};

class Win32MessageBoxTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(Win32MessageBoxTest, ShowsTheRequestAndGivesTheAnswer) {
    SetAppTitle();
    const MessageCase& c = GetParam();
    AnswerNextDialog([&](ShownDialog&) { return c.press; });
    EXPECT_EQ(Win32Dialogs().Message(c.request), c.answer);
    EXPECT_EQ(g_shown.caption, c.caption);
    EXPECT_EQ(g_shown.text, Utf8ToWide(c.request.text));
    EXPECT_EQ(g_shown.defaultButton, c.defaultButton);
    EXPECT_EQ(g_shown.icon, c.exclamation ? LoadIconW(nullptr, MAKEINTRESOURCEW(32515)) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, Win32MessageBoxTest,
    ::testing::Values(
        MessageCase{"ErrorReport",
                    {"File not found.\r\nin Pellwick2021/08/31.Form1.Form_Load at line 128\r\r"
                     "Please email screenshot of this message to support@quorvane.example",
                     "Application Error", MessageButtons::Ok, MessageIcon::Exclamation},
                    L"Application Error", IDOK, true, IDOK, MessageAnswer::Ok},
        MessageCase{"QuestionAnsweredYes",
                    {"Are you sure you want to delete the history log and start over?", "",
                     MessageButtons::YesNo},
                    L"Tessaline", IDYES, false, IDYES, MessageAnswer::Yes},
        MessageCase{"QuestionAnsweredNo",
                    {"Woud you like to open this site now?", "", MessageButtons::YesNo},
                    L"Tessaline", IDYES, false, IDNO, MessageAnswer::No},
        MessageCase{"TextOfAnyCharacters",
                    {"C:\\Users\\Zo\xC3\xAB \xCE\xA9\\Tessaline.txt", "", MessageButtons::OkCancel},
                    L"Tessaline", IDOK, false, IDCANCEL, MessageAnswer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

// With no active window to own it, the box holds every window of the thread, so
// that a window brought back from the tray meanwhile takes no input.
TEST(Win32MessageBoxOwnerTest, WithoutAnActiveWindowTheBoxHoldsTheThreadsWindows) {
    const HWND hidden = CreateWindowExW(0, L"STATIC", L"hidden", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                        100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hidden, nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    AnswerNextDialog([&](ShownDialog& shown) {
        shown.othersEnabled = IsWindowEnabled(hidden) != FALSE;
        return IDOK;
    });
    Win32Dialogs().Message({"text", "", MessageButtons::Ok});
    EXPECT_FALSE(g_shown.othersEnabled);
    EXPECT_TRUE(IsWindowEnabled(hidden));
    DestroyWindow(hidden);
}

TEST(MessageBoxAnswerTest, ABoxThatCouldNotBeShownSaysNo) {
    EXPECT_EQ(MessageBoxAnswer(0, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(MessageBoxAnswer(0, MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(MessageBoxAnswer(0, MessageButtons::Ok), MessageAnswer::Ok);
}

TEST(OpenFileFilterTest, IsTheDescriptionAndItsPatternsEachEndedByANul) {
    EXPECT_EQ(OpenFileFilter("Text File (*.txt)"),
              std::wstring(L"Text File (*.txt)\0*.txt\0\0", 25));
    EXPECT_EQ(OpenFileFilter("Logs (*.txt *.log);;All (*)"),
              std::wstring(L"Logs (*.txt *.log)\0*.txt;*.log\0All (*)\0*\0\0", 42));
    EXPECT_EQ(OpenFileFilter(""), std::wstring(L"\0", 1));
}

class Win32OpenFileTest : public ::testing::Test {
protected:
    // The dialog's file name box, which takes a name typed by the user.
    static void TypeFileName(HWND dialog, const std::wstring& name) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name.c_str()));
    }
    static std::wstring CurrentFolder() {
        wchar_t folder[MAX_PATH];
        return std::wstring(folder, GetCurrentDirectoryW(MAX_PATH, folder));
    }

    test::TempDir dir;
};

TEST_F(Win32OpenFileTest, GivesTheNameTheUserChoseAndLeavesTheCurrentFolder) {
    const std::wstring before = CurrentFolder();
    std::wstring filterShown;
    AnswerNextDialog([&](ShownDialog& shown) {
        filterShown = TextOf(GetDlgItem(shown.window, cmb1));
        TypeFileName(shown.window, L"Zo\u00EB \u03A9.txt");
        return IDOK;
    });
    const auto chosen =
        Win32Dialogs().OpenFile({"Specify Log File", "Text File (*.txt)", PathText(dir.path())});
    EXPECT_EQ(g_shown.caption, L"Specify Log File");
    EXPECT_EQ(filterShown, L"Text File (*.txt)");
    ASSERT_TRUE(chosen.has_value());
    // A file yet to be created is a fair choice for a new log.
    EXPECT_EQ(Utf8Path(*chosen), dir.path() / L"Zo\u00EB \u03A9.txt");
    EXPECT_EQ(CurrentFolder(), before);
}

TEST_F(Win32OpenFileTest, CancellingGivesNothing) {
    AnswerNextDialog([](ShownDialog&) { return IDCANCEL; });
    EXPECT_FALSE(Win32Dialogs().OpenFile({"Specify Log File", "Text File (*.txt)", ""}));
    EXPECT_EQ(g_shown.caption, L"Specify Log File");
}

}  // namespace
}  // namespace tess
