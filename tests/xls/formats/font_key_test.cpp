#include "xls/formats/font_key.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(FontKey, DefaultKeyLayout) {
    EXPECT_EQ(MakeFontKey(TXLSFontFields{}), u"00C87FFF0000000000000Arial");
    EXPECT_EQ(ParseFontKey(kDefaultFontKey), TXLSFontFields{});
}

TEST(FontKey, EveryFieldHasItsPlace) {
    TXLSFontFields fields;
    fields.height = 0x118;
    fields.colorIndex = 8;
    fields.bold = true;
    fields.italic = true;
    fields.strikeout = true;
    fields.outline = true;
    fields.shadow = true;
    fields.underline = 0x21;
    fields.subscript = true;
    fields.superscript = true;
    fields.family = 2;
    fields.characterSet = 0xEE;
    fields.name = u"Times New Roman";
    const std::u16string key = MakeFontKey(fields);
    EXPECT_EQ(key,
              u"0118"
              u"0008"
              u"11111"
              u"21"
              u"11"
              u"02"
              u"EE"
              u"Times New Roman");
    EXPECT_EQ(ParseFontKey(key), fields);
}

TEST(FontKey, ShortKeyReadsAsTheDefault) {
    EXPECT_EQ(ParseFontKey(u"00C8"), TXLSFontFields{});
}

}  // namespace
}  // namespace xls
