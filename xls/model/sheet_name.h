#pragma once

// The rules sheet names follow: at most 31 code units, no [ : * ? / \ ], no
// apostrophe at either end, unique ignoring letter case.

#include <cstddef>
#include <span>
#include <string_view>

namespace xls {

inline constexpr std::size_t kMaxSheetNameLength = 31;

// Whether `name` may name a sheet whose fellow sheets are named `others`:
// 1..31 code units, none of [ : * ? / \ ], not starting or ending with an
// apostrophe, and equal to no other name ignoring letter case.
bool IsAcceptableSheetName(std::u16string_view name, std::span<const std::u16string_view> others);

// Sheet names compared as spreadsheet programs do: ignoring letter case.
bool SameSheetName(std::u16string_view a, std::u16string_view b);

}  // namespace xls
