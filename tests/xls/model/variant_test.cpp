#include "xls/model/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "xls/model/code_page.h"

using namespace std::string_literals;

namespace xls {
namespace {

TEST(Variant, IntegerTypesKeepTheirWidthAndSign) {
    EXPECT_EQ(Variant(std::int8_t{-1}).Type(), VariantType::Int8);
    EXPECT_EQ(Variant(std::uint8_t{1}).Type(), VariantType::UInt8);
    EXPECT_EQ(Variant(std::int16_t{1}).Type(), VariantType::Int16);
    EXPECT_EQ(Variant(std::uint16_t{1}).Type(), VariantType::UInt16);
    EXPECT_EQ(Variant(1).Type(), VariantType::Int32);
    EXPECT_EQ(Variant(1U).Type(), VariantType::UInt32);
    EXPECT_EQ(Variant(1LL).Type(), VariantType::Int64);
    EXPECT_EQ(Variant(std::uint64_t{1}).Type(), VariantType::UInt64);
    EXPECT_EQ(Variant(std::numeric_limits<std::uint64_t>::max()).Number(), 18446744073709551615.0);
    EXPECT_EQ(Variant(std::numeric_limits<std::int64_t>::min()).Number(), -9223372036854775808.0);
}

TEST(Variant, NumbersOfEachType) {
    EXPECT_EQ(Variant(1.5f).Type(), VariantType::Single);
    EXPECT_EQ(Variant(1.5f).Number(), 1.5);
    EXPECT_EQ(Variant::Currency(-15000).Number(), -1.5);
    EXPECT_EQ(Variant::Date(2.25).Type(), VariantType::Date);
    EXPECT_EQ(Variant(true).Number(), 1.0);
    EXPECT_FALSE(Variant().Number().has_value());
    EXPECT_FALSE(Variant(u"1").Number().has_value());
    EXPECT_TRUE(Variant::Currency(1).IsNumeric());
    EXPECT_FALSE(Variant::Date(1).IsNumeric());
}

TEST(Variant, ConversionsForProperties) {
    EXPECT_EQ(Variant().ToDouble(), 0.0);
    EXPECT_EQ(Variant::Null().ToBoolean(), false);
    EXPECT_EQ(Variant(true).ToDouble(), -1.0);
    EXPECT_EQ(Variant(u" 12,5 ").ToDouble(), 12.5);
    EXPECT_EQ(Variant(u"3.25").ToDouble(), 3.25);
    EXPECT_FALSE(Variant(u"12 cm").ToDouble().has_value());
    EXPECT_FALSE(Variant(u"").ToDouble().has_value());
    EXPECT_EQ(Variant(u"TRUE").ToBoolean(), true);
    EXPECT_EQ(Variant(u"false").ToBoolean(), false);
    EXPECT_EQ(Variant(u"0").ToBoolean(), false);
    EXPECT_EQ(Variant(2).ToBoolean(), true);
    EXPECT_FALSE(Variant(u"ano").ToBoolean().has_value());
}

TEST(Variant, TextIsKeptAsGiven) {
    const std::u16string text = u"a\0b\U0001F600"s;
    EXPECT_EQ(Variant(text).Text(), text);
    EXPECT_TRUE(Variant(text).IsText());
    EXPECT_EQ(Variant(1).Text(), u"");
}

TEST(CodePage, Windows1250DecodesCzechLetters) {
    // Š š Ž ž in 0x8A 0x9A 0x8E 0x9E; č ř ů in 0xE8 0xF8 0xF9.
    EXPECT_EQ(DecodeCodePage("\x8A\x9A\x8E\x9E\xE8\xF8\xF9", 1250), u"ŠšŽžčřů");
    EXPECT_EQ(Variant::FromCodePage("Kalkulace zahradn\xED"
                                    "ch objekt\xF9")
                  .Text(),
              u"Kalkulace zahradních objektů");
    EXPECT_EQ(Variant::FromCodePage("x", 1250).CodePageNumber(), 1250U);
}

TEST(CodePage, OtherCodePagesAndFallback) {
    EXPECT_EQ(DecodeCodePage("\x80\xE9", 1252), u"€é");
    EXPECT_EQ(DecodeCodePage("\xE9", 1251), u"й");
    EXPECT_EQ(DecodeCodePage("\xE9", 99999), u"é");  // unknown: Windows-1252
    EXPECT_EQ(DecodeCodePage("", 1250), u"");
    // 0x98 is not defined in Windows-1250: a replacement, never a lost byte.
    EXPECT_EQ(DecodeCodePage("a\x98z", 1250).size(), 3U);
}

}  // namespace
}  // namespace xls
