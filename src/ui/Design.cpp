#include "ui/Design.h"

namespace tess {

bool TakesButtonFace(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::Frame;
}

}  // namespace tess
