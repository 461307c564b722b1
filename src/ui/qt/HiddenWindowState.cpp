#include "ui/qt/HiddenWindowState.h"

#include <QWidget>
#include <QWindow>

namespace tess {

void SetWindowStateKeepingHidden(QWidget& window, Qt::WindowStates state) {
    if (window.isVisible()) {
        window.setWindowState(state);
    } else {
        window.overrideWindowState(state);
    }
}

void MatchNativeWindowState(QWidget& window) {
    window.winId();  // the native window, created when there is none yet
    QWindow* const native = window.windowHandle();
    const Qt::WindowStates state = window.windowState() & ~Qt::WindowActive;
    if (native && native->windowStates() != state) native->setWindowStates(state);
}

}  // namespace tess
