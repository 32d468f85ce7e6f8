#pragma once
// Price fields of the item lines: the text shown in a category table and the
// value, in hundredths, that is summed.

#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/text.h"

namespace ek::calc {

// The field without its three-character currency suffix, no-break spaces
// removed and every '.' written as ','. Fewer than four characters: empty text.
// "1 250,00 Kč" (no-break space) -> "1250,00".
Text cleanedPriceText(std::u16string_view field);
// The same into `cleaned` (its old content replaced), which keeps its block
// from call to call: a table's prices are cleaned without allocating.
void cleanPriceText(std::u16string_view field, Text& cleaned);

// The exact value in hundredths of a line total. After the suffix is cut and the
// no-break spaces removed, the text must be: optional leading blanks, an
// optional sign, digits, and optionally ',' with one or two digits
// ("3 750 Kč" -> 375000, "3 750,5 Kč" -> 375050). Anything else, and a value
// beyond int64, gives nothing.
std::optional<std::int64_t> lineValue(std::u16string_view field);

// sum + value, or nothing when the result would leave int64.
std::optional<std::int64_t> addedMoney(std::int64_t sum, std::int64_t value);

}  // namespace ek::calc
