// The shortcut of the Czech order held against the system's collation itself
// (ICU, or the Windows collation with the flags the tool uses): wherever the
// shortcut decides, the collation agrees; where it drops a shared beginning,
// the rest compares as the whole texts do.

#include "calc/collation_shortcut.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/coll.h>
#include <unicode/locid.h>
#endif

#include "calc/czech_collation.h"
#include "calc/text.h"

namespace ek::calc {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// The collation without the shortcut.
class SystemOrder {
  public:
#ifdef _WIN32
    int compare(std::u16string_view a, std::u16string_view b) const {
        const auto wide = [](std::u16string_view text) {
            return text.empty() ? L"" : reinterpret_cast<const wchar_t*>(text.data());
        };
        return CompareStringEx(L"cs-CZ", LINGUISTIC_IGNORECASE | SORT_STRINGSORT, wide(a),
                               static_cast<int>(a.size()), wide(b), static_cast<int>(b.size()),
                               nullptr, nullptr, 0) -
               CSTR_EQUAL;
    }
#else
    SystemOrder() {
        UErrorCode status = U_ZERO_ERROR;
        collator_.reset(icu::Collator::createInstance(icu::Locale("cs"), status));
        collator_->setStrength(icu::Collator::SECONDARY);
    }
    int compare(std::u16string_view a, std::u16string_view b) const {
        UErrorCode status = U_ZERO_ERROR;
        return collator_->compare(a.data(), static_cast<int>(a.size()), b.data(),
                                  static_cast<int>(b.size()), status);
    }

  private:
    std::unique_ptr<icu::Collator> collator_;
#endif
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
}

// Texts made of the pieces where the Czech order differs from the code
// units: "ch", accented and case-differing letters, combining marks,
// ignorable controls, punctuation, digits and blanks.
TEST(CollationShortcut, AgreesWithTheSystemOverTrickyTexts) {
    constexpr std::array<std::u16string_view, 30> kPieces{
        u"a", u"A", u"b", u"c", u"C", u"h",      u"H",      u"ch",     u"Ch",     u"i",
        u"r", u"ř", u"s", u"š", u"z", u"ž",      u"á",      u"e",      u"é",      u"ě",
        u" ", u"-", u"'", u"1", u"9", u"\u030C", u"\u0301", u"\u00B7", u"\u0001", u"l"};
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
        {u"lípa srdčitá", u"lipa velkolistá"},
        {u"Thuja occidentalis 'Smaragd'", u"Thuja occidentalis 'Brabant'"},
        {u"ořešák", u"osika"},
        {u"řebříček", u"rozchodník"},
        {u"", u"a"},
        {u"", u""},
    };
    const SystemOrder system;
    for (const Pair& pair : pairs) {
        expectAgreement(system, pair.a, pair.b);
        expectAgreement(system, pair.b, pair.a);
    }
}

}  // namespace
}  // namespace ek::calc
