#pragma once
// Reading and writing whole files for the calculation, with the errors it
// shows: the platform's input/output message, or the size limit.

#include <cstdint>

#include "calc/text.h"
#include "platform/platform.h"

namespace ek::calc {

// Larger files are refused unread.
inline constexpr std::uint64_t kLargestFileBytes = 64ull * 1024 * 1024;

// Throws CalcError with the platform's message.
std::uint64_t fileSizeOf(platform::Platform& platform, const Text& path);

// Throws CalcError with the size message naming `path` when `size` is too large.
void refuseTooLarge(std::uint64_t size, const Text& path);

// The whole file, refused unread when too large. Throws CalcError.
platform::Bytes readWholeFile(platform::Platform& platform, const Text& path);

// Throws CalcError with the platform's message.
void writeWholeFile(platform::Platform& platform, const Text& path, const platform::Bytes& content);

}  // namespace ek::calc
