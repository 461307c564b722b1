#include "ui/PointerSetting.h"

#include "ui/Window.h"

namespace tess {

void Hover(Window& window, int setting) {
    const int current = window.MousePointer();
    if (current != PointerSetting::kBusy && current != setting) window.SetMousePointer(setting);
}

}  // namespace tess
