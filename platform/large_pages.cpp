#include "platform/large_pages.h"

// Before the test below: a C library header says whether it is glibc.
#include <cstdint>
#include <cstdlib>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace ek::platform {

#if defined(__linux__) && defined(__GLIBC__)

namespace {

constexpr std::size_t kMiB = 1024 * 1024;
// Address space the heap takes at once; pages count only once touched.
constexpr std::size_t kHeapReserve = 256 * kMiB;
// The C library's largest threshold: blocks below it come from the heap.
constexpr std::size_t kLargestFromHeap = 32 * kMiB;
constexpr std::uintptr_t kLargePage = 2 * kMiB;

}  // namespace

void preferLargeMemoryPages() {
    // The heap grows in one large step and keeps what it has, and large
    // blocks come from it rather than from mappings of their own, so that
    // one advice covers nearly every allocation of the run.
    // One arena for every thread: a second thread's blocks would otherwise
    // come from an arena of its own, outside the advised heap.
    if (mallopt(M_ARENA_MAX, 1) == 0 || mallopt(M_TOP_PAD, static_cast<int>(kHeapReserve)) == 0 ||
        mallopt(M_TRIM_THRESHOLD, static_cast<int>(kHeapReserve)) == 0 ||
        mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargestFromHeap)) == 0) {
        return;
    }
    // A block from the heap makes it grow now.
    void* probe = std::malloc(kLargestFromHeap / 2);
    if (probe == nullptr) {
        return;
    }
    // Kept from being optimised away with its free().
    asm volatile("" : : "r"(probe) : "memory");
    const auto begin =
        (reinterpret_cast<std::uintptr_t>(probe) + kLargePage - 1) & ~(kLargePage - 1);
    // The free() gives back the heap's top beyond the pad: the end is read
    // after it, or the advice would reach past the heap and be refused.
    std::free(probe);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kLargePage - 1);
    if (end > begin) {
        // Advice only: where the system declines, the run goes on as before.
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
}

#else

void preferLargeMemoryPages() {}

#endif

}  // namespace ek::platform
