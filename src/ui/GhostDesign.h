#pragma once

#include "ui/Design.h"

// The support window's design: its controls by their design names, in design order.
namespace tess::ghost {

enum Control : ControlId {
    Image1,       // the picture, at its natural size
    PushButton3,  // help video
    PushButton4,  // common questions
    PushButton5,  // contact
    PushButton6,  // home page
    kControlCount
};

extern const WindowDesign kDesign;

// The buttons' pitch, by which the others rise when the video button goes.
inline constexpr int kButtonPitch = 540;

}  // namespace tess::ghost
