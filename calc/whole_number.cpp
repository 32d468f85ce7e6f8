#include "calc/whole_number.h"

#include <limits>

#include "calc/error.h"

namespace ek::calc {

namespace {

[[noreturn]] void throwNotInteger(std::u16string_view text) {
    throw CalcError(u"'" + Text(text) + u"' is not a valid integer value");
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

std::int64_t parseWholeNumber(std::u16string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos == text.size())
        throwNotInteger(text);
    // Collected as a negative number, whose range holds INT64_MIN too.
    std::int64_t value = 0;
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos]))
            throwNotInteger(text);
        const int digit = text[pos] - u'0';
        if (value < (kMin + digit) / 10)
            throwNotInteger(text);
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == kMin)
            throwNotInteger(text);
        value = -value;
    }
    return value;
}

std::u16string_view decimalText(std::int64_t value, std::array<char16_t, 20>& digits) {
    // Straight into UTF-16: every row number and sum passes here.
    std::size_t first = digits.size();
    // Unsigned negation keeps INT64_MIN exact (19 digits and the sign).
    std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                        : static_cast<std::uint64_t>(value);
    // Two digits a step.
    while (magnitude >= 100) {
        const auto pair = static_cast<unsigned>(magnitude % 100);
        magnitude /= 100;
        digits[--first] = static_cast<char16_t>(u'0' + pair % 10);
        digits[--first] = static_cast<char16_t>(u'0' + pair / 10);
    }
    digits[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
    if (magnitude >= 10)
        digits[--first] = static_cast<char16_t>(u'0' + magnitude / 10);
    if (value < 0)
        digits[--first] = u'-';
    return std::u16string_view(digits.data() + first, digits.size() - first);
}

Text decimalText(std::int64_t value) {
    std::array<char16_t, 20> digits;
    return Text(decimalText(value, digits));
}

Text zeroPadded(std::int64_t value, std::size_t width) {
    std::array<char16_t, 20> buffer;
    const std::u16string_view digits = decimalText(value, buffer);
    if (digits.size() >= width)
        return Text(digits);
    // Made at its width, zeros and all, and the digits written over its end.
    Text padded(width, u'0');
    std::char_traits<char16_t>::copy(padded.data() + (width - digits.size()), digits.data(),
                                     digits.size());
    return padded;
}

std::size_t digitCount(std::int64_t value) {
    std::size_t count = 1;
    for (; value >= 10; value /= 10)
        ++count;
    return count;
}

}  // namespace ek::calc
