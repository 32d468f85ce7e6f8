#include "calc/czech_collation.h"

#include <climits>
#include <stdexcept>

#include "calc/collation_shortcut.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/coll.h>
#include <unicode/locid.h>
#endif

namespace ek::calc {

namespace {

int checkedLength(std::u16string_view text) {
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long to collate");
    }
    return static_cast<int>(text.size());
}

}  // namespace

#ifdef _WIN32

// The system's Czech sort order needs no state of its own.
struct CzechCollation::Collator {};

CzechCollation::CzechCollation() : collator_(std::make_shared<const Collator>()) {}

namespace {

// Never a null pointer, which the system call refuses even for empty text.
const wchar_t* wide(std::u16string_view text) {
    return text.empty() ? L"" : reinterpret_cast<const wchar_t*>(text.data());
}

}  // namespace

int CzechCollation::compare(std::u16string_view a, std::u16string_view b) const {
    const CollationShortcut shortcut = czechShortcut(a, b);
    if (shortcut.decided)
        return shortcut.order;
    a.remove_prefix(shortcut.shared);
    b.remove_prefix(shortcut.shared);
    // SORT_STRINGSORT: blanks, apostrophes and hyphens count, before digits and
    // letters, as in ICU's order; the default word sort would skip apostrophes
    // and hyphens and put "Rosa 'Gloria Dei'" after "Rosa canina".
    const int result =
        CompareStringEx(L"cs-CZ", LINGUISTIC_IGNORECASE | SORT_STRINGSORT, wide(a),
                        checkedLength(a), wide(b), checkedLength(b), nullptr, nullptr, 0);
    if (result == 0) {
        throw std::runtime_error("CompareStringEx failed for cs-CZ");
    }
    return result - CSTR_EQUAL;
}

#else

struct CzechCollation::Collator {
    std::unique_ptr<icu::Collator> icu;
};

CzechCollation::CzechCollation() {
    UErrorCode status = U_ZERO_ERROR;
    auto collator = std::make_shared<Collator>();
    collator->icu.reset(icu::Collator::createInstance(icu::Locale("cs"), status));
    if (U_FAILURE(status) || !collator->icu) {
        throw std::runtime_error("ICU has no Czech collator");
    }
    // Secondary strength: letters and accents decide, case does not.
    collator->icu->setStrength(icu::Collator::SECONDARY);
    collator_ = std::move(collator);
}

int CzechCollation::compare(std::u16string_view a, std::u16string_view b) const {
    const CollationShortcut shortcut = czechShortcut(a, b);
    if (shortcut.decided)
        return shortcut.order;
    a.remove_prefix(shortcut.shared);
    b.remove_prefix(shortcut.shared);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        collator_->icu->compare(a.data(), checkedLength(a), b.data(), checkedLength(b), status);
    if (U_FAILURE(status))
        throw std::runtime_error("Czech collation failed");
    return static_cast<int>(result);
}

#endif

}  // namespace ek::calc
