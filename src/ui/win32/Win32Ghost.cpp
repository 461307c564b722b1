#include "ui/win32/Win32Ghost.h"

#include "ui/GhostDesign.h"

namespace tess {

Win32Ghost::Win32Ghost(const GhostServices& services)
    : Win32Window(ghost::kDesign, nullptr),
      ghost_({*this, Control<Win32PictureBox>(ghost::Image1),
              Control<Win32Button>(ghost::PushButton3), Control<Win32Button>(ghost::PushButton4),
              Control<Win32Button>(ghost::PushButton5), Control<Win32Button>(ghost::PushButton6)},
             services) {
    HandClicksTo(ghost_, Ghost::kButtonClicks);
    HandPointerMovesTo([this](ControlId control) { ghost_.MouseMove(control); });
}

void Win32Ghost::OnClose() {
    if (!ghost_.Form_QueryUnload(UnloadMode::User)) Hide();
}

}  // namespace tess
