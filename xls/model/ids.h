#pragma once

// Typed indices shared by every part of the library: rows, columns, XF numbers,
// font numbers and colour numbers, which do not convert into one another by
// accident.

#include <compare>
#include <cstdint>

namespace xls {

// A number of one domain (a row, an XF index, ...) that does not convert to
// a number of another domain by accident. Rows and columns held in these are
// 0-based; the automation-style surface takes 1-based plain integers.
template <class Tag, class Rep>
struct TypedIndex {
    using Representation = Rep;

    Rep value{};

    constexpr TypedIndex() = default;
    constexpr explicit TypedIndex(Rep v) : value(v) {}

    friend constexpr bool operator==(TypedIndex, TypedIndex) = default;
    friend constexpr auto operator<=>(TypedIndex, TypedIndex) = default;
};

// 0-based sheet row, 0..65535.
using RowIndex = TypedIndex<struct RowIndexTag, std::uint16_t>;
// 0-based sheet column, 0..255.
using ColumnIndex = TypedIndex<struct ColumnIndexTag, std::uint8_t>;
// Index into the XF list; 0 or less on a cell means "no own format".
using XfIndex = TypedIndex<struct XfIndexTag, std::int32_t>;
// Index into the font list.
using FontIndex = TypedIndex<struct FontIndexTag, std::int32_t>;
// Colour number as stored in keys and records: 8..63 palette entries,
// 64 automatic foreground, 65 automatic background.
using ColorNumber = TypedIndex<struct ColorNumberTag, std::uint16_t>;

inline constexpr int kRowCount = 65536;
inline constexpr int kColumnCount = 256;
inline constexpr RowIndex kLastRow{65535};
inline constexpr ColumnIndex kLastColumn{255};

// XF 0 is the Normal style; a cell that names it means the default cell format.
inline constexpr XfIndex kNormalStyleXf{0};
inline constexpr XfIndex kDefaultCellXf{15};

inline constexpr ColorNumber kAutomaticForeground{64};
inline constexpr ColorNumber kAutomaticBackground{65};

}  // namespace xls
