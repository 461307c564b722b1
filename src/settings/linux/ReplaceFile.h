#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace tess {

// Writes `content` to a sibling temporary file, flushes it to disk and renames
// it over `path`, so that the file is either the old one or the new one, never
// half written. A `path` that is a symbolic link (a file kept in a dotfiles
// repository) stays one: the file it leads to is the one replaced, beside which
// the temporary file is made, new, under a name nobody can guess. `mode` is the
// permission bits of the new file (by default 0666 less the umask). Returns 0,
// or the errno of the step that failed, in which case the file is left as it
// was and no temporary file stays behind.
int ReplaceFile(const std::string& path, const std::string& content,
                std::optional<mode_t> mode = std::nullopt);

}  // namespace tess
