#pragma once
// The messages the reading and the price lists may stop with, recognised in
// the UTF-8 form in which CalcError carries them.

#include <string_view>

namespace ek::fuzz {

// A message with which the reading of the material list at `path` stops
// because of what the file holds: a line total that is no amount or is
// missing, a sum beyond the range of amounts, a repeated category title, or
// no category title at all (any title, line numbers and field).
bool isReadingStopMessage(std::string_view message, std::string_view path);
// "Ceník nelze uložit: znak "%s" na řádku %d nelze zapsat v kódování
// Windows-1250.", any %s, %d a decimal number.
bool isUnwritablePriceListMessage(std::string_view message);

}  // namespace ek::fuzz
