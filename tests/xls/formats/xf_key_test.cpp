#include "xls/formats/xf_key.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(XfKey, EveryFieldHasItsPlace) {
    TXLSXFFields fields;
    fields.fontIndex = 0x1234;
    fields.formatIndex = 0xA4;
    fields.typeProtection = 3;
    fields.parent = 0;
    fields.alignment = {0x2A, 0x5A, 0x11};
    fields.border1 = 0x20401111;
    fields.border2 = 0x00002040;
    fields.fillPattern = 1;
    fields.fillColors = 0xC00F;
    fields.usedFlags = 0x3F;
    const std::u16string key = MakeXfKey(fields);
    EXPECT_EQ(key,
              u"1234"
              u"00A4"
              u"3"
              u"0000"
              u"2A5A11"
              u"20401111"
              u"00002040"
              u"01"
              u"C00F"
              u"3F");
    EXPECT_EQ(key.size(), xf_key::kLength);
    EXPECT_EQ(ParseXfKey(key), fields);
    EXPECT_TRUE(fields.WrapText());
    EXPECT_EQ(fields.HorizontalAlignment(), 2);
    EXPECT_EQ(fields.VerticalAlignment(), 2);
    EXPECT_EQ(fields.PatternColor(), 15);
    EXPECT_EQ(fields.BackgroundColor(), 0);
}

TEST(XfKey, KeyOfTheWrongLengthReadsAsDefault) {
    EXPECT_EQ(ParseXfKey(u"0000"), TXLSXFFields{});
}

}  // namespace
}  // namespace xls
