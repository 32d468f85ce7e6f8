#pragma once
// The figures the category tables hold as text, read as numbers for a
// workbook the user can compute with. A text of another form is no figure:
// the export then keeps the text.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ek::exporter {

// A quantity as the material list writes it: blanks around it allowed, an
// optional sign, digits, optionally a decimal comma and more digits ("3",
// "12,5", "-0,75"). The nearest double to the decimal value.
std::optional<double> quantityValue(std::u16string_view text);

// A price or line total as the table holds it: a quantity's form with at most
// two decimals ("1250,00", "980", "12,5"); in hundredths, exactly.
std::optional<std::int64_t> priceHundredths(std::u16string_view text);

// A subtotal or project total in the money pattern the tool shows
// (" 3 750,00", "1234 567,89", "-0 012,50"): blanks around it and between
// digit groups, the decimal comma or point, two decimals; in hundredths.
std::optional<std::int64_t> shownMoneyHundredths(std::u16string_view text);

// Hundredths as crowns: the nearest double to hundredths / 100, the value a
// reader gets from the same figure typed with two decimals.
inline double crowns(std::int64_t hundredths) {
    return static_cast<double>(hundredths) / 100.0;
}

}  // namespace ek::exporter
