#pragma once
// 64-bit FNV-1a: a short fingerprint of written bytes, to notice any change.

#include <cstdint>
#include <span>

namespace ek::bench {

constexpr std::uint64_t fnv1a64(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

}  // namespace ek::bench
