#pragma once

#include <functional>
#include <string>

namespace tess {

// Deletes the one file named by `path` (never a pattern): first lets pending
// events run once through `yield`, then tries a plain delete and, when that
// fails, a forced one. Only a regular file is deleted, or a link itself (never
// what it points to); nothing at the path counts as deleted. Deletes nothing
// when `yield` returns false (an event handled meanwhile began the program's
// shutdown). A delete that fails is not reported. Throws tess::Error, deleting
// nothing, when the path names something else: a folder, a device, a pipe or a
// socket.
void RemoveFile(const std::string& path, const std::function<bool()>& yield);

// Deletes the file even when it is read-only; only a regular file or a link,
// as above. Reports nothing and never throws.
void ForceDeleteFile(const std::string& path);

}  // namespace tess
