#pragma once

#include <cstddef>

namespace tess {

// Asks the system to back the whole pages of a large buffer, which is about to
// be filled from the start, with its large pages: one page fault for 2 MiB
// rather than for every 4 kB. For a text of 100 MB, the faults and the work
// the system does for each of them take longer than reading the file.
// A request the system does not take changes nothing.
void PreferLargePages(void* buffer, std::size_t bytes);

}  // namespace tess
