#include "app/console_output.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/unicode.h"

namespace ek::app {
namespace {

// Czech (two bytes), a no-break space and the euro sign (three), a symbol
// outside the BMP (four, a surrogate pair) and bytes that are no UTF-8: a
// lone continuation byte, an invalid lead, a cut sequence before ASCII.
const std::string kMixed =
    "Složka \xC2\xA0"
    "1\xC2\xA0"
    "250,00 \xE2\x82\xAC \xF0\x9F\x8C\xB3 \x80|\xFF|\xE2\x82|Kč";

TEST(Utf8Pieces, AnySplitDecodesAsTheWholeText) {
    const std::u16string whole = platform::fromUtf8(kMixed);
    ASSERT_NE(whole.find(u"Složka"), std::u16string::npos);
    for (std::size_t cut = 0; cut <= kMixed.size(); ++cut) {
        Utf8Pieces pieces;
        std::u16string text = pieces.decode(std::string_view(kMixed).substr(0, cut));
        text += pieces.decode(std::string_view(kMixed).substr(cut));
        text += pieces.finish();
        EXPECT_EQ(text, whole) << "cut after byte " << cut;
    }
}

TEST(Utf8Pieces, ByteByByte) {
    Utf8Pieces pieces;
    std::u16string text;
    for (const char byte : kMixed)
        text += pieces.decode(std::string_view(&byte, 1));
    text += pieces.finish();
    EXPECT_EQ(text, platform::fromUtf8(kMixed));
}

TEST(Utf8Pieces, ACutSequenceWaitsForItsRestAndEndsAsReplacements) {
    Utf8Pieces pieces;
    EXPECT_EQ(pieces.decode("Slo\xC5"), u"Slo");
    EXPECT_EQ(pieces.decode("\xBE"
                            "ka \xF0\x9F"),
              u"žka ");
    EXPECT_EQ(pieces.decode("\x8C"), u"");
    EXPECT_EQ(pieces.finish(), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(pieces.finish(), u"");
    EXPECT_EQ(pieces.decode("a"), u"a");
}

class Utf16Output : public ::testing::Test {
  protected:
    std::u16string written;
    int writes = 0;
    bool fails = false;
    bool wholeCharactersOnly = true;
    Utf16OutputBuffer::Writer writer() {
        return [this](std::u16string_view text) {
            ++writes;
            written += text;
            // The console must never be given half a character.
            if (wholeCharactersOnly) {
                EXPECT_EQ(text.find(u'\uFFFD'), std::u16string_view::npos);
            }
            EXPECT_FALSE(text.back() >= 0xD800 && text.back() <= 0xDBFF);
            return !fails;
        };
    }
};

TEST_F(Utf16Output, ACharacterAcrossTheBufferEdgeArrivesWhole) {
    // Two-byte characters from an odd offset: one of them straddles the end of
    // the stream buffer's first fill.
    std::string text = "a";
    while (text.size() < 10000)
        text += "ž\xF0\x9F\x8C\xB3";
    {
        Utf16OutputBuffer buffer(writer());
        std::ostream out(&buffer);
        out << text << std::flush;
        EXPECT_GT(writes, 1);
        EXPECT_EQ(written, platform::fromUtf8(text));
    }
}

TEST_F(Utf16Output, FlushedOutputAsStdCerrWritesIt) {
    {
        Utf16OutputBuffer buffer(writer());
        std::ostream errors(&buffer);
        errors << std::unitbuf;
        errors << "Soubor nenalezen: " << 'P' << "ř\xC3"
               << "\xAD"
               << "loha\n";
        EXPECT_EQ(written, u"Soubor nenalezen: Příloha\n");
        errors << "\xC5";
        EXPECT_EQ(written, u"Soubor nenalezen: Příloha\n");
        wholeCharactersOnly = false;
    }
    // The program ended inside a character.
    EXPECT_EQ(written, u"Soubor nenalezen: Příloha\n\uFFFD");
}

TEST_F(Utf16Output, WhatIsLeftIsWrittenAtTheEnd) {
    {
        Utf16OutputBuffer buffer(writer());
        std::ostream out(&buffer);
        out << "Celkem\t3\xC2\xA0"
               "750,00 Kč";
        EXPECT_EQ(writes, 0);
    }
    EXPECT_EQ(written, u"Celkem\t3\u00A0750,00 Kč");
}

TEST_F(Utf16Output, AFailedWriteFailsTheStream) {
    Utf16OutputBuffer buffer(writer());
    std::ostream out(&buffer);
    fails = true;
    out << "Složka" << std::flush;
    EXPECT_TRUE(out.bad());
}

}  // namespace
}  // namespace ek::app
