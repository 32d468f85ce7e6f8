#include "calc/line_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "calc/error.h"

namespace ek::calc {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// The message a refused value must carry, built from the UTF-8 text shown.
std::string notInteger(const std::string& shown) {
    return "'" + shown + "' is not a valid integer value";
}

TEST(CleanedPriceText, CutsSuffixDropsNoBreakSpacesAndWritesCommas) {
    struct Case {
        const char16_t* field;
        const char16_t* cleaned;
    };
    const Case cases[] = {
        {u"1\u00A0250,00 Kč", u"1250,00"},
        {u"3\u00A0750,00 Kč", u"3750,00"},
        {u"980,00 Kč", u"980,00"},
        {u"1250.00 Kč", u"1250,00"},
        {u"1\u00A0234\u00A0567.89 Kč", u"1234567,89"},
        {u"5,00 Kč", u"5,00"},
        {u"1 Kč", u"1"},
        {u" Kč", u""},
        {u"Kč", u""},
        {u"", u""},
        {u"Lampa", u"La"},  // not a price, still only cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.field));
        EXPECT_EQ(cleanedPriceText(c.field), Text(c.cleaned));
    }
}

TEST(LineValue, ExactHundredths) {
    struct Case {
        const char16_t* field;
        std::int64_t hundredths;
    };
    const Case cases[] = {
        {u"3\u00A0750,00 Kč", 375000},
        {u"3\u00A0750 Kč", 375000},
        {u"3\u00A0750,5 Kč", 375050},
        {u"1\u00A0250,00 Kč", 125000},
        {u"980,00 Kč", 98000},
        {u"0,01 Kč", 1},
        {u"0,10 Kč", 10},
        {u"0,1 Kč", 10},
        {u"7 Kč", 700},
        {u"  12,50 Kč", 1250},
        {u"-12,50 Kč", -1250},
        {u"+12,50 Kč", 1250},
        {u"  -0,05 Kč", -5},
        {u"200\u00A0000,01 Kč", 20000001},
        {u"21\u00A0474\u00A0836,48 Kč", 2147483648},
        {u"92233720368547758,07 Kč", kMax},
        {u"-92233720368547758,08 Kč", kMin},
        {u"00000000000000000000000001,00 Kč", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.field));
        EXPECT_EQ(lineValue(c.field), c.hundredths);
    }
}

TEST(LineValue, RefusesWithTheTextWithoutCommas) {
    struct Case {
        const char16_t* field;
        const char* shown;
    };
    const Case cases[] = {
        {u"1250.00 Kč", "1250.00"},
        {u"1\u00A0250.00 Kč", "1250.00"},
        {u". Kč", "."},
        {u".", ""},
        {u"", ""},
        {u" Kč", ""},
        {u"   Kč", "  "},
        {u"abc Kč", "abc"},
        {u"12a Kč", "12a"},
        {u"12,345 Kč", "12345"},
        {u"12, Kč", "12"},
        {u",50 Kč", "50"},
        {u"1,2,3 Kč", "123"},
        {u"- Kč", "-"},
        {u"--5 Kč", "--5"},
        {u"5- Kč", "5-"},
        {u"1 250 Kč", "1 250"},  // an ordinary blank inside the number
        {u"12  Kč", "12 "},      // no trailing blanks either
        {u"12,5a Kč", "125a"},
        {u"92233720368547758,08 Kč", "9223372036854775808"},
        {u"-92233720368547758,09 Kč", "-9223372036854775809"},
        {u"99999999999999999999 Kč", "99999999999999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.field));
        try {
            lineValue(c.field);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& error) {
            EXPECT_EQ(error.what(), notInteger(c.shown));
        }
    }
}

TEST(AddMoney, ChecksTheRange) {
    EXPECT_EQ(addMoney(375000, 900000, u"x"), 1275000);
    EXPECT_EQ(addMoney(2147483647, 1, u"x"), 2147483648);
    EXPECT_EQ(addMoney(kMax - 5, 5, u"x"), kMax);
    EXPECT_EQ(addMoney(kMin + 5, -5, u"x"), kMin);
    EXPECT_EQ(addMoney(kMax, kMin, u"x"), -1);

    struct Overflow {
        std::int64_t sum;
        std::int64_t value;
    };
    const Overflow overflows[] = {
        {kMax, 1}, {kMax - 5, 6}, {kMin, -1}, {kMin + 5, -6}, {kMax, kMax}};
    for (const Overflow& o : overflows) {
        SCOPED_TRACE(std::to_string(o.sum) + " + " + std::to_string(o.value));
        try {
            addMoney(o.sum, o.value, u"5\u00A0000,00 Kč");
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& error) {
            EXPECT_EQ(error.what(), notInteger("5\u00A0000,00 Kč"));
        }
    }
}

}  // namespace
}  // namespace ek::calc
