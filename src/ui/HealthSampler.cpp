#include "ui/HealthSampler.h"

#include <exception>

#include "common/AppTitle.h"
#include "common/Files.h"
#include "history/HealthLedger.h"
#include "settings/DataFolder.h"

namespace tess {

HealthSampler::HealthSampler(const HealthSamplerServices& services) : s_(services) {
    s_.timer.OnTick([this] { Check(false); });
}

void HealthSampler::Start() {
    if (s_.ledgerPath.empty()) return;
    Check(true);
    s_.timer.SetInterval(kCheckMilliseconds);
    s_.timer.SetEnabled(true);
}

void HealthSampler::Check(bool start) {
    const std::vector<BatteryDetails> batteries = s_.batteries.ReadBatteries();
    if (batteries.empty()) return;
    const ZonedMoment now = s_.clock.Now();
    // A clock put back starts the day again from the new time.
    const bool due = start || !written_ || batteries != *written_ ||
                     now.utc - writtenAt_ >= kDaySeconds || now.utc < writtenAt_;
    if (!due) return;
    try {
        AppendToLedger(s_.ledgerPath, now, batteries);
        written_ = batteries;
        writtenAt_ = now.utc;
        failure_.clear();
    } catch (const std::exception& error) {
        if (error.what() == failure_) return;
        failure_ = error.what();
        s_.diagnostics.Warn("The battery health record " + s_.ledgerPath +
                            " cannot be written: " + failure_);
    }
}

std::string DefaultLedgerPath() {
    const std::string folder = ComputeDataFolder(kProductTitle);
    return folder.empty() ? std::string() : InFolder(folder, kLedgerFileName);
}

}  // namespace tess
