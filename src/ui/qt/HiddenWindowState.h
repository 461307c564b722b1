#pragma once

#include <Qt>

class QWidget;

namespace tess {

// Window states of a top-level widget that stays hidden while its state changes.
// Qt hands every new state to the native window at once, and Qt's X11 backend maps
// a native window that leaves the minimised state, hidden or not. A hidden widget
// therefore takes its new state at once and its native window only when shown.

// Sets the state of `window`; a hidden window stays hidden.
void SetWindowStateKeepingHidden(QWidget& window, Qt::WindowStates state);

// Gives the native window of `window` the widget's state; called just before
// showing it.
void MatchNativeWindowState(QWidget& window);

}  // namespace tess
