// What of a table's text is a figure; the exported workbooks are read back by
// xlrd, LibreOffice and Gnumeric (oracles/check_amounts_as_numbers.py).

#include "export/amount_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace ek::exporter {
namespace {

TEST(AmountText, QuantitiesTakeTheDecimalCommaOnly) {
    EXPECT_EQ(quantityValue(u" -0,75 "), -0.75);
    EXPECT_EQ(quantityValue(u"+4"), 4.0);
    for (const char16_t* text : {u"12.5", u"1 000", u",5", u"5,", u"-", u"", u"\u0663"})
        EXPECT_EQ(quantityValue(text), std::nullopt);
}

TEST(AmountText, MoneyIsExactHundredthsUpToTheLimitOfTheSums) {
    EXPECT_EQ(priceHundredths(u"12,5"), 1250);
    EXPECT_EQ(priceHundredths(u"92233720368547758,07"), INT64_MAX);
    EXPECT_EQ(priceHundredths(u"92233720368547758,08"), std::nullopt);
    EXPECT_EQ(priceHundredths(u"1 250,00"), std::nullopt);
}

// The project total as shown, with either decimal separator of the settings.
TEST(AmountText, ShownMoneyHasGroupBlanksAndTwoDecimals) {
    EXPECT_EQ(shownMoneyHundredths(u" 13 730,00"), 1373000);
    EXPECT_EQ(shownMoneyHundredths(u"1234 567.89"), 123456789);
    EXPECT_EQ(shownMoneyHundredths(u"-0 012,50"), -1250);
    for (const char16_t* text : {u"13 730", u"13 730,0", u"13  730,00", u"13 730,00 Kč"})
        EXPECT_EQ(shownMoneyHundredths(text), std::nullopt);
}

}  // namespace
}  // namespace ek::exporter
