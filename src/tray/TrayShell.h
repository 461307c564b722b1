#pragma once

#include <cstdint>
#include <functional>

#include "tray/NotifyIconData.h"

namespace tess {

// A window procedure: (window, message, wParam, lParam) -> result.
using WindowProc =
    std::function<std::intptr_t(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)>;

// The notification area as one tray control sees it: the shell that takes the
// records and the control's own window, to which the shell reports what the user
// does with the icon by calling the window's procedure with kTrayCallbackMessage,
// the icon's identifier as wParam and the notification code as lParam.
// One shell serves one control.
class TrayShell {
public:
    virtual ~TrayShell() = default;

    // Shell_NotifyIconA. The tray control never examines the result.
    virtual bool Notify(std::uint32_t message, const NotifyIconData& record) = 0;

    // The control's window, there from the shell's creation on.
    virtual WindowHandle Window() const = 0;

    // Makes `proc` the procedure of `window` and returns the one it replaces; an
    // empty procedure answers every message with 0.
    virtual WindowProc ReplaceWindowProc(WindowHandle window, WindowProc proc) = 0;

    // Whether the desktop offers a notification area at this moment.
    virtual bool IsAvailable() const = 0;

    // The message that the window receives when the notification area has been
    // made anew (the desktop's shell restarted) without the icons it held; 0 on a
    // desktop that keeps them or puts them back itself.
    virtual std::uint32_t TaskbarCreatedMessage() const { return 0; }
};

}  // namespace tess
