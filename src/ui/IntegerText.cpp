#include "ui/IntegerText.h"

#include <charconv>
#include <cmath>
#include <regex>

#include "common/Error.h"

namespace tess {

std::int16_t ToInteger16(const std::string& text) {
    static const std::regex kNumber(R"(\s*([+-]?)(\d+(\.\d*)?|\.\d+)\s*)");
    std::smatch match;
    if (!std::regex_match(text, match, kNumber)) throw Error("Type mismatch");
    const std::string digits = match[2].str();
    double magnitude = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const double value = std::nearbyint(match[1].str() == "-" ? -magnitude : magnitude);
    if (value < -32768.0 || value > 32767.0) throw Error("Overflow");
    return static_cast<std::int16_t>(value);
}

}  // namespace tess
