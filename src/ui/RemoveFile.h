#pragma once

#include <functional>
#include <string>

namespace tess {

// Deletes the one file named by `path` (never a pattern, never a folder): first
// lets pending events run once through `yield`, then tries a plain delete and,
// when that fails, a forced one. Deletes nothing when `yield` returns false (an
// event handled meanwhile began the program's shutdown). Reports nothing and
// never throws.
void RemoveFile(const std::string& path, const std::function<bool()>& yield);

// Deletes the file even when it is read-only. Reports nothing and never throws.
void ForceDeleteFile(const std::string& path);

}  // namespace tess
