#include "Error.h"

#include <cstring>

namespace tess {

std::string ErrnoText(int errnum) {
    return std::strerror(errnum);
}

}  // namespace tess
