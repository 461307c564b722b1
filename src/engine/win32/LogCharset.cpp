#include "engine/LogCharset.h"

#include "common/win32/AnsiText.h"

namespace tess {

std::string ToLogCharset(const std::string& text) {
    return Utf8ToAnsi(text);
}

}  // namespace tess
