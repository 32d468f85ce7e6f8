#include "bench/allocation_meter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace ek::bench {

namespace {

// The one place that has to be global: operator new has no other home.
std::atomic<std::size_t> live{0};
std::atomic<std::size_t> peak{0};

void counted(void* block) {
    const std::size_t now = live.fetch_add(malloc_usable_size(block)) + malloc_usable_size(block);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
}

void* allocate(std::size_t size, std::size_t alignment) {
    const std::size_t bytes = size == 0 ? 1 : size;
    void* block =
        alignment <= alignof(std::max_align_t)
            ? std::malloc(bytes)
            : std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment);
    if (block != nullptr)
        counted(block);
    return block;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment) {
    void* block = allocate(size, alignment);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void release(void* block) noexcept {
    if (block == nullptr)
        return;
    live.fetch_sub(malloc_usable_size(block));
    std::free(block);
}

}  // namespace

std::size_t liveAllocatedBytes() {
    return live.load();
}
std::size_t peakAllocatedBytes() {
    return peak.load();
}
void restartAllocationPeak() {
    peak.store(live.load());
}

}  // namespace ek::bench

constexpr std::size_t kPlain = alignof(std::max_align_t);

void* operator new(std::size_t size) {
    return ek::bench::allocateOrThrow(size, kPlain);
}
void* operator new[](std::size_t size) {
    return ek::bench::allocateOrThrow(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return ek::bench::allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return ek::bench::allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return ek::bench::allocate(size, kPlain);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return ek::bench::allocate(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return ek::bench::allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return ek::bench::allocate(size, static_cast<std::size_t>(alignment));
}

void operator delete(void* block) noexcept {
    ek::bench::release(block);
}
void operator delete[](void* block) noexcept {
    ek::bench::release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    ek::bench::release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    ek::bench::release(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    ek::bench::release(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    ek::bench::release(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    ek::bench::release(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    ek::bench::release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    ek::bench::release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    ek::bench::release(block);
}
