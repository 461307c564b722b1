#pragma once

#include <string>

namespace tess {

// The program's diagnostic output: where a failure goes that has no report of
// its own, so that the program keeps running and the failure is still named.
class Diagnostics {
public:
    virtual ~Diagnostics() = default;
    // One line, without its line break.
    virtual void Warn(const std::string& line) = 0;
};

// The standard error stream of the process.
class StandardErrorDiagnostics : public Diagnostics {
public:
    void Warn(const std::string& line) override;
};

}  // namespace tess
