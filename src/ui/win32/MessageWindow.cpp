#include "ui/win32/MessageWindow.h"

#include <windows.h>

#include <utility>

#include "common/win32/SystemError.h"

namespace tess {

struct MessageWindowProc {
    static LRESULT CALLBACK Call(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto* owner =
            reinterpret_cast<const MessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        std::intptr_t result = 0;
        if (owner != nullptr && owner->handler_(message, wParam, lParam, result)) return result;
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

namespace {

constexpr const wchar_t* kWindowClass = L"TessalineMessageWindow";

void RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &MessageWindowProc::Call;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;  // a failure shows when the window is created
}

}  // namespace

MessageWindow::MessageWindow(Handler handler, const wchar_t* title)
    : handler_(std::move(handler)) {
    RegisterWindowClass();
    window_ = CreateWindowExW(0, kWindowClass, title, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) ThrowSystemError(GetLastError(), "Cannot create a message window");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HWND MessageWindow::Find(const wchar_t* title) {
    return FindWindowExW(HWND_MESSAGE, nullptr, kWindowClass, title);
}

MessageWindow::~MessageWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

}  // namespace tess
