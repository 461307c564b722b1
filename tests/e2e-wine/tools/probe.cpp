// Looks at the windows of the Wine desktop from the inside, for the
// end-to-end cases, and prints what it finds in UTF-8 (rectangles in desktop
// pixels, which are the X display's):
//
//   probe taskbar            x y w h of the taskbar; status 1 when there is none
//   probe window <title>     visible iconic enabled x y w h of the top-level
//                            window with that title; status 1 when there is none
//   probe client <title>     x y w h of that window's client area
//   probe foreground         the title of the foreground window
//   probe tray <class>       status 0 when the notification area holds the icon
//                            (identifier 0) of the window of that class, else 1
//   probe trayicons <class>  how many icons (identifier 0) of windows of that
//                            class, in any process, the notification area holds
//   probe processes <file>   the id of each running process of that executable
//                            file name (tessaline.exe), one a line
//   probe dialog <caption>   the text of the shown dialog box with that caption,
//                            then one line per button: id x y w h text
//   probe controls <title>   one line per control of that window:
//                            class id visible enabled x y w h text
//   probe balloon            x y w h of the shown balloon of the notification
//                            area (a balloon tooltip); status 1 when none shows
//   probe menu               x y w h of the shown pop-up menu; status 1 when
//                            none shows
//
// A dialog box (class #32770) counts only for "dialog".

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>
// commctrl.h too.
#include <commctrl.h>
// tlhelp32.h too.
#include <tlhelp32.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                        length, nullptr, nullptr);
    return utf8;
}

std::wstring Text(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// The text on one line: line breaks shown as \r and \n.
std::string OneLine(const std::wstring& text) {
    std::string line;
    for (const char c : Utf8(text)) {
        if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    return line;
}

void PrintRect(const RECT& r) {
    std::printf("%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

struct Search {
    std::wstring title;
    bool dialog;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    if ((ClassOf(window) == L"#32770") != search->dialog || Text(window) != search->title) {
        return TRUE;
    }
    // Of several, a shown one.
    if (search->found == nullptr || IsWindowVisible(window)) search->found = window;
    return !IsWindowVisible(window);
}

HWND TopLevel(const wchar_t* title, bool dialog) {
    Search search{title, dialog, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM buttonsOnly) {
    const std::wstring className = ClassOf(control);
    if (buttonsOnly && className != L"Button") return TRUE;
    RECT r;
    GetWindowRect(control, &r);
    if (!buttonsOnly) {
        std::printf("%s %d %d %d ", Utf8(className).c_str(), GetDlgCtrlID(control),
                    IsWindowVisible(control) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0);
    } else {
        std::printf("%d ", GetDlgCtrlID(control));
    }
    PrintRect(r);
    std::printf(" %s\n", OneLine(Text(control)).c_str());
    return TRUE;
}

int Window(const wchar_t* title, bool client) {
    const HWND window = TopLevel(title, false);
    if (window == nullptr) return 1;
    RECT r;
    if (client) {
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(window, &r);
        std::printf("%d %d %d ", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
                    IsWindowEnabled(window) ? 1 : 0);
    }
    PrintRect(r);
    std::printf("\n");
    return 0;
}

// A modification that changes nothing: the shell answers it only for an icon it holds.
bool HasTrayIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

int Tray(const wchar_t* className) {
    const HWND window = FindWindowW(className, nullptr);
    return window != nullptr && HasTrayIcon(window) ? 0 : 1;
}

struct IconCount {
    std::wstring className;
    int icons;
};

BOOL CALLBACK CountTrayIcon(HWND window, LPARAM data) {
    auto* count = reinterpret_cast<IconCount*>(data);
    if (ClassOf(window) == count->className && HasTrayIcon(window)) ++count->icons;
    return TRUE;
}

int TrayIcons(const wchar_t* className) {
    IconCount count{className, 0};
    EnumWindows(CountTrayIcon, reinterpret_cast<LPARAM>(&count));
    std::printf("%d\n", count.icons);
    return 0;
}

int Processes(const wchar_t* file) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 1;
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    for (BOOL more = Process32FirstW(snapshot, &process); more;
         more = Process32NextW(snapshot, &process)) {
        if (lstrcmpiW(process.szExeFile, file) == 0) {
            std::printf("%lu\n", process.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return 0;
}

int Dialog(const wchar_t* caption) {
    const HWND dialog = TopLevel(caption, true);
    if (dialog == nullptr || !IsWindowVisible(dialog)) return 1;
    std::printf("%s\n", OneLine(Text(GetDlgItem(dialog, 0xFFFF))).c_str());
    EnumChildWindows(dialog, PrintControl, 1);
    return 0;
}

BOOL CALLBACK FindBalloon(HWND window, LPARAM data) {
    if (ClassOf(window) != L"tooltips_class32" || !IsWindowVisible(window) ||
        (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON) == 0) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

BOOL CALLBACK FindMenu(HWND window, LPARAM data) {
    if (ClassOf(window) != L"#32768" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

// x y w h of the top-level window that `find` finds.
int PrintFound(WNDENUMPROC find) {
    HWND found = nullptr;
    EnumWindows(find, reinterpret_cast<LPARAM>(&found));
    if (found == nullptr) return 1;
    RECT r;
    GetWindowRect(found, &r);
    PrintRect(r);
    std::printf("\n");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Lines end in LF alone, as the shell that reads them expects.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    const wchar_t* argument = argc > 2 ? argv[2] : L"";
    int status = 2;
    if (command == L"taskbar") {
        const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
        if (taskbar == nullptr) return 1;
        RECT r;
        GetWindowRect(taskbar, &r);
        PrintRect(r);
        std::printf("\n");
        status = 0;
    } else if (command == L"window" || command == L"client") {
        status = Window(argument, command == L"client");
    } else if (command == L"foreground") {
        std::printf("%s\n", OneLine(Text(GetForegroundWindow())).c_str());
        status = 0;
    } else if (command == L"tray") {
        status = Tray(argument);
    } else if (command == L"trayicons") {
        status = TrayIcons(argument);
    } else if (command == L"processes") {
        status = Processes(argument);
    } else if (command == L"dialog") {
        status = Dialog(argument);
    } else if (command == L"balloon") {
        status = PrintFound(FindBalloon);
    } else if (command == L"menu") {
        status = PrintFound(FindMenu);
    } else if (command == L"controls") {
        const HWND window = TopLevel(argument, false);
        if (window == nullptr) return 1;
        EnumChildWindows(window, PrintControl, 0);
        status = 0;
    } else {
        std::fprintf(stderr,
                     "usage: probe taskbar|window|client|foreground|tray|trayicons|processes|"
                     "dialog|controls|balloon|menu\n");
    }
    std::fflush(stdout);
    return status;
}
