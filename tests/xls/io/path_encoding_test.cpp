#include "xls/io/path_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Case {
    const char* what;
    std::u16string path;
    std::optional<std::string> utf8;
};

TEST(Utf8Path, ConvertsExactlyOrRefuses) {
    const Case cases[] = {
        {"ascii", u"/tmp/a.xls", "/tmp/a.xls"},
        {"two-byte forms", u"\u017Elu\u0165ou\u010Dk\u00FD",
         "\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD"},
        {"three-byte form", u"\u20AC", "\xE2\x82\xAC"},
        {"surrogate pair", u"\U0001F333", "\xF0\x9F\x8C\xB3"},
        {"last code point", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        {"empty", u"", ""},
        {"unpaired high surrogate at the end", std::u16string(u"a") + char16_t(0xD83C),
         std::nullopt},
        {"high surrogate before a letter", std::u16string(1, char16_t(0xD83C)) + u"a",
         std::nullopt},
        {"lone low surrogate", std::u16string(1, char16_t(0xDF33)), std::nullopt},
        {"NUL inside", std::u16string(u"a\0b", 3), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(xls::utf8Path(c.path), c.utf8) << c.what;
    }
}

}  // namespace
