#include "calc/czech_collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/text.h"

namespace ek::calc {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(CzechCollation, PairsInCzechOrder) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected;  // sign of compare(a, b)
    };
    const Case cases[] = {
        {u"c", u"č", -1},
        {u"č", u"d", -1},
        {u"cyklamen", u"čemeřice", -1},
        {u"čemeřice", u"dub", -1},  // code point order would put č after d
        {u"h", u"ch", -1},
        {u"ch", u"i", -1},
        {u"hvozdík", u"chmel", -1},  // ch is one letter after h
        {u"chmel", u"iris", -1},
        {u"cibule", u"chmel", -1},  // ASCII order would put ch first
        {u"r", u"ř", -1},
        {u"ř", u"s", -1},
        {u"rybíz", u"řebříček", -1},
        {u"řebříček", u"sasanka", -1},
        {u"s", u"š", -1},
        {u"z", u"ž", -1},
        {u"Acer", u"Tilia", -1},
        {u"javor babyka", u"lípa srdčitá", -1},
        {u"Acer campestre", u"Tilia cordata", -1},
        {u"buk", u"Javor", -1},  // case does not decide the order
        {u"BUK", u"javor", -1},
        {u"Acer", u"acer", 0},
        {u"ČEMEŘICE", u"čemeřice", 0},
        {u"lipa", u"lípa", -1},  // accents still count
        {u"javor001", u"javor002", -1},
        {u"Javor002", u"javor001", 1},
        {u"", u"a", -1},
        {u"", u"", 0},
    };
    const CzechCollation collation;
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.a) + " / " + toUtf8(c.b));
        EXPECT_EQ(sign(collation.compare(c.a, c.b)), c.expected);
        EXPECT_EQ(sign(collation.compare(c.b, c.a)), -c.expected);
    }
}

// Blanks, hyphens, apostrophes and the other signs rank alike on Linux and
// Windows (whose system order differs and is mapped onto this one), and all
// before digits and letters.
TEST(CzechCollation, PunctuationRanksAlikeOnEverySystem) {
    const std::vector<Text> ordered = {
        u"a b", u"a_b", u"a-b",  u"a\u2013b", u"a,b", u"a;b", u"a:b", u"a!b", u"a?b",
        u"a.b", u"a'b", u"a\"b", u"a(b",      u"a)b", u"a[b", u"a]b", u"a{b", u"a}b",
        u"a@b", u"a*b", u"a/b",  u"a\\b",     u"a&b", u"a#b", u"a%b", u"a`b", u"a^b",
        u"a+b", u"a<b", u"a=b",  u"a>b",      u"a|b", u"a~b", u"a$b", u"a0b", u"aab",
    };
    const CzechCollation collation;
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        SCOPED_TRACE(toUtf8(ordered[i]) + " / " + toUtf8(ordered[i + 1]));
        EXPECT_EQ(sign(collation.compare(ordered[i], ordered[i + 1])), -1);
        EXPECT_EQ(sign(collation.compare(ordered[i + 1], ordered[i])), 1);
    }
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected;
    };
    const Case cases[] = {
        {u"a b", u"a\u00A0b", 0},  // a no-break space weighs as a blank
        {u"a b", u"a-a", -1},      // the first sign decides before the letters after it
        {u"a'a", u"a-b", 1},
        {u"Rosa 'Gloria Dei'", u"Rosa-Gloria", -1},
        {u"Acer 'Autumn-Blaze'", u"Acer 'Autumn Blaze'", 1},
        {u"Acer campestre \u2013 javor", u"Acer campestre - javor", 1},
        {u"Rosa sp.", u"Rosa sp'", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.a) + " / " + toUtf8(c.b));
        EXPECT_EQ(sign(collation.compare(c.a, c.b)), c.expected);
        EXPECT_EQ(sign(collation.compare(c.b, c.a)), -c.expected);
    }
}

TEST(CzechCollation, SortsAList) {
    std::vector<Text> names = {u"žlutokvět", u"Chmel",  u"hloh",  u"čemeřice", u"Ibišek",
                               u"řebříček",  u"cypřiš", u"rybíz", u"šeřík",    u"Sasanka"};
    const std::vector<Text> expected = {u"cypřiš", u"čemeřice", u"hloh",    u"Chmel", u"Ibišek",
                                        u"rybíz",  u"řebříček", u"Sasanka", u"šeřík", u"žlutokvět"};
    const CzechCollation collation;
    std::sort(names.begin(), names.end(), collation);
    EXPECT_EQ(names, expected);
}

// The plants are sorted by sort keys: byte for byte, they must order every
// pair as the comparison does, and be equal exactly for names alike.
TEST(CzechCollation, SortKeysOrderAsTheComparisonDoes) {
    // clang-format off
    const std::vector<Text> names = {
        u"", u"a", u"A", u"á", u"ab", u"a b", u"a\u00A0b", u"a-b", u"a\u2013b", u"a'b", u"a.b",
        u"a(b", u"a0b", u"acer", u"Acer", u"ÁCER", u"Acer a", u"Acer-a", u"cibule", u"čemeřice",
        u"h", u"hvozdík", u"ch", u"Chmel", u"cH", u"CH", u"i", u"lipa", u"lípa", u"Lípa", u"r",
        u"ř", u"Řepík", u"řepik", u"s", u"šeřík", u"Straußgras", u"Sørbus", u"Rosa ’Nostalgie’",
        u"Rosa 'Gloria Dei'", u"Rosa canina", u"Picea\u030C", u"ž", u"javor001", u"javor002"};
    // clang-format on
    const CzechCollation collation;
    std::vector<std::string> keys;
    for (const Text& name : names) {
        std::string key = "prefix";  // appended, not written over
        collation.appendSortKey(name, key);
        ASSERT_EQ(key.substr(0, 6), "prefix");
        keys.push_back(key.substr(6));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = 0; j < names.size(); ++j) {
            SCOPED_TRACE(toUtf8(names[i]) + " / " + toUtf8(names[j]));
            EXPECT_EQ(sign(keys[i].compare(keys[j])), sign(collation.compare(names[i], names[j])));
        }
    }
}

}  // namespace
}  // namespace ek::calc
