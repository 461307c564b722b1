#include "engine/LogCharset.h"

#include "engine/linux/Charset.h"

namespace tess {

std::string ToLogCharset(const std::string& text) {
    return FromUtf8ToLocale(text);
}

}  // namespace tess
