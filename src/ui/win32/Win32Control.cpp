#include "ui/win32/Win32Control.h"

#include "common/win32/SystemError.h"

namespace tess {

Win32Control::Win32Control(const ControlDesign& design, ControlHost& host, HWND handle)
    : design_(design), host_(host), handle_(handle) {}

Win32Control::~Win32Control() {
    DestroyWindow(handle_);
}

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 HWND parent, int commandId) {
    const HWND child = CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)), GetModuleHandleW(nullptr),
        nullptr);
    if (child == nullptr) ThrowSystemError(GetLastError(), "Cannot create a control");
    return child;
}

}  // namespace tess
