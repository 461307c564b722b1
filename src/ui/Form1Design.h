#pragma once

#include "ui/Design.h"

// The main window's design: its controls by their design names, in design order.
namespace tess::form1 {

enum Control : ControlId {
    Frame1,
    ProgressBar1,  // in Frame1
    ListView1,
    Frame3,
    Text1,        // in Frame3
    PushButton7,  // in Frame3
    Frame2,
    Check4,  // in Frame2
    Check8,  // in Frame2
    PushButton5,
    PushButton6,
    PushButton1,
    PushButton2,
    PushButton3,
    PushButton4,
    ListView2,
    kControlCount
};

extern const WindowDesign kDesign;

}  // namespace tess::form1
