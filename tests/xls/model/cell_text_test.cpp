#include "xls/model/cell_text.h"

#include <gtest/gtest.h>

#include <string>

namespace xls {
namespace {

TEST(CellText, CutsAtTheCellLimitWithoutSplittingAPair) {
    struct Case {
        const char* label;
        std::u16string text;
        std::size_t length;
    };
    const std::u16string emoji = u"\U0001F600";
    const Case cases[] = {
        {"short", u"abc", 3},
        {"exactly the limit", std::u16string(32767, u'a'), 32767},
        {"one over", std::u16string(32768, u'a'), 32767},
        {"pair across the cut", std::u16string(32766, u'a') + emoji, 32766},
        {"pair ending at the cut", std::u16string(32765, u'a') + emoji + u"b", 32767},
        {"pair after the cut", std::u16string(32767, u'a') + emoji, 32767},
        {"lone high surrogate at the end", std::u16string(32766, u'a') + u"\xD83D" + u"b", 32767},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutToCellText(c.text).size(), c.length) << c.label;
    }
}

}  // namespace
}  // namespace xls
