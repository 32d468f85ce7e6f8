#include "calc/czech_collation.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>
#include <string>

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

// The system ranks punctuation otherwise than ICU: an apostrophe before a
// hyphen before a blank, where ICU has a blank, then a hyphen, then an
// apostrophe, and most of the other signs in another order too. So each
// punctuation character of ASCII, and the en dash, is replaced by the one that
// holds its place of ICU's order in the system's order; a no-break space is
// a blank first, as ICU weighs the two alike. Both put all of these before
// digits and letters, which the replacement leaves as they are.
constexpr std::u16string_view kIcuOrder = u" _-\u2013,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$";
constexpr std::u16string_view kSystemOrder = u"'-\u2013 !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";
static_assert(kIcuOrder.size() == kSystemOrder.size());

constexpr char16_t kEnDash = u'\u2013';
constexpr char16_t kNoBreakSpace = u'\u00A0';

struct AsciiInSystemOrder {
    char16_t units[128];
};

constexpr AsciiInSystemOrder makeAsciiInSystemOrder() {
    AsciiInSystemOrder table{};
    for (char16_t unit = 0; unit < 128; ++unit)
        table.units[unit] = unit;
    for (std::size_t at = 0; at < kIcuOrder.size(); ++at) {
        if (kIcuOrder[at] < 128)
            table.units[kIcuOrder[at]] = kSystemOrder[at];
    }
    return table;
}

constexpr AsciiInSystemOrder kAsciiInSystemOrder = makeAsciiInSystemOrder();
constexpr char16_t kEnDashInSystemOrder = kSystemOrder[kIcuOrder.find(kEnDash)];

wchar_t inSystemOrder(char16_t unit) {
    if (unit == kNoBreakSpace)
        unit = u' ';
    if (unit < 128)
        return static_cast<wchar_t>(kAsciiInSystemOrder.units[unit]);
    return static_cast<wchar_t>(unit == kEnDash ? kEnDashInSystemOrder : unit);
}

std::wstring inSystemOrder(std::u16string_view text) {
    std::wstring out(text.size(), L'\0');
    for (std::size_t at = 0; at < text.size(); ++at)
        out[at] = inSystemOrder(text[at]);
    return out;
}

// SORT_STRINGSORT: blanks, apostrophes and hyphens count, before digits and
// letters, as in ICU's order; the default word sort would skip apostrophes
// and hyphens and put "Rosa 'Gloria Dei'" after "Rosa canina".
constexpr DWORD kCzechOrder = LINGUISTIC_IGNORECASE | SORT_STRINGSORT;

}  // namespace

int CzechCollation::compare(std::u16string_view a, std::u16string_view b) const {
    const std::wstring left = inSystemOrder(a);
    const std::wstring right = inSystemOrder(b);
    const int result = CompareStringEx(L"cs-CZ", kCzechOrder, left.c_str(), checkedLength(a),
                                       right.c_str(), checkedLength(b), nullptr, nullptr, 0);
    if (result == 0) {
        throw std::runtime_error("CompareStringEx failed for cs-CZ");
    }
    return result - CSTR_EQUAL;
}

void CzechCollation::appendSortKey(std::u16string_view text, std::string& key) const {
    const std::wstring mapped = inSystemOrder(text);
    const int length = checkedLength(text);
    // An empty text has a key too; the system refuses a length of 0.
    const wchar_t* const source = length == 0 ? L"" : mapped.c_str();
    const int sourceLength = length == 0 ? -1 : length;
    const int size = LCMapStringEx(L"cs-CZ", LCMAP_SORTKEY | kCzechOrder, source, sourceLength,
                                   nullptr, 0, nullptr, nullptr, 0);
    const std::size_t at = key.size();
    key.resize(at + static_cast<std::size_t>(size));
    // The key is bytes, written where the call expects wide characters.
    if (size == 0 || LCMapStringEx(L"cs-CZ", LCMAP_SORTKEY | kCzechOrder, source, sourceLength,
                                   reinterpret_cast<wchar_t*>(key.data() + at), size, nullptr,
                                   nullptr, 0) != size) {
        throw std::runtime_error("LCMapStringEx failed for cs-CZ");
    }
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
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        collator_->icu->compare(a.data(), checkedLength(a), b.data(), checkedLength(b), status);
    if (U_FAILURE(status))
        throw std::runtime_error("Czech collation failed");
    return static_cast<int>(result);
}

void CzechCollation::appendSortKey(std::u16string_view text, std::string& key) const {
    const std::size_t at = key.size();
    // Room for most keys at once; a longer one is asked for again.
    std::size_t room = 4 * text.size() + 16;
    for (;;) {
        key.resize(at + room);
        const int32_t size = collator_->icu->getSortKey(
            text.data(), checkedLength(text), reinterpret_cast<uint8_t*>(key.data() + at),
            static_cast<int32_t>(std::min<std::size_t>(room, INT32_MAX)));
        if (size <= 0)
            throw std::runtime_error("Czech collation failed");
        if (static_cast<std::size_t>(size) <= room) {
            key.resize(at + static_cast<std::size_t>(size));
            return;
        }
        room = static_cast<std::size_t>(size);
    }
}

#endif

}  // namespace ek::calc
