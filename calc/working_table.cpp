#include "calc/working_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "calc/whole_number.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ek::calc {

namespace {

// The first tab of `line` from `from` on, or npos; eight units are tested
// at once where the processor has vectors of them, then four (a line has
// some seventy, and this is most of the splitting's work).
std::size_t findTab(std::u16string_view line, std::size_t from) {
    constexpr std::uint64_t kTabs = 0x0009000900090009ULL;
    constexpr std::uint64_t kOnes = 0x0001000100010001ULL;
    constexpr std::uint64_t kHighBits = 0x8000800080008000ULL;
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i tabs = _mm_set1_epi16(static_cast<short>(u'\t'));
    for (; i + 8 <= line.size(); i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + i));
        // Two mask bits a unit.
        const auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(units, tabs)));
        if (hits != 0)
            return i + static_cast<std::size_t>(std::countr_zero(hits)) / 2;
    }
#endif
    for (; i + 4 <= line.size(); i += 4) {
        std::uint64_t units = 0;
        std::memcpy(&units, line.data() + i, sizeof units);
        const std::uint64_t differences = units ^ kTabs;
        // A unit of 0 sets its high bit (so may the units after it).
        if (((differences - kOnes) & ~differences & kHighBits) != 0)
            break;
    }
    for (; i < line.size(); ++i) {
        if (line[i] == u'\t')
            return i;
    }
    return std::u16string_view::npos;
}

// Calls take(number, field) for each field of the line, numbered from 1.
template <class Take>
void forEachField(std::u16string_view line, Take&& take) {
    if (line.empty())
        return;
    int number = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = findTab(line, start);
        take(number++, line.substr(start, end == std::u16string_view::npos ? end : end - start));
        if (end == std::u16string_view::npos)
            return;
        start = end + 1;
    }
}

}  // namespace

TextList fieldsOfLine(std::u16string_view line) {
    TextList fields;
    forEachField(line, [&](int, std::u16string_view field) { fields.emplace_back(field); });
    return fields;
}

void splitIntoWorkingTable(const TextList& items, TextGrid& table) {
    const int rows = std::max(1, static_cast<int>(items.size()));
    table.setRowCount(rows);
    table.clearDataRows();
    // The fields, a row number of up to five digits each.
    std::size_t units = 0;
    for (const Text& item : items)
        units += item.size() + 5;
    table.reserveTexts(units);
    for (int row = 1; row < rows; ++row) {
        std::array<char16_t, 20> digits;
        table.setCell(0, row, decimalText(row, digits));
        // Each field straight into its cell, without a list of copies between.
        forEachField(
            items[static_cast<std::size_t>(row - 1)],
            [&](int column, std::u16string_view field) { table.setCell(column, row, field); });
    }
}

}  // namespace ek::calc
