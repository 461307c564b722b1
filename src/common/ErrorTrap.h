#pragma once

#include <functional>
#include <string>

#include "Dialogs.h"

namespace tess {

// The standard error report of a procedure with an error trap: the procedure's
// work is run as numbered steps (its line labels); a step that throws is
// reported with the label of that step and the procedure goes on with the next.
class ErrorTrap {
public:
    ErrorTrap(Dialogs& dialogs, std::string module, std::string procedure);

    // Runs one step labelled `line`. Returns false when it failed (and was reported).
    bool Step(int line, const std::function<void()>& body);

    // Reports a failure at `line` without running anything.
    void Report(int line, const std::string& description);

    int line() const { return line_; }
    int failures() const { return failures_; }

private:
    Dialogs& dialogs_;
    std::string module_;
    std::string procedure_;
    int line_ = 0;
    int failures_ = 0;
};

// The text of the standard error report.
std::string ErrorReportText(const std::string& description, const std::string& module,
                            const std::string& procedure, int line);

inline constexpr const char* kErrorReportTitle = "Application Error";

}  // namespace tess
