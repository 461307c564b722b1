#include <exception>

#include "ui/Form1.h"
#include "ui/QuietReport.h"

namespace tess {

// Start with the system. A registration the system refuses is reported, and the
// box, the option under it and the stored setting go back to what they were:
// the box never claims a start-up that will not happen.
void Form1::Check4_Click() {
    if (isLoading_) return;
    Diagnostics& diagnostics = s_.diagnostics;
    if (ui_.Check4.Value() != 1) {
        SetCheck(ui_.Check8, 0, &Form1::Check8_Click);  // stores "Off"
        ui_.Check8.SetVisible(false);
        RunQuietly(diagnostics, "Form1.Check4_Click",
                   [&] { settings_.Save(keys::kWindowsStartup, kOff); });
        RunQuietly(diagnostics, "Form1.Check4_Click", [&] { s_.startup.RemoveFromStartup(); });
        return;
    }
    const bool check8Shown = ui_.Check8.Visible();
    std::string stored = kOff;
    RunQuietly(diagnostics, "Form1.Check4_Click",
               [&] { stored = settings_.Get(keys::kWindowsStartup, kOff); });
    ui_.Check8.SetVisible(true);
    RunQuietly(diagnostics, "Form1.Check4_Click",
               [&] { settings_.Save(keys::kWindowsStartup, kOn); });
    try {
        s_.startup.AddToStartup();
    } catch (const std::exception& refused) {
        s_.dialogs.Message({refused.what(), "", MessageButtons::Ok, MessageIcon::Exclamation});
        // Put back without raising the box's click handling again.
        ui_.Check4.SetValue(0);
        ui_.Check8.SetVisible(check8Shown);
        RunQuietly(diagnostics, "Form1.Check4_Click",
                   [&] { settings_.Save(keys::kWindowsStartup, stored); });
    }
}

void Form1::Check8_Click() {
    RunQuietly(s_.diagnostics, "Form1.Check8_Click",
               [&] { settings_.Save(keys::kMinimized, ui_.Check8.Value() == 1 ? kOn : kOff); });
}

}  // namespace tess
