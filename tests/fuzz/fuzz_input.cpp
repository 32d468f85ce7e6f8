#include "fuzz/fuzz_input.h"

namespace ek::fuzz {

std::uint8_t FuzzInput::byte() {
    return empty() ? 0 : bytes_[position_++];
}

std::uint16_t FuzzInput::u16() {
    const std::uint16_t low = byte();
    return static_cast<std::uint16_t>(low | (byte() << 8));
}

std::uint32_t FuzzInput::u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

std::uint64_t FuzzInput::u64() {
    const std::uint64_t low = u32();
    return low | (static_cast<std::uint64_t>(u32()) << 32);
}

std::size_t FuzzInput::below(std::size_t count) {
    if (count == 0)
        return 0;
    const std::size_t value = count <= 256 ? byte() : u16();
    return value % count;
}

std::u16string FuzzInput::text(std::size_t maxLength) {
    const std::size_t length = below(maxLength + 1);
    std::u16string result;
    result.reserve(length);
    for (std::size_t i = 0; i < length && !empty(); ++i)
        result.push_back(static_cast<char16_t>(u16()));
    return result;
}

std::span<const std::uint8_t> FuzzInput::rest() {
    const std::span<const std::uint8_t> all = bytes_.subspan(empty() ? bytes_.size() : position_);
    position_ = bytes_.size();
    return all;
}

}  // namespace ek::fuzz
