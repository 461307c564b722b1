#include <optional>

#include "ui/Form1.h"
#include "ui/Form1Design.h"
#include "ui/PointerSetting.h"

namespace tess {

namespace {

// The setting a pointer move over the control asks for: the hand over the push
// buttons, the arrow over the window, its frames and its lists. The other
// controls have no pointer-move handling and leave the setting as it is.
std::optional<int> HoverSetting(ControlId control) {
    switch (control) {
        case form1::PushButton1:
        case form1::PushButton2:
        case form1::PushButton3:
        case form1::PushButton4:
        case form1::PushButton5:
        case form1::PushButton6:
        case form1::PushButton7:
            return PointerSetting::kCustom;
        case kWindowItself:
        case form1::Frame1:
        case form1::Frame2:
        case form1::Frame3:
        case form1::ListView1:
        case form1::ListView2:
            return PointerSetting::kDefault;
        default:
            return std::nullopt;
    }
}

}  // namespace

void Form1::MouseMove(ControlId control) {
    if (const auto setting = HoverSetting(control)) Hover(ui_.window, *setting);
}

}  // namespace tess
