#include "ErrorTrap.h"

#include <exception>
#include <utility>

#include "Vendor.h"

namespace tess {

std::string ErrorReportText(const std::string& description, const std::string& module,
                            const std::string& procedure, int line) {
    return description + "\r\n" + "in Pellwick2021/08/31." + module + "." + procedure + " " +
           "at line " + std::to_string(line) + "\r\r" +
           "Please email screenshot of this message to " + kSupportEmail;
}

ErrorTrap::ErrorTrap(Dialogs& dialogs, std::string module, std::string procedure)
    : dialogs_(dialogs), module_(std::move(module)), procedure_(std::move(procedure)) {}

bool ErrorTrap::Step(int line, const std::function<void()>& body) {
    line_ = line;
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        Report(line, e.what());
    } catch (...) {
        Report(line, "Unknown error");
    }
    return false;
}

void ErrorTrap::Report(int line, const std::string& description) {
    line_ = line;
    ++failures_;
    dialogs_.Message({ErrorReportText(description, module_, procedure_, line), kErrorReportTitle,
                      MessageButtons::Ok, MessageIcon::Exclamation});
}

}  // namespace tess
