#pragma once
// The messages the reading and the price lists may stop with, recognised in
// the UTF-8 form in which CalcError carries them.

#include <string_view>

namespace ek::fuzz {

// "'%s' is not a valid integer value", any %s.
bool isNotIntegerMessage(std::string_view message);
// "List index out of bounds (%d)", %d a decimal number.
bool isIndexOutOfBoundsMessage(std::string_view message);
// "Soubor je příliš velký (nejvýše 64 MiB)."
bool isTooLargeMessage(std::string_view message);
// "Ceník nelze uložit: znak "%s" na řádku %d nelze zapsat v kódování
// Windows-1250.", any %s, %d a decimal number.
bool isUnwritablePriceListMessage(std::string_view message);

}  // namespace ek::fuzz
