#include "calc/line_value.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <optional>

namespace ek::calc {

namespace {

constexpr char16_t kNoBreakSpace = u'\u00A0';
constexpr std::size_t kSuffixLength = 3;  // " Kč"

std::u16string_view withoutSuffix(std::u16string_view field) {
    if (field.size() <= kSuffixLength)
        return {};
    return field.substr(0, field.size() - kSuffixLength);
}

Text without(std::u16string_view text, char16_t removed) {
    Text kept(text.size(), u'\0');
    const auto end = std::remove_copy(text.begin(), text.end(), kept.begin(), removed);
    kept.erase(end, kept.end());
    return kept;
}

// Calls read(text) with `text` without its no-break spaces: a line total
// is filtered into a buffer on the stack, a longer text into a copy.
template <class Read>
auto withoutNoBreakSpaces(std::u16string_view text, Read&& read) {
    std::array<char16_t, 64> buffer;
    if (text.size() > buffer.size())
        return read(std::u16string_view(without(text, kNoBreakSpace)));
    std::size_t length = 0;
    for (const char16_t unit : text) {
        if (unit != kNoBreakSpace)
            buffer[length++] = unit;
    }
    return read(std::u16string_view(buffer.data(), length));
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Magnitude in hundredths of "digits[,d[d]]" starting at `pos`, or nothing when
// the text has another form or the magnitude passes `limit`.
std::optional<std::uint64_t> parseHundredths(std::u16string_view text, std::size_t pos,
                                             std::uint64_t limit) {
    const std::size_t wholeStart = pos;
    std::uint64_t whole = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const unsigned digit = text[pos] - u'0';
        if (whole > (limit / 100 - digit) / 10)
            return std::nullopt;  // whole * 100 passes limit
        whole = whole * 10 + digit;
    }
    if (pos == wholeStart)
        return std::nullopt;

    std::uint64_t cents = 0;
    if (pos < text.size()) {
        if (text[pos] != u',')
            return std::nullopt;
        const std::size_t decimals = text.size() - pos - 1;
        if (decimals < 1 || decimals > 2)
            return std::nullopt;
        for (std::size_t i = pos + 1; i < text.size(); ++i) {
            if (!isDigit(text[i]))
                return std::nullopt;
            cents = cents * 10 + (text[i] - u'0');
        }
        if (decimals == 1)
            cents *= 10;
    }
    if (whole * 100 > limit - cents)
        return std::nullopt;
    return whole * 100 + cents;
}

}  // namespace

void cleanPriceText(std::u16string_view field, Text& cleaned) {
    const std::u16string_view text = withoutSuffix(field);
    cleaned.resize(text.size());
    std::size_t length = 0;
    for (const char16_t unit : text) {
        if (unit != kNoBreakSpace)
            cleaned[length++] = unit == u'.' ? u',' : unit;
    }
    cleaned.resize(length);
}

Text cleanedPriceText(std::u16string_view field) {
    Text cleaned;
    cleanPriceText(field, cleaned);
    return cleaned;
}

std::optional<std::int64_t> lineValue(std::u16string_view field) {
    return withoutNoBreakSpaces(
        withoutSuffix(field), [](std::u16string_view text) -> std::optional<std::int64_t> {
            std::size_t pos = text.find_first_not_of(u' ');
            if (pos == std::u16string_view::npos)
                return std::nullopt;
            const bool negative = text[pos] == u'-';
            if (negative || text[pos] == u'+')
                ++pos;

            constexpr auto kMax =
                static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
            const std::optional<std::uint64_t> magnitude =
                parseHundredths(text, pos, negative ? kMax + 1 : kMax);
            if (!magnitude)
                return std::nullopt;
            // Unsigned negation reaches INT64_MIN without overflow.
            return negative ? static_cast<std::int64_t>(std::uint64_t{0} - *magnitude)
                            : static_cast<std::int64_t>(*magnitude);
        });
}

std::optional<std::int64_t> addedMoney(std::int64_t sum, std::int64_t value) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if ((value > 0 && sum > kMax - value) || (value < 0 && sum < kMin - value))
        return std::nullopt;
    return sum + value;
}

}  // namespace ek::calc
