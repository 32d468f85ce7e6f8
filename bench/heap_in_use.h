#pragma once
// The bytes the C library's allocator has handed out and not yet got back
// (small blocks and mapped large ones), to measure what a structure costs.

#include <cstddef>

namespace ek::bench {

// 0 where the C library cannot tell (only glibc is asked).
std::size_t heapBytesInUse();

}  // namespace ek::bench
