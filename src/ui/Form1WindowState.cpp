#include <QCloseEvent>
#include <QEvent>

#include "common/AppTitle.h"
#include "ui/Form1.h"
#include "ui/qt/HiddenWindowState.h"
#include "ui/qt/ProcessEnd.h"
#include "ui/QuietReport.h"

namespace tess {

bool HiddenToTray = false;

namespace {
constexpr const char* kBalloonText =
    "has been minimized to the system tray.\r\nClick on the blue 'Q' icon (Q for Quorvane) to "
    "bring the software back.";
constexpr std::int32_t kBalloonSeconds = 5;
}  // namespace

// A minimised window leaves the taskbar for the tray, in the normal state so that
// it comes back at its normal size and place. Without a tray to come back from it
// stays minimised on the taskbar: hidden, it could never be reached again.
void Form1::Form_Resize() {
    RunQuietly("Form1.Form_Resize", [&] {
        if (!(windowState() & Qt::WindowMinimized) || HiddenToTray) return;
        if (!s_.trayShell.IsAvailable()) return;
        hide();
        SetWindowStateKeepingHidden(*this, Qt::WindowNoState);
        HiddenToTray = true;
        // Returns after the balloon's wait, during which events keep coming.
        cSysTray1_->ShowBalloon(kBalloonText, kProductTitle, kBalloonSeconds, true);
    });
}

// Any button, whether the window is hidden or not: it comes to the front.
void Form1::cSysTray1_MouseUp(std::int16_t /*button*/, std::int32_t /*id*/) {
    RunQuietly("Form1.cSysTray1_MouseUp", [&] {
        show();
        raise();
        activateWindow();
        HiddenToTray = false;
    });
}

void Form1::MouseUp(std::int16_t button, std::int32_t id) {
    cSysTray1_MouseUp(button, id);
}

// No request is refused, and none runs the shutdown twice: a second one (the
// session ending while the window closes) finds it under way.
void Form1::Form_QueryUnload() {
    if (shuttingDown_) return;
    shuttingDown_ = true;
    ErrorTrap trap(s_.dialogs, "Form1", "Form_QueryUnload");
    trap.Step(100, [&] { timer1_.SetEnabled(false); });
    trap.Step(102, [&] { cSysTray1_->SetInTray(false); });
    trap.Step(104, [&] { Yield(); });
    trap.Step(106, [&] {
        if (s_.endProcess) {
            s_.endProcess();
        } else {
            EndProcess();
        }
    });
}

// The state change of a shown window is its resize handling; one of a hidden
// window is not (the load minimises the window before it is first shown).
void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) Form_Resize();
}

// Showing the window raises its resize handling first, so a window the load
// left minimised goes straight into the tray, never mapped on the screen.
void Form1::setVisible(bool visible) {
    if (visible && !isVisible() && (windowState() & Qt::WindowMinimized)) {
        Form_Resize();
        // Gone into the tray, in the normal state (or already back from it).
        if (!(windowState() & Qt::WindowMinimized)) return;
    }
    if (visible && !isVisible()) MatchNativeWindowState(*this);
    QWidget::setVisible(visible);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

}  // namespace tess
