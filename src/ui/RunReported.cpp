#include "ui/RunReported.h"

#include <exception>
#include <string>

#include "common/ErrorTrap.h"

namespace tess {

int RunReported(Dialogs& dialogs, const std::function<int(const StartStep& step)>& run) {
    int line = 0;
    std::string failure;
    try {
        return run([&line](int begun) { line = begun; });
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "Unknown error";
    }
    ErrorTrap(dialogs, "Main", "RunApplication").Report(line, failure);
    return kStartFailed;
}

}  // namespace tess
