#include "xls/biff/rk_number.h"

#include <bit>
#include <cmath>

namespace xls {
namespace {

constexpr double kRkMin = -536870912.0;  // -2^29
constexpr double kRkMax = 536870911.0;   // 2^29 - 1
constexpr std::uint64_t kLow34Bits = (std::uint64_t{1} << 34) - 1;
constexpr std::uint32_t kHundredths = 0x1;
constexpr std::uint32_t kInteger = 0x2;

std::uint32_t integerForm(double integer) {
    const auto value = static_cast<std::int32_t>(integer);
    return (static_cast<std::uint32_t>(value) << 2) | kInteger;
}

bool isRkInteger(double value) {
    return value >= kRkMin && value <= kRkMax && value == std::trunc(value);
}

std::optional<std::uint32_t> floatForm(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if ((bits & kLow34Bits) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(bits >> 32) & ~std::uint32_t{0x3};
}

}  // namespace

std::optional<std::uint32_t> rkForm(double value) {
    if (isRkInteger(value)) {
        return integerForm(value);
    }
    const double hundredfold = value * 100.0;
    if (std::isfinite(hundredfold)) {
        const double rounded = std::nearbyint(hundredfold);
        if (isRkInteger(rounded) && rounded / 100.0 == value) {
            return integerForm(rounded) | kHundredths;
        }
    }
    if (const auto form = floatForm(value)) {
        return form;
    }
    // The last rule keeps only 18 significant bits of the hundredfold; its
    // division by 100 does not always give the value back, and an RK that
    // reads as another number would lose data, so such values stay NUMBER.
    if (const auto form = floatForm(hundredfold)) {
        const std::uint32_t rk = *form | kHundredths;
        if (rkValue(rk) == value) {
            return rk;
        }
    }
    return std::nullopt;
}

double rkValue(std::uint32_t rk) {
    double value = 0;
    if ((rk & kInteger) != 0) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & ~std::uint32_t{0x3}) << 32);
    }
    return (rk & kHundredths) != 0 ? value / 100.0 : value;
}

}  // namespace xls
