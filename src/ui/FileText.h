#pragma once

#include <string>

namespace tess {

// The whole content of the file at `path`, byte for byte. Only a regular file
// is read: a device never ends, and opening a pipe would wait for a writer.
// Throws tess::Error with the reason when the file cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace tess
