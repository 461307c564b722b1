#include "settings/mStartUp.h"

#include <utility>

#include "common/Error.h"
#include "common/Files.h"
#include "settings/RegStuff.h"

namespace tess {

mStartUp::mStartUp(AutostartEntry& entry, PathSource executablePath)
    : entry_(entry), executablePath_(std::move(executablePath)) {}

void mStartUp::AddToStartup() {
    const std::string path = executablePath_();
    if (path.empty()) throw Error("Cannot find the file of the running program");
    RegStuff::SetRunValue(entry_, FileNameOfPath(path), path);
}

void mStartUp::RemoveFromStartup() {
    const std::string path = executablePath_();
    if (path.empty()) return;
    RegStuff::DeleteRunValue(entry_, FileNameOfPath(path));
}

}  // namespace tess
