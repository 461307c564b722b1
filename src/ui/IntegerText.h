#pragma once

#include <cstdint>
#include <string>

namespace tess {

// The 16-bit integer a setting's text stands for: a decimal number with an
// optional sign and fraction, spaces around it allowed, rounded half to even.
// Throws tess::Error("Type mismatch") for text that is not such a number and
// tess::Error("Overflow") for a number outside -32768..32767.
std::int16_t ToInteger16(const std::string& text);

}  // namespace tess
