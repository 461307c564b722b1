#include "tray/win32/Win32TrayShell.h"

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include <utility>

#include "common/win32/AnsiText.h"
#include "common/win32/SystemError.h"
#include "tray/win32/ShellRecord.h"

namespace tess {

struct Win32TrayShell::Subclass {
    WindowProc proc;  // the replacement procedure; empty while none is in place
};

namespace {

constexpr const char* kWindowClass = "TessalineTrayWindow";

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

// The class's own procedure is the system's default one.
void RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;  // a failure shows when the window is created
}

// A system window procedure as a WindowProc. The shell recognises it when it
// comes back, and then puts the system procedure itself in place again.
struct SystemWindowProc {
    WNDPROC proc;
    std::intptr_t operator()(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) const {
        return CallWindowProcA(proc, reinterpret_cast<HWND>(window), message, wParam, lParam);
    }
};

// The procedure of the window while a WindowProc of ours replaces the system's.
LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* subclass =
        reinterpret_cast<const Win32TrayShell::Subclass*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (subclass == nullptr || !subclass->proc) return 0;
    // A copy: the procedure may replace itself while it runs.
    const WindowProc proc = subclass->proc;
    return proc(reinterpret_cast<WindowHandle>(window), message, wParam, lParam);
}

HICON LoadTrayIcon(const IconHandle& name) {
    if (name.empty()) return nullptr;
    return static_cast<HICON>(LoadImageA(ProgramInstance(), Utf8ToAnsi(name).c_str(), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

UINT TaskbarCreated() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

HWND AsHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace

Win32TrayShell::Win32TrayShell() : subclass_(std::make_unique<Subclass>()) {
    RegisterWindowClass();
    // A top-level window that is never shown, not a message-only one: those do
    // not receive the shell's broadcast of TaskbarCreated.
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                                        nullptr, nullptr, ProgramInstance(), nullptr);
    if (window == nullptr) ThrowSystemError(GetLastError(), "Cannot create the tray window");
    // The shell broadcasts it from a lower integrity level than a program run as
    // administrator has, which the system would otherwise filter out.
    ChangeWindowMessageFilterEx(window, TaskbarCreated(), MSGFLT_ALLOW, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(subclass_.get()));
    window_ = reinterpret_cast<WindowHandle>(window);
}

Win32TrayShell::~Win32TrayShell() {
    const HWND window = AsHwnd(window_);
    // No message may reach the subclass once it is gone.
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

bool Win32TrayShell::Notify(std::uint32_t message, const NotifyIconData& record) {
    const HICON icon = (record.uFlags & kNifIcon) != 0 ? LoadTrayIcon(record.hIcon) : nullptr;
    NOTIFYICONDATAA data = ToShellRecord(record, icon);
    return Shell_NotifyIconA(message, &data) != FALSE;
}

WindowHandle Win32TrayShell::Window() const {
    return window_;
}

WindowProc Win32TrayShell::ReplaceWindowProc(WindowHandle window, WindowProc proc) {
    if (window != window_) return {};
    const HWND hwnd = AsHwnd(window);
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    WindowProc replaced = current == &SubclassProc ? std::exchange(subclass_->proc, nullptr)
                                                   : WindowProc(SystemWindowProc{current});
    if (const auto* system = proc.target<SystemWindowProc>()) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system->proc));
    } else {
        subclass_->proc = std::move(proc);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
    }
    return replaced;
}

bool Win32TrayShell::IsAvailable() const {
    return FindWindowA("Shell_TrayWnd", nullptr) != nullptr;
}

std::uint32_t Win32TrayShell::TaskbarCreatedMessage() const {
    return TaskbarCreated();
}

}  // namespace tess
