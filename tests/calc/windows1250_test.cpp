#include "calc/windows1250.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace ek::calc {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

struct KnownByte {
    unsigned char byte;
    char16_t character;
};

// Values from the published code page 1250 table.
constexpr KnownByte kKnownBytes[] = {
    {0x41, u'A'},      {0x80, u'\u20AC'}, {0x8A, u'Š'},      {0x8E, u'Ž'},      {0x96, u'\u2013'},
    {0x9A, u'š'},      {0x9E, u'ž'},      {0xA0, u'\u00A0'}, {0xA5, u'Ą'},      {0xB2, u'\u02DB'},
    {0xB9, u'ą'},      {0xC8, u'Č'},      {0xCF, u'Ď'},      {0xD2, u'Ň'},      {0xD8, u'Ř'},
    {0xE1, u'á'},      {0xE8, u'č'},      {0xEC, u'ě'},      {0xEF, u'ď'},      {0xF2, u'ň'},
    {0xF8, u'ř'},      {0xF9, u'ů'},      {0xFD, u'ý'},      {0xFF, u'\u02D9'}, {0x81, u'\u0081'},
    {0x83, u'\u0083'}, {0x88, u'\u0088'}, {0x90, u'\u0090'}, {0x98, u'\u0098'},
};

TEST(Windows1250, KnownBytesDecodeAndEncode) {
    for (const KnownByte& known : kKnownBytes) {
        SCOPED_TRACE(static_cast<int>(known.byte));
        const std::string byte(1, static_cast<char>(known.byte));
        EXPECT_EQ(decodeWindows1250(byte), Text(1, known.character));
        EXPECT_EQ(encodeWindows1250(Text(1, known.character)), byte);
    }
}

TEST(Windows1250, EveryByteRoundTripsToDistinctCharacters) {
    const Text decoded = decodeWindows1250(allBytes());
    ASSERT_EQ(decoded.size(), 256u);
    EXPECT_EQ(std::set<char16_t>(decoded.begin(), decoded.end()).size(), 256u);
    EXPECT_EQ(findUnencodableWindows1250(decoded), Text::npos);
    EXPECT_EQ(encodeWindows1250(decoded), allBytes());

    int c1Controls = 0;
    for (const char16_t character : decoded) {
        if (character >= 0x80 && character <= 0x9F)
            ++c1Controls;
    }
    EXPECT_EQ(c1Controls, 5);  // 251 bytes carry defined characters
}

TEST(Windows1250, EncodableCharactersAreExactlyTheDecodedOnes) {
    // No best-fit substitutes: a BMP character is writable only when it reads
    // back as itself.
    const Text decoded = decodeWindows1250(allBytes());
    const std::set<char16_t> table(decoded.begin(), decoded.end());
    int encodable = 0;
    for (char32_t code = 0; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const Text character(1, static_cast<char16_t>(code));
        if (findUnencodableWindows1250(character) == Text::npos) {
            ++encodable;
            EXPECT_TRUE(table.count(character[0])) << std::hex << static_cast<int>(code);
        }
    }
    EXPECT_EQ(encodable, 256);
}

TEST(Windows1250, FindsFirstUnencodableCodeUnit) {
    struct Case {
        const char* name;
        Text text;
        std::size_t expected;
    };
    const Case cases[] = {
        {"empty", u"", Text::npos},
        {"czech", u"Kůň úpěl ďábelské ódy – 5 € Č Ř Ž", Text::npos},
        {"macron", u"abĀcd", 2},
        {"cjk", u"x\u4E00", 1},
        {"emoji pair", u"ok \U0001F600 Ā", 3},
        {"lone high at end", Text(u"ab") + char16_t(0xD83D), 2},
        {"lone high before letter", Text(u"a") + char16_t(0xD83D) + u"b", 1},
        {"lone low", Text(u"ab") + char16_t(0xDE00) + u"c", 2},
        {"first of several", u"ňĀĀ", 1},
        {"superscript two", u"m²", 1},
        {"zero-width space", u"a\u200Bb", 1},
        {"byte-order mark", u"\uFEFFa", 0},
        {"ignorable pair", u"a\U000E0001", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findUnencodableWindows1250(c.text), c.expected);
    }
}

TEST(Windows1250, EncodeRefusesInsteadOfSubstituting) {
    EXPECT_THROW(encodeWindows1250(u"Ā"), std::invalid_argument);
    EXPECT_THROW(encodeWindows1250(u"\U0001F600"), std::invalid_argument);
}

TEST(Windows1250, EmptyAndNulBytes) {
    EXPECT_EQ(decodeWindows1250(""), u"");
    EXPECT_EQ(encodeWindows1250(u""), "");
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(decodeWindows1250(withNul), Text(u"a\0b", 3));
}

}  // namespace
}  // namespace ek::calc
