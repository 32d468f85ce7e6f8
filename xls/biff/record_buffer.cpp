#include "xls/biff/record_buffer.h"

#include <bit>
#include <cstring>
#include <stdexcept>

namespace xls {

void RecordBuffer::reserveMore(std::size_t additional) {
    const std::size_t needed = size_ + additional;
    if (needed <= capacity_) {
        return;
    }
    auto larger = std::make_unique_for_overwrite<std::uint8_t[]>(needed);
    if (size_ > 0) {
        std::memcpy(larger.get(), bytes_.get(), size_);
    }
    bytes_ = std::move(larger);
    capacity_ = needed;
}

void RecordBuffer::f64(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::uint8_t* out = grow(8);
    for (int i = 0; i < 8; ++i) {
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

void RecordBuffer::utf16(std::u16string_view text) {
    std::uint8_t* out = grow(2 * text.size());
    if constexpr (std::endian::native == std::endian::little) {
        // The units are little-endian already.
        if (!text.empty()) {
            std::memcpy(out, text.data(), 2 * text.size());
        }
        return;
    }
    for (const char16_t unit : text) {
        *out++ = static_cast<std::uint8_t>(unit);
        *out++ = static_cast<std::uint8_t>(unit >> 8);
    }
}

void RecordBuffer::raw(std::span<const std::uint8_t> data) {
    if (!data.empty()) {
        std::memcpy(grow(data.size()), data.data(), data.size());
    }
}

void RecordBuffer::zeros(std::size_t count) {
    std::memset(grow(count), 0, count);
}

void RecordBuffer::patchU16(std::size_t offset, std::uint16_t value) {
    if (offset + 2 > size_) {
        throw std::out_of_range("RecordBuffer::patchU16 past the written bytes");
    }
    bytes_[offset] = static_cast<std::uint8_t>(value);
    bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace xls
