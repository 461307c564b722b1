#pragma once

#include "ui/Design.h"

namespace tess {

// A control of a window's design whose clicks go to a handler of the window's
// behaviour: the one table the toolkits hand the clicks over by.
template <typename Behaviour>
struct ClickRoute {
    ControlId control;
    void (Behaviour::*handler)();
};

}  // namespace tess
