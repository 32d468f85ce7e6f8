#pragma once

// Temporary names of a save: unforeseeable names, tried until one is free.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "xls/io/save_result.h"

namespace xls {

// The hidden file name (no folder) that `random` gives. The destination's
// own name is not part of it, so a name that meets the file system's limit
// cannot push the temporary one over it.
std::u16string temporaryFileName(std::uint64_t random);

// Random bits that other processes cannot foresee, so that nobody can block
// a save by creating its temporary names beforehand.
std::uint64_t unforeseeableNumber();

// Calls `tryName` with fresh temporary names until it gives a result; it
// gives none (nullopt) when the name it got is taken. CannotCreate when
// every name tried was taken.
SaveResult withFreeTemporaryName(
    const std::function<std::optional<SaveResult>(const std::u16string& name)>& tryName);

}  // namespace xls
