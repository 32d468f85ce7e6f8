// Whole numbers as decimal text: row numbers, sums and the widths of the
// zero-padded keys built from them.

#include "calc/whole_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace ek::calc {
namespace {

struct NumberText {
    std::int64_t value;
    std::u16string text;
};

TEST(DecimalText, SignsAndTheEndsOfTheRange) {
    const NumberText cases[] = {
        {0, u"0"},
        {7, u"7"},
        {10, u"10"},
        {99, u"99"},
        {100, u"100"},
        {1005, u"1005"},
        {-1, u"-1"},
        {-99, u"-99"},
        {65530, u"65530"},
        {-1373000, u"-1373000"},
        {std::numeric_limits<std::int64_t>::max(), u"9223372036854775807"},
        {std::numeric_limits<std::int64_t>::min(), u"-9223372036854775808"},
    };
    for (const NumberText& c : cases) {
        EXPECT_EQ(decimalText(c.value), c.text) << c.value;
        EXPECT_EQ(parseWholeNumber(c.text), c.value) << c.value;
    }
}

TEST(DigitCount, AtEachPowerOfTen) {
    EXPECT_EQ(digitCount(0), 1u);
    std::int64_t power = 1;
    for (std::size_t digits = 1; digits <= 18; ++digits, power *= 10) {
        EXPECT_EQ(digitCount(power), digits) << power;
        EXPECT_EQ(digitCount(power * 10 - 1), digits) << power * 10 - 1;
    }
    EXPECT_EQ(digitCount(std::numeric_limits<std::int64_t>::max()), 19u);
}

TEST(ZeroPadded, PadsOnlyShorterNumbers) {
    EXPECT_EQ(zeroPadded(5, 3), u"005");
    EXPECT_EQ(zeroPadded(0, 3), u"000");
    EXPECT_EQ(zeroPadded(1234, 3), u"1234");
    EXPECT_EQ(zeroPadded(65530, 5), u"65530");
}

}  // namespace
}  // namespace ek::calc
