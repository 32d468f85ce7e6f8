#pragma once
// A hint to the processor to fetch memory that a loop will read a few steps
// later: the plant sorting reads texts in an order unrelated to where they
// lie, and without the hint nearly every read waits for the memory.

namespace ek::calc {

inline void prefetchForReading(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    static_cast<void>(address);
#endif
}

}  // namespace ek::calc
