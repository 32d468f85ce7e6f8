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

// Files of random bytes after the UTF-16 mark, odd lengths included: the
// items straight from the bytes are those of the decoded text.
TEST(ListItems, StraightFromTheBytesAsFromTheDecodedText) {
    constexpr std::array<std::uint8_t, 10> kBytes{0x00, 0x0A, 0x0D, 0x41, 0xD8,
                                                  0xDC, 0x3D, 0x01, 0xFF, 0x20};
    std::mt19937 random(42);
    for (int round = 0; round < 3000; ++round) {
        platform::Bytes bytes{0xFF, 0xFE};
        const std::size_t length = random() % 41;
        for (std::size_t i = 0; i < length; ++i)
            bytes.push_back(kBytes[random() % kBytes.size()]);
        ASSERT_EQ(listFileItems(bytes), itemsOfText(decodeListFile(bytes))) << round;
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
