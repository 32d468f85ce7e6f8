#include "export/amount_text.h"

#include <charconv>
#include <limits>
#include <string>

namespace ek::exporter {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view trimmedBlanks(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// A decimal number's parts: its sign, whole digits (blanks between groups
// dropped when allowed) and decimal digits.
struct DecimalParts {
    bool negative = false;
    std::string whole;
    std::string decimals;
};

struct DecimalForm {
    bool groupBlanks = false;     // "1 250,00"
    bool pointToo = false;        // "1250.00" as well as "1250,00"
    bool decimalsNeeded = false;  // exactly two decimals
};

std::optional<DecimalParts> decimalParts(std::u16string_view text, const DecimalForm& form) {
    text = trimmedBlanks(text);
    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        parts.negative = text[pos] == u'-';
        ++pos;
    }
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos];
        if (isDigit(c)) {
            parts.whole.push_back(static_cast<char>(c));
        } else if (c == u' ' && form.groupBlanks && !parts.whole.empty() && pos + 1 < text.size() &&
                   isDigit(text[pos + 1])) {
            continue;
        } else {
            break;
        }
    }
    if (parts.whole.empty())
        return std::nullopt;
    if (pos < text.size()) {
        if (text[pos] != u',' && !(form.pointToo && text[pos] == u'.'))
            return std::nullopt;
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos)
            parts.decimals.push_back(static_cast<char>(text[pos]));
        if (parts.decimals.empty() || pos != text.size())
            return std::nullopt;
    }
    if (form.decimalsNeeded && parts.decimals.size() != 2)
        return std::nullopt;
    return parts;
}

std::optional<std::int64_t> hundredthsOf(const DecimalParts& parts) {
    if (parts.decimals.size() > 2)
        return std::nullopt;
    const std::string digits =
        parts.whole + parts.decimals + std::string(2 - parts.decimals.size(), '0');
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (error != std::errc() || end != digits.data() + digits.size() || magnitude > kMax)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return parts.negative ? -value : value;
}

}  // namespace

std::optional<double> quantityValue(std::u16string_view text) {
    const std::optional<DecimalParts> parts = decimalParts(text, {});
    if (!parts)
        return std::nullopt;
    const std::string number = (parts->negative ? "-" : "") + parts->whole +
                               (parts->decimals.empty() ? "" : "." + parts->decimals);
    double value = 0;
    // Locale-free and correctly rounded, unlike strtod.
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> priceHundredths(std::u16string_view text) {
    const std::optional<DecimalParts> parts = decimalParts(text, {});
    return parts ? hundredthsOf(*parts) : std::nullopt;
}

std::optional<std::int64_t> shownMoneyHundredths(std::u16string_view text) {
    const std::optional<DecimalParts> parts =
        decimalParts(text, {.groupBlanks = true, .pointToo = true, .decimalsNeeded = true});
    return parts ? hundredthsOf(*parts) : std::nullopt;
}

}  // namespace ek::exporter
