#include <utility>

#include "common/AppTitle.h"
#include "ui/Form1.h"
#include "ui/QuietReport.h"

namespace tess {

bool HiddenToTray = false;

namespace {
constexpr const char* kBalloonText =
    "has been minimized to the system tray.\r\nClick on the blue 'Q' icon (Q for Quorvane) to "
    "bring the software back.";
constexpr std::int32_t kBalloonSeconds = 5;
}  // namespace

void Form1::Show() {
    const bool minimised = ui_.window.State() == WindowState::Minimized;
    if (minimised) Form_Resize();
    // Unless gone into the tray, in the normal state (or already back from it).
    if (!minimised || ui_.window.State() == WindowState::Minimized) ui_.window.Show();
    shown_ = true;
    if (std::exchange(anotherStartPending_, false)) AnotherStart();
}

// A minimised window leaves the taskbar for the tray, in the normal state so that
// it comes back at its normal size and place. Without a tray to come back from it
// stays minimised on the taskbar: hidden, it could never be reached again.
void Form1::Form_Resize() {
    RunQuietly(s_.diagnostics, "Form1.Form_Resize", [&] {
        if (ui_.window.State() != WindowState::Minimized || HiddenToTray) return;
        if (!s_.trayShell.IsAvailable()) return;
        ui_.window.Hide();
        ui_.window.SetState(WindowState::Normal);
        HiddenToTray = true;
        // Returns after the balloon's wait, during which events keep coming.
        cSysTray1_->ShowBalloon(kBalloonText, kProductTitle, kBalloonSeconds, true);
    });
}

// Any button, whether the window is hidden or not: it comes to the front.
void Form1::cSysTray1_MouseUp(std::int16_t /*button*/, std::int32_t /*id*/) {
    RunQuietly(s_.diagnostics, "Form1.cSysTray1_MouseUp", [&] {
        ui_.window.Show();
        ui_.window.Focus();
        HiddenToTray = false;
    });
}

// A later start shows the window as a click on the icon does; one minimised
// but not hidden (a desktop without a notification area) comes back too, since
// bringing a minimised window to the front leaves it minimised.
bool Form1::AnotherStart() {
    if (shuttingDown_) return false;
    if (!shown_) {
        anotherStartPending_ = true;
        return true;
    }
    if (ui_.window.Visible() && ui_.window.State() == WindowState::Minimized) {
        ui_.window.SetState(WindowState::Normal);
    }
    cSysTray1_MouseUp(1, 0);
    return true;
}

void Form1::MouseUp(std::int16_t button, std::int32_t id) {
    cSysTray1_MouseUp(button, id);
}

// No request is refused, and none runs the shutdown twice: a second one (the
// session ending while the window closes) finds it under way. An edit of the
// path still under way ends first, as the focus leaving the box would end it,
// so that what the user typed is kept.
void Form1::Form_QueryUnload() {
    if (shuttingDown_) return;
    Text1_EditingFinished();
    shuttingDown_ = true;
    ErrorTrap trap(s_.dialogs, "Form1", "Form_QueryUnload");
    trap.Step(100, [&] { s_.timer1.SetEnabled(false); });
    trap.Step(102, [&] { cSysTray1_->SetInTray(false); });
    trap.Step(104, [&] { Yield(); });
    trap.Step(106, [&] { s_.endProcess(); });
}

}  // namespace tess
