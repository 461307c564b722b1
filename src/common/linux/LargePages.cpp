#include "common/LargePages.h"

#include <sys/mman.h>

#include <cstdint>

namespace tess {

void PreferLargePages(void* buffer, std::size_t bytes) {
    // Transparent huge pages, for the 2 MiB-aligned part of the buffer; with the
    // system's setting "always" they are taken anyway, with "never" not at all.
    constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(buffer);
    const std::uintptr_t first = (start + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t end = (start + bytes) & ~(kLarge - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}  // namespace tess
