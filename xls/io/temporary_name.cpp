#include "xls/io/temporary_name.h"

#include <chrono>
#include <random>

namespace xls {

namespace {

// Names tried before giving up: with 64 random bits a taken name is someone
// creating names on purpose, and a hundred of them is enough to tell.
constexpr int kNameAttempts = 100;

std::u16string hexadecimal(std::uint64_t value) {
    std::u16string digits(16, u'0');
    for (std::size_t i = digits.size(); i > 0; --i, value >>= 4) {
        digits[i - 1] = u"0123456789abcdef"[value & 0xF];
    }
    return digits;
}

}  // namespace

std::u16string temporaryFileName(std::uint64_t random) {
    return u".~xls" + hexadecimal(random) + u".tmp";
}

std::uint64_t unforeseeableNumber() {
    try {
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        // No entropy source: the clock still differs from save to save.
        return static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    }
}

SaveResult withFreeTemporaryName(
    const std::function<std::optional<SaveResult>(const std::u16string& name)>& tryName) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        if (const std::optional<SaveResult> result =
                tryName(temporaryFileName(unforeseeableNumber()))) {
            return *result;
        }
    }
    return SaveResult::CannotCreate;
}

}  // namespace xls
