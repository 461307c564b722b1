#pragma once

#include <string>

namespace tess {

inline constexpr const char* kProductTitle = "Tessaline";

// The application title: the product title cut at its last space, then word by
// word while it is longer than 40 characters. A title without a space stays whole.
std::string DeriveAppTitle(const std::string& productTitle);

// The caption of message boxes shown without a title of their own.
const std::string& AppTitle();
void SetAppTitle();

}  // namespace tess
