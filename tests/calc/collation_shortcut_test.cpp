// The shortcut of the Czech order held against the system's collation itself
// (ICU, or the Windows collation as the tool calls it): wherever the
// shortcut decides, the collation agrees; where it drops a shared beginning,
// the rest compares as the whole texts do.

#include "calc/collation_shortcut.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "calc/czech_collation.h"
#include "calc/text.h"

namespace ek::calc {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// The collation without the shortcut: the system's collator, with what
// the tool puts before it (on Windows, punctuation moved to ICU's places).
class SystemOrder {
  public:
    int compare(std::u16string_view a, std::u16string_view b) const {
        return collation_.collatorCompare(a, b);
    }

  private:
    CzechCollation collation_;
};

void expectAgreement(const SystemOrder& system, std::u16string_view a, std::u16string_view b) {
    const int whole = sign(system.compare(a, b));
    const CollationShortcut shortcut = czechShortcut(a, b);
    if (shortcut.decided) {
        EXPECT_EQ(sign(shortcut.order), whole) << toUtf8(a) << " | " << toUtf8(b);
    } else {
        EXPECT_EQ(sign(system.compare(a.substr(shortcut.shared), b.substr(shortcut.shared))), whole)
            << toUtf8(a) << " | " << toUtf8(b) << " dropping " << shortcut.shared;
    }
    EXPECT_EQ(sign(CzechCollation().compare(a, b)), whole) << toUtf8(a) << " | " << toUtf8(b);
    std::string left;
    std::string right;
    if (appendSortKey(a, left) && appendSortKey(b, right)) {
        EXPECT_EQ(sign(left.compare(right)), whole)
            << toUtf8(a) << " | " << toUtf8(b) << " by keys";
    }
}

// Texts made of the pieces where the Czech order differs from the code
// units: "ch", accented and case-differing letters, combining marks,
// ignorable controls, punctuation, digits and blanks.
TEST(CollationShortcut, AgreesWithTheSystemOverTrickyTexts) {
    constexpr std::array<std::u16string_view, 41> kPieces{
        u"a", u"A",      u"b", u"c",      u"C",      u"h",      u"H",      u"ch", u"Ch", u"i", u"r",
        u"ř", u"s",      u"š", u"z",      u"ž",      u"á",      u"e",      u"é",  u"ě",  u" ", u"-",
        u"'", u"1",      u"9", u"\u030C", u"\u0301", u"\u00B7", u"\u0001", u"l",  u"č",  u"Č", u"Ř",
        u"ů", u"\u00C1", u"d", u"ú",      u"ď",      u"ň",      u"Ě",      u"ý"};
    const SystemOrder system;
    std::mt19937 random(1995);
    const auto text = [&] {
        std::u16string made;
        const std::size_t pieces = random() % 7;
        for (std::size_t i = 0; i < pieces; ++i)
            made += kPieces[random() % kPieces.size()];
        return made;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::u16string shared = text();
        expectAgreement(system, shared + text(), shared + text());
    }
}

struct Pair {
    std::u16string_view a;
    std::u16string_view b;
};

TEST(CollationShortcut, AgreesOnPlantNames) {
    const Pair pairs[] = {
        {u"Acer campestre", u"Acer platanoides"},
        {u"Acer campestre", u"acer Campestre"},
        {u"Acer", u"Acer a"},
        {u"Rosa 'Gloria Dei'", u"Rosa canina"},
        {u"Humulus lupulus", u"Chamaecyparis"},
        {u"chmel", u"hrušeň"},
        {u"cibule", u"chrpa"},
        {u"lipa", u"lípa"},
        {u"lípa a", u"lipa b"},
        {u"áa", u"aá"},
        {u"ěa", u"éá"},
        {u"ú", u"ů"},
        {u"ďa", u"dá"},
        {u"lípa srdčitá", u"lipa velkolistá"},
        {u"Thuja occidentalis 'Smaragd'", u"Thuja occidentalis 'Brabant'"},
        {u"ořešák", u"osika"},
        {u"řebříček", u"rozchodník"},
        {u"Acer campestre", u"Acer campestre 'Výběr 17'"},
        {u"Acer campestre 'Výběr 12'", u"Acer campestre 'Výběr 1234'"},
        {u"Rosa 'Výběr 9'", u"Rosa 'Výběr 10'"},
        {u"Rosa 'Gloria Dei'", u"Rosa 1"},
        {u"Rosa 1", u"Rosa a"},
        {u"Rosa x", u"Rosax"},
        {u"Acer campestre - javor", u"Acer campestre 'Výběr 17' - javor"},
        {u"Rosa - x", u"Rosa 1"},
        {u"Rosa '", u"Rosa a"},
        {u"Pinus mugo", u"Pinus Mugo 'Pumilio'"},
        {u"Picea", u"Picea\u030C"},
        {u"Taxus c", u"Taxus ch"},
        {u"Taxus C", u"Taxus ch"},
        {u"Taxus c", u"Taxus c\u0001"},
        // The Windows collation joins "ch" but not "cH" into one letter.
        {u"ecH", u"eCh"},
        {u"scHs", u"sch9"},
        {u"árcHA", u"árch"},
        {u"", u"a"},
        {u"", u""},
    };
    const SystemOrder system;
    for (const Pair& pair : pairs) {
        expectAgreement(system, pair.a, pair.b);
        expectAgreement(system, pair.b, pair.a);
    }
}

TEST(SortKey, IgnoresCaseAndRefusesUnknownCharacters) {
    std::string lower;
    std::string upper;
    ASSERT_TRUE(appendSortKey(u"chrpa lípa", lower));
    ASSERT_TRUE(appendSortKey(u"CHRPA LÍPA", upper));
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(lower.size(), 9U + 1U + 7U + 1U);  // "ch" one letter, accents up to "í"

    std::string plain;
    std::string accented;
    ASSERT_TRUE(appendSortKey(u"lipa", plain));
    ASSERT_TRUE(appendSortKey(u"lipá", accented));
    EXPECT_LT(plain, accented);
    EXPECT_FALSE(accented.starts_with(plain));

    std::string key = "kept";
    EXPECT_FALSE(appendSortKey(u"Rosa (kříženec)", key));
    EXPECT_FALSE(appendSortKey(u"Picea\u030C", key));
    EXPECT_FALSE(appendSortKey(u"acHat", key));
    EXPECT_EQ(key, "kept");
}

}  // namespace
}  // namespace ek::calc
