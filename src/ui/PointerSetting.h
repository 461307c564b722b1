#pragma once

namespace tess {

class Window;

// The mouse-pointer setting of a window: the default pointer, the hourglass
// while a command works, or the window's custom pointer (its mouse icon).
struct PointerSetting {
    static constexpr int kDefault = 0;
    static constexpr int kBusy = 11;
    static constexpr int kCustom = 99;
};

// The hover rule of a pointer move over a control that asks for `setting`: the
// window takes it unless it shows the hourglass. One read, one comparison, and
// a write only when the setting changes.
void Hover(Window& window, int setting);

}  // namespace tess
