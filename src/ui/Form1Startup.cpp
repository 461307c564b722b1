#include <QCheckBox>
#include <exception>

#include "ui/Form1.h"
#include "ui/QuietReport.h"

namespace tess {

// Start with the system. A registration the system refuses is reported, and the
// box, the option under it and the stored setting go back to what they were:
// the box never claims a start-up that will not happen.
void Form1::Check4_Click() {
    if (isLoading_ || revertingCheck4_) return;
    if (!Check4->isChecked()) {
        Check8->setChecked(false);  // raises Check8_Click, which stores "Off"
        Check8->setVisible(false);
        RunQuietly("Form1.Check4_Click", [&] { settings_.Save(keys::kWindowsStartup, kOff); });
        RunQuietly("Form1.Check4_Click", [&] { s_.startup.RemoveFromStartup(); });
        return;
    }
    const bool check8Shown = !Check8->isHidden();
    const std::string stored = settings_.Get(keys::kWindowsStartup, kOff);
    Check8->setVisible(true);
    RunQuietly("Form1.Check4_Click", [&] { settings_.Save(keys::kWindowsStartup, kOn); });
    try {
        s_.startup.AddToStartup();
    } catch (const std::exception& refused) {
        s_.dialogs.Message({refused.what(), "", MessageButtons::Ok, MessageIcon::Exclamation});
        revertingCheck4_ = true;
        Check4->setChecked(false);
        revertingCheck4_ = false;
        Check8->setVisible(check8Shown);
        RunQuietly("Form1.Check4_Click", [&] { settings_.Save(keys::kWindowsStartup, stored); });
    }
}

void Form1::Check8_Click() {
    RunQuietly("Form1.Check8_Click",
               [&] { settings_.Save(keys::kMinimized, Check8->isChecked() ? kOn : kOff); });
}

}  // namespace tess
