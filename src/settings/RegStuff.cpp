#include "settings/RegStuff.h"

#include <string>

#include "common/Error.h"

namespace tess::RegStuff {

namespace {
std::string Describe(const char* what, const AutostartFailure& failure) {
    return std::string("Cannot ") + what + " " + failure.location + ": " + failure.reason;
}
}  // namespace

void SetRunValue(AutostartEntry& entry, const std::string& fileName, const std::string& fullPath) {
    const auto machine = entry.SetKeyValue(AutostartScope::Machine, fileName, fullPath);
    if (!machine) return;
    const auto user = entry.SetKeyValue(AutostartScope::User, fileName, fullPath);
    if (user) throw Error(Describe("write", *machine) + "\n" + Describe("write", *user));
}

void DeleteRunValue(AutostartEntry& entry, const std::string& fileName) {
    std::string failures;
    for (const AutostartScope scope : {AutostartScope::Machine, AutostartScope::User}) {
        if (const auto failure = entry.DeleteKeyValue(scope, fileName)) {
            failures += (failures.empty() ? "" : "\n") + Describe("delete", *failure);
        }
    }
    if (!failures.empty()) throw Error(failures);
}

}  // namespace tess::RegStuff
