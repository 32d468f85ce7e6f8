#pragma once

// RecordBuffer, the bytes of one record while it is built.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace xls {

// The bytes of one record while it is being built: little-endian appends in
// field order, plus a 16-bit patch for lengths known only at the end.
//
// Capacity is reserved by the caller for the exact content; an append past it
// grows the storage to exactly the size needed, never byte by byte doubling.
// clear() keeps the storage, so one buffer can be reused for many records.
class RecordBuffer {
  public:
    RecordBuffer() = default;
    RecordBuffer(RecordBuffer&&) noexcept = default;
    RecordBuffer& operator=(RecordBuffer&&) noexcept = default;
    explicit RecordBuffer(std::size_t capacity) { reserveMore(capacity); }

    // Inline: records are built a few fields at a time, a cell at a time.
    void u8(std::uint8_t value) { *grow(1) = value; }
    void u16(std::uint16_t value) {
        std::uint8_t* out = grow(2);
        out[0] = static_cast<std::uint8_t>(value);
        out[1] = static_cast<std::uint8_t>(value >> 8);
    }
    void u32(std::uint32_t value) {
        std::uint8_t* out = grow(4);
        for (int i = 0; i < 4; ++i) {
            out[i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
    void f64(double value);
    // UTF-16LE code units, two bytes each, no terminator.
    void utf16(std::u16string_view text);
    void raw(std::span<const std::uint8_t> data);
    void zeros(std::size_t count);

    // Overwrites two bytes already written at `offset`.
    void patchU16(std::size_t offset, std::uint16_t value);

    // Makes room for `additional` more bytes (exactly, when it must grow).
    void reserveMore(std::size_t additional);
    void clear() { size_ = 0; }

    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    std::span<const std::uint8_t> bytes() const { return {bytes_.get(), size_}; }

  private:
    // Room for `count` more bytes at the end; returns where they go.
    std::uint8_t* grow(std::size_t count) {
        if (size_ + count > capacity_) {
            reserveMore(count);
        }
        std::uint8_t* at = bytes_.get() + size_;
        size_ += count;
        return at;
    }

    // Not a vector: growing one would zero every byte before it is written.
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace xls
