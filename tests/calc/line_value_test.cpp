#include "calc/line_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace ek::calc {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

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
        EXPECT_EQ(lineValue(c.field), std::optional<std::int64_t>(c.hundredths));
    }
}

TEST(LineValue, NothingForWhatIsNoAmount) {
    const char16_t* const fields[] = {u"1250.00 Kč",
                                      u"1\u00A0250.00 Kč",
                                      u". Kč",
                                      u".",
                                      u"",
                                      u" Kč",
                                      u"   Kč",
                                      u"abc Kč",
                                      u"12a Kč",
                                      u"12,345 Kč",
                                      u"12, Kč",
                                      u",50 Kč",
                                      u"1,2,3 Kč",
                                      u"- Kč",
                                      u"--5 Kč",
                                      u"5- Kč",
                                      u"1 250 Kč",  // an ordinary blank inside the number
                                      u"12  Kč",    // no trailing blanks either
                                      u"12,5a Kč",
                                      u"92233720368547758,08 Kč",
                                      u"-92233720368547758,09 Kč",
                                      u"99999999999999999999 Kč"};
    for (const char16_t* field : fields) {
        SCOPED_TRACE(toUtf8(field));
        EXPECT_EQ(lineValue(field), std::nullopt);
    }
}

TEST(AddedMoney, NothingOutsideTheRange) {
    EXPECT_EQ(addedMoney(375000, 900000), 1275000);
    EXPECT_EQ(addedMoney(2147483647, 1), 2147483648);
    EXPECT_EQ(addedMoney(kMax - 5, 5), kMax);
    EXPECT_EQ(addedMoney(kMin + 5, -5), kMin);
    EXPECT_EQ(addedMoney(kMax, kMin), -1);
    EXPECT_EQ(addedMoney(kMax, 1), std::nullopt);
    EXPECT_EQ(addedMoney(kMax - 5, 6), std::nullopt);
    EXPECT_EQ(addedMoney(kMin, -1), std::nullopt);
    EXPECT_EQ(addedMoney(kMin + 5, -6), std::nullopt);
    EXPECT_EQ(addedMoney(kMax, kMax), std::nullopt);
}

}  // namespace
}  // namespace ek::calc
