#pragma once
// The bytes the C library's allocator has handed out and not yet got back
// (small blocks and mapped large ones), to measure what a structure costs.

#include <cstddef>

namespace ek::bench {

// 0 where the C library cannot tell (only glibc is asked).
std::size_t heapBytesInUse();

// The heap bytes that what make() returns holds, measured while it is held.
template <class Make>
std::size_t heapBytesHeldBy(Make&& make) {
    const std::size_t before = heapBytesInUse();
    const auto held = make();
    return heapBytesInUse() - before;
}

}  // namespace ek::bench
