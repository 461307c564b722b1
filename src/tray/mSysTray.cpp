#include "mSysTray.h"

#include <map>
#include <utility>

#include "tray/cSysTray.h"

namespace tess::mSysTray {

namespace {

struct HookedWindow {
    cSysTray* control;  // not owned
    WindowProc replaced;
    std::uint32_t taskbarCreated;  // the shell's message, 0 when it has none
};

std::map<WindowHandle, HookedWindow>& HookedWindows() {
    static std::map<WindowHandle, HookedWindow> windows;
    return windows;
}

}  // namespace

void Hook(TrayShell& shell, WindowHandle window, cSysTray& control) {
    WindowProc replaced = shell.ReplaceWindowProc(window, &TrayHookProc);
    HookedWindows()[window] = {&control, std::move(replaced), shell.TaskbarCreatedMessage()};
}

void Unhook(TrayShell& shell, WindowHandle window) {
    auto hooked = HookedWindows().extract(window);
    if (hooked) shell.ReplaceWindowProc(window, std::move(hooked.mapped().replaced));
}

std::intptr_t TrayHookProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) {
    const auto found = HookedWindows().find(window);
    if (found == HookedWindows().end()) return 0;
    // Copied first: the control's event handler may take the icon out of the tray.
    const WindowProc replaced = found->second.replaced;
    if (message == kTrayCallbackMessage) {
        found->second.control->OnTrayMessage(lParam, static_cast<std::int32_t>(wParam));
    } else if (message != 0 && message == found->second.taskbarCreated) {
        found->second.control->OnTaskbarCreated();
    }
    return replaced ? replaced(window, message, wParam, lParam) : 0;
}

}  // namespace tess::mSysTray
