#include "core/util/huge_heap.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>
#endif

namespace scrivlet {

#if defined(__linux__) && defined(__GLIBC__)

void ReadyHugeHeap(std::size_t bytes) {
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    // The largest block the library still takes from its heap rather than
    // from a mapping of its own.
    constexpr std::size_t kBlock = std::size_t{32} << 20;
    if (bytes < 2 * kHugePage) {
        return;
    }
    // The heap grows by blocks that are marked for huge pages and freed
    // again; they stay as the heap's free top, not handed back, and the
    // small allocations that follow are cut from them.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kBlock));
    const std::size_t keep = std::min<std::size_t>(bytes + kBlock, 0x7FFFFFFF);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(keep));
    std::vector<void*> blocks;
    blocks.reserve(bytes / kBlock + 1);
    std::uintptr_t low = UINTPTR_MAX;
    std::uintptr_t high = 0;
    for (std::size_t ready = 0; ready < bytes; ready += kBlock) {
        void* block = std::malloc(kBlock - kHugePage);
        if (block == nullptr) {
            break;
        }
        blocks.push_back(block);
        const auto start = reinterpret_cast<std::uintptr_t>(block);
        low = std::min(low, start);
        high = std::max(high, start + kBlock - kHugePage);
    }
    // The blocks follow one another on the heap: marked as one range, so
    // that no block's edges are left out. Refused where huge pages are off,
    // and then pages come as before.
    const std::uintptr_t first = (low + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = high & ~(kHugePage - 1);
    if (!blocks.empty() && end > first) {
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
    for (void* block : blocks) {
        std::free(block);
    }
}

#else

void ReadyHugeHeap(std::size_t) {}

#endif

}  // namespace scrivlet
