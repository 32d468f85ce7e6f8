#include "calc/money.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace ek::calc {
namespace {

struct MoneyCase {
    std::int64_t hundredths;
    const char16_t* comma;
};

TEST(FormatMoney, Pattern) {
    const MoneyCase cases[] = {
        {0, u"0 000,00"},
        {1250, u"0 012,50"},
        {1, u"0 000,01"},
        {99, u"0 000,99"},
        {100, u"0 001,00"},
        {125000, u"1 250,00"},
        {375000, u"3 750,00"},
        {98000, u"0 980,00"},
        {9876543, u"98 765,43"},
        {123456789, u"1234 567,89"},
        {20000001, u"200 000,01"},
        {2147483647, u"21474 836,47"},
        {2147483648, u"21474 836,48"},
        {1000000000000, u"10000000 000,00"},
        {-1, u"-0 000,01"},
        {-1250, u"-0 012,50"},
        {-123456789, u"-1234 567,89"},
        {-2147483649, u"-21474 836,49"},
        {std::numeric_limits<std::int64_t>::max(), u"92233720368547 758,07"},
        {std::numeric_limits<std::int64_t>::min(), u"-92233720368547 758,08"},
    };
    for (const MoneyCase& c : cases) {
        SCOPED_TRACE(c.hundredths);
        EXPECT_EQ(formatMoney(c.hundredths, u','), Text(c.comma));
        Text point(c.comma);
        point[point.find(u',')] = u'.';
        EXPECT_EQ(formatMoney(c.hundredths, u'.'), point);
    }
}

#ifndef _WIN32
// The locale variables below are how Linux chooses the locale; Windows asks
// the user's default locale instead, which a test cannot set.

// Sets the three locale variables for one scope and restores them after.
class LocaleEnvironment {
  public:
    LocaleEnvironment(const char* lcAll, const char* lcNumeric, const char* lang) {
        const char* values[] = {lcAll, lcNumeric, lang};
        for (std::size_t i = 0; i < kCount; ++i) {
            const char* old = std::getenv(kNames[i]);
            if (old)
                saved_[i] = old;
            set(kNames[i], values[i]);
        }
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < kCount; ++i)
            set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

  private:
    static constexpr std::size_t kCount = 3;
    static constexpr const char* kNames[kCount] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    static void set(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    std::optional<std::string> saved_[kCount];
};

TEST(DecimalSeparatorFromLocale, FollowsTheNumericLocale) {
    struct Case {
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
        char16_t expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, u'.'},
        {nullptr, nullptr, "C", u'.'},
        {nullptr, nullptr, "POSIX", u'.'},
        {nullptr, nullptr, "C.UTF-8", u'.'},
        {nullptr, nullptr, "en_US.UTF-8", u'.'},
        {nullptr, nullptr, "cs_CZ.UTF-8", u','},
        {nullptr, nullptr, "cs_CZ", u','},
        {nullptr, nullptr, "cs_CZ.ISO-8859-2@euro", u','},
        {nullptr, nullptr, "de_DE.UTF-8", u','},
        {nullptr, nullptr, "xx_YY.UTF-8", u'.'},
        {nullptr, "cs_CZ.UTF-8", "en_US.UTF-8", u','},
        {nullptr, "en_US.UTF-8", "cs_CZ.UTF-8", u'.'},
        {"C", "cs_CZ.UTF-8", "cs_CZ.UTF-8", u'.'},
        {"cs_CZ.UTF-8", "C", "C", u','},
        {"", "", "cs_CZ.UTF-8", u','},  // empty values do not count
        {"", "cs_CZ", "C", u','},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lcAll ? c.lcAll : "-") + " " +
                     (c.lcNumeric ? c.lcNumeric : "-") + " " + (c.lang ? c.lang : "-"));
        const LocaleEnvironment environment(c.lcAll, c.lcNumeric, c.lang);
        EXPECT_EQ(decimalSeparatorFromLocale(), c.expected);
    }
}

#endif  // _WIN32

}  // namespace
}  // namespace ek::calc
