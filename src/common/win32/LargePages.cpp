#include "common/LargePages.h"

namespace tess {

// Windows gives large pages only to accounts that hold the right to lock
// memory, and only to memory allocated for them from the start: nothing to ask.
void PreferLargePages(void*, std::size_t) {}

}  // namespace tess
