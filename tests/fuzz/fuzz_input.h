#pragma once
// Decodes a fuzzer's input bytes into the choices of a test run: small
// numbers, picks from lists of interesting values, texts. Reading past the
// end gives zeros, so every input decodes to some run.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace ek::fuzz {

class FuzzInput {
  public:
    explicit FuzzInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return position_ >= bytes_.size(); }
    std::size_t remaining() const { return empty() ? 0 : bytes_.size() - position_; }

    std::uint8_t byte();
    std::uint16_t u16();
    std::uint32_t u32();
    std::uint64_t u64();
    bool flag() { return (byte() & 1) != 0; }
    // A number in [0, count); 0 when count is 0.
    std::size_t below(std::size_t count);
    // One of `values`, chosen by one byte.
    template <class T>
    T pick(std::initializer_list<T> values) {
        return *(values.begin() + below(values.size()));
    }
    // A UTF-16 text of up to `maxLength` code units, each from two bytes.
    std::u16string text(std::size_t maxLength);
    // The rest of the input, untouched.
    std::span<const std::uint8_t> rest();

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace ek::fuzz
