#pragma once

#include <stdexcept>
#include <string>

namespace tess {

// A failure of a platform service. what() is the platform's own description of
// the error, which is what the standard error report shows to the user.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The description of the C library's errno value, for adapters over POSIX calls.
std::string ErrnoText(int errnum);

}  // namespace tess
