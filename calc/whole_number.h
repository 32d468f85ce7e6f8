#pragma once
// Whole numbers held as decimal text in the working state (INF_celkem,
// INF_zacatek, row numbers of the category index and of the plant sort keys).

#include <array>
#include <cstdint>
#include <string_view>

#include "calc/text.h"

namespace ek::calc {

// Optional leading blanks, an optional sign, then digits and nothing else;
// throws CalcError "'%s' is not a valid integer value" otherwise or when the
// value leaves int64.
std::int64_t parseWholeNumber(std::u16string_view text);

Text decimalText(std::int64_t value);
// The same into `digits`, for a caller that only reads it: a view of it.
std::u16string_view decimalText(std::int64_t value, std::array<char16_t, 20>& digits);

// `value` (not negative) with leading zeros to at least `width` digits.
Text zeroPadded(std::int64_t value, std::size_t width);

// The number of decimal digits of `value` (not negative); 0 has one.
std::size_t digitCount(std::int64_t value);

}  // namespace ek::calc
