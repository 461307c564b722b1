#include "ui/Diagnostics.h"

#include <cstdio>

namespace tess {

void StandardErrorDiagnostics::Warn(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace tess
