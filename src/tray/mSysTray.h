#pragma once

#include <cstdint>

#include "tray/NotifyIconData.h"
#include "tray/TrayShell.h"

namespace tess {
class cSysTray;
}

// The hook through which the shell's notifications reach a tray control: it
// takes the place of the procedure of the control's window while the icon is in
// the tray. Each window keeps its own replaced procedure, so several controls,
// each with its own window, may be in the tray at once.
namespace tess::mSysTray {

// Puts TrayHookProc in place as the procedure of `window` and ties the window to
// `control`, which must stay alive until Unhook.
void Hook(TrayShell& shell, WindowHandle window, cSysTray& control);

// Puts the replaced procedure back and unties the window.
void Unhook(TrayShell& shell, WindowHandle window);

// Hands kTrayCallbackMessage to the window's control (lParam the notification,
// wParam the icon identifier) and the shell's TaskbarCreatedMessage to its
// OnTaskbarCreated, then passes every message on to the replaced procedure and
// returns its result.
std::intptr_t TrayHookProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam);

}  // namespace tess::mSysTray
