// The figures of the category tables read as numbers: what is a figure, what
// stays text, and that money is exact in hundredths.

#include "export/amount_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace ek::exporter {
namespace {

TEST(AmountText, QuantitiesTakeTheDecimalCommaAndNothingElse) {
    const struct {
        std::u16string text;
        std::optional<double> value;
    } cases[] = {
        {u"3", 3.0},     {u"12,5", 12.5}, {u"  2  ", 2.0}, {u"-0,75", -0.75},
        {u"+4", 4.0},    {u"0,1", 0.1},   {u"007", 7.0},   {u"12.5", std::nullopt},
        {u"1 000", {}},  {u"3 ks", {}},   {u"", {}},       {u" ", {}},
        {u",5", {}},     {u"5,", {}},     {u"-", {}},      {u"1,2,3", {}},
        {u"\u0663", {}},  // an Arabic-Indic three is no digit here
    };
    for (const auto& c : cases)
        EXPECT_EQ(quantityValue(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(AmountText, PricesAreExactHundredthsWithAtMostTwoDecimals) {
    EXPECT_EQ(priceHundredths(u"1250,00"), 125000);
    EXPECT_EQ(priceHundredths(u"980"), 98000);
    EXPECT_EQ(priceHundredths(u"12,5"), 1250);
    EXPECT_EQ(priceHundredths(u"-0,01"), -1);
    EXPECT_EQ(priceHundredths(u"92233720368547758,07"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(priceHundredths(u"92233720368547758,08"), std::nullopt);
    EXPECT_EQ(priceHundredths(u"12,345"), std::nullopt);
    EXPECT_EQ(priceHundredths(u"1 250,00"), std::nullopt);
    EXPECT_EQ(priceHundredths(u"1250.00"), std::nullopt);
    EXPECT_EQ(priceHundredths(u"zdarma"), std::nullopt);
}

TEST(AmountText, ShownMoneyAllowsGroupBlanksAndEitherSeparatorWithTwoDecimals) {
    EXPECT_EQ(shownMoneyHundredths(u" 13 730,00"), 1373000);
    EXPECT_EQ(shownMoneyHundredths(u" 0 980,00"), 98000);
    EXPECT_EQ(shownMoneyHundredths(u"1234 567.89"), 123456789);
    EXPECT_EQ(shownMoneyHundredths(u"-0 012,50"), -1250);
    EXPECT_EQ(shownMoneyHundredths(u"0,00"), 0);
    EXPECT_EQ(shownMoneyHundredths(u"13 730"), std::nullopt);
    EXPECT_EQ(shownMoneyHundredths(u"13 730,0"), std::nullopt);
    EXPECT_EQ(shownMoneyHundredths(u"13  730,00"), std::nullopt);
    EXPECT_EQ(shownMoneyHundredths(u"13 730,00 Kč"), std::nullopt);
    EXPECT_EQ(shownMoneyHundredths(u"=SUM(E3:E8)"), std::nullopt);
}

TEST(AmountText, CrownsAreTheNearestDoubleToTheFigure) {
    EXPECT_EQ(crowns(30), 0.3);  // not 0.1 + 0.2
    EXPECT_EQ(crowns(123456789), 1234567.89);
    EXPECT_EQ(crowns(-1250), -12.5);
}

}  // namespace
}  // namespace ek::exporter
