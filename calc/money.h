#pragma once
// The money pattern "0 000.00" in which subtotals and the project total are
// shown, and the decimal separator of the user's regional settings.

#include <cstdint>

#include "calc/text.h"

namespace ek::calc {

// `hundredths` as money: a minus sign for negative values, the whole part with
// at least four digits (leading zeros), a blank between the thousands and the
// hundreds digit and none further up, the separator, two decimals:
// 0 -> "0 000,00", 1250 -> "0 012,50", 123456789 -> "1234 567,89".
// Every int64 value is written exactly, INT64_MIN included.
Text formatMoney(std::int64_t hundredths, char16_t decimalSeparator);

// The decimal separator of the user's regional settings, read from ICU's
// locale data so that no compiled C-library locale is needed. The locale is the
// first non-empty of LC_ALL, LC_NUMERIC and LANG; "C", "POSIX" and nothing at
// all give '.'. On Windows the user's default locale is asked instead.
char16_t decimalSeparatorFromLocale();

}  // namespace ek::calc
