#include "settings/RegStuff.h"

#include "common/Error.h"

namespace tess::RegStuff {

namespace {
std::string Describe(const AutostartFailure& failure) {
    return "Cannot write " + failure.location + ": " + failure.reason;
}
}  // namespace

void SetRunValue(AutostartEntry& entry, const std::string& fileName, const std::string& fullPath) {
    const auto machine = entry.SetKeyValue(AutostartScope::Machine, fileName, fullPath);
    if (!machine) return;
    const auto user = entry.SetKeyValue(AutostartScope::User, fileName, fullPath);
    if (user) throw Error(Describe(*machine) + "\n" + Describe(*user));
}

void DeleteRunValue(AutostartEntry& entry, const std::string& fileName) {
    (void)entry.DeleteKeyValue(AutostartScope::Machine, fileName);
    (void)entry.DeleteKeyValue(AutostartScope::User, fileName);
}

}  // namespace tess::RegStuff
