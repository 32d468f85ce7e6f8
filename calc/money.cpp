#include "calc/money.h"

#include <cstdlib>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#endif

namespace ek::calc {

namespace {

constexpr char16_t kFallbackSeparator = u'.';

// Decimal digits of `value`, most significant first, at least `minimum` of them.
Text digitsOf(std::uint64_t value, std::size_t minimum) {
    Text digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    if (digits.size() < minimum)
        digits.insert(0, minimum - digits.size(), u'0');
    return digits;
}

}  // namespace

Text formatMoney(std::int64_t hundredths, char16_t decimalSeparator) {
    const bool negative = hundredths < 0;
    // Unsigned negation keeps INT64_MIN exact.
    const std::uint64_t magnitude = negative
                                        ? std::uint64_t{0} - static_cast<std::uint64_t>(hundredths)
                                        : static_cast<std::uint64_t>(hundredths);
    Text whole = digitsOf(magnitude / 100, 4);
    whole.insert(whole.size() - 3, 1, u' ');

    Text money;
    if (negative)
        money += u'-';
    money += whole;
    money += decimalSeparator;
    money += digitsOf(magnitude % 100, 2);
    return money;
}

#ifdef _WIN32

char16_t decimalSeparatorFromLocale() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                                       static_cast<int>(sizeof separator / sizeof separator[0]));
    if (length < 2)
        return kFallbackSeparator;  // the length counts the terminator
    return static_cast<char16_t>(separator[0]);
}

#else

namespace {

// The locale the C library would use for numbers: LC_ALL over LC_NUMERIC over LANG.
std::string numericLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

// "cs_CZ.UTF-8@euro" -> "cs_CZ": ICU knows languages and regions, not the
// C library's code set and modifier.
std::string languageAndRegion(std::string_view posixName) {
    return std::string(posixName.substr(0, posixName.find_first_of(".@")));
}

}  // namespace

char16_t decimalSeparatorFromLocale() {
    const std::string name = languageAndRegion(numericLocaleName());
    if (name.empty() || name == "C" || name == "POSIX")
        return kFallbackSeparator;

    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(icu::Locale(name.c_str()), status);
    if (U_FAILURE(status))
        return kFallbackSeparator;
    const icu::UnicodeString& separator =
        symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
    return separator.isEmpty() ? kFallbackSeparator : separator.charAt(0);
}

#endif

}  // namespace ek::calc
