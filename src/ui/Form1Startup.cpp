#include <exception>
#include <functional>
#include <string>

#include "ui/Form1.h"
#include "ui/QuietReport.h"

namespace tess {

// Start with the system. A change the system refuses (no location takes the
// entry, or one keeps it) is reported with each location and reason, and the
// boxes and the stored settings go back to what they were: the box never claims
// a start-up that will not happen, nor denies one that will.
void Form1::Check4_Click() {
    if (isLoading_) return;
    const bool checking = ui_.Check4.Value() == 1;
    const int check8 = ui_.Check8.Value();
    const bool check8Shown = ui_.Check8.Visible();
    // The handler has no report of its own: a failed read or write is a warning.
    const auto quietly = [this](const std::function<void()>& work) {
        RunQuietly(s_.diagnostics, "Form1.Check4_Click", work);
    };
    const auto save = [&](const char* key, const std::string& value) {
        quietly([&] { settings_.Save(key, value); });
    };
    std::string stored = kOff;
    quietly([&] { stored = settings_.Get(keys::kWindowsStartup, kOff); });
    try {
        if (checking) {
            ui_.Check8.SetVisible(true);
            save(keys::kWindowsStartup, kOn);
            s_.startup.AddToStartup();
        } else {
            SetCheck(ui_.Check8, 0, &Form1::Check8_Click);  // stores "Off"
            ui_.Check8.SetVisible(false);
            save(keys::kWindowsStartup, kOff);
            s_.startup.RemoveFromStartup();
        }
    } catch (const std::exception& refused) {
        s_.dialogs.Message({refused.what(), "", MessageButtons::Ok, MessageIcon::Exclamation});
        // Check4 goes back without raising its click handling again; Check8's
        // stores its value again.
        ui_.Check4.SetValue(checking ? 0 : 1);
        SetCheck(ui_.Check8, check8, &Form1::Check8_Click);
        ui_.Check8.SetVisible(check8Shown);
        save(keys::kWindowsStartup, stored);
    }
}

void Form1::Check8_Click() {
    RunQuietly(s_.diagnostics, "Form1.Check8_Click",
               [&] { settings_.Save(keys::kMinimized, ui_.Check8.Value() == 1 ? kOn : kOff); });
}

}  // namespace tess
