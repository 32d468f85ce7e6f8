// The cutting of a list file's text into items, compared over many texts
// with the rule taken one character at a time: NUL and CR dropped, a cut at
// each LF, no item opened by a final LF.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "calc/list_file.h"

namespace ek::calc {
namespace {

TextList itemsOneCharacterAtATime(std::u16string_view text) {
    TextList items(1);
    bool lastKeptWasLineFeed = false;
    for (const char16_t c : text) {
        if (c == u'\r' || c == u'\0')
            continue;
        lastKeptWasLineFeed = c == u'\n';
        if (lastKeptWasLineFeed)
            items.emplace_back();
        else
            items.back() += c;
    }
    if (lastKeptWasLineFeed)
        items.pop_back();
    return items;
}

TEST(ListItems, AsTheCharacterRuleOverRandomTexts) {
    constexpr std::array<char16_t, 9> kAlphabet{u'a',  u'ř', u'\t',     u'\r',    u'\n',
                                                u'\0', u' ', u'\xD83D', u'\xDE00'};
    std::mt19937 random(20161208);
    for (int round = 0; round < 2000; ++round) {
        std::u16string text(random() % 40, u' ');
        for (char16_t& c : text)
            c = kAlphabet[random() % kAlphabet.size()];
        ASSERT_EQ(itemsOfText(text), itemsOneCharacterAtATime(text)) << round;
    }
}

struct ItemsCase {
    const char* name;
    std::u16string text;
    TextList items;
};

class ListItems : public ::testing::TestWithParam<ItemsCase> {};

TEST_P(ListItems, Cut) {
    EXPECT_EQ(itemsOfText(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ListItems,
    ::testing::Values(ItemsCase{"Empty", u"", {u""}}, ItemsCase{"OnlyLineFeed", u"\n", {u""}},
                      ItemsCase{"CarriageReturnsOnly", u"\r\r", {u""}},
                      ItemsCase{"FinalLineFeedAfterCarriageReturn", u"a\r\n\r", {u"a"}},
                      ItemsCase{"EmptyLastLine", u"a\r\n\r\n", {u"a", u""}},
                      ItemsCase{"NoFinalLineFeed", u"a\r\nbc", {u"a", u"bc"}},
                      ItemsCase{"NulInsideAWord", std::u16string(u"b\0c\r\n", 5), {u"bc"}},
                      ItemsCase{"CarriageReturnInsideALine", u"x\ry\n", {u"xy"}}),
    [](const ::testing::TestParamInfo<ItemsCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ek::calc
