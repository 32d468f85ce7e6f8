#include "calc/plant_sort_keys.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/collation_shortcut.h"
#include "calc/whole_number.h"

namespace ek::calc {

std::size_t plantKeyWidth(std::size_t count) {
    return std::max<std::size_t>(3, digitCount(static_cast<std::int64_t>(count)));
}

Text plantSortKey(std::u16string_view shownName, std::int64_t row, std::size_t width) {
    std::array<char16_t, 20> buffer;
    const std::u16string_view digits = decimalText(row, buffer);
    const std::size_t zeros = width > digits.size() ? width - digits.size() : 0;
    // Made at its length, zeros and all, and written over: one step.
    Text key(shownName.size() + zeros + digits.size(), u'0');
    std::char_traits<char16_t>::copy(key.data(), shownName.data(), shownName.size());
    std::char_traits<char16_t>::copy(key.data() + shownName.size() + zeros, digits.data(),
                                     digits.size());
    return key;
}

PlantKeyParts splitPlantKey(std::u16string_view key, std::size_t width) {
    const std::size_t cut = key.size() - std::min(width, key.size());
    return {key.substr(0, cut), key.substr(cut)};
}

namespace {

// A list key as the sort sees it: the first 32 bytes of its sort key (its
// name's sort key, then its row number) as four numbers that compare as the
// bytes do, so that nineteen comparisons in twenty need nothing else;
// the length of the name and whether it has a sort key, in one number; and
// the key's place in the list. The entries move during the sort: each merge
// reads them one after the other, so they are kept to 40 bytes.
class SortableKey {
  public:
    // The longest name whose length fits beside the flag.
    static constexpr std::size_t kLongestName = 0x7FFF'FFFF;

    std::array<std::uint64_t, 4> head;
    std::uint32_t place;

    SortableKey() = default;  // left as it comes: made before it is read
    SortableKey(const std::array<std::uint64_t, 4>& head, bool keyed, std::uint32_t nameLength,
                std::uint32_t place)
        : head(head), place(place), nameLengthAndKeyed_(nameLength | (keyed ? kKeyed : 0)) {}

    bool keyed() const { return (nameLengthAndKeyed_ & kKeyed) != 0; }
    std::uint32_t nameLength() const { return nameLengthAndKeyed_ & ~kKeyed; }

  private:
    static constexpr std::uint32_t kKeyed = 0x8000'0000;
    std::uint32_t nameLengthAndKeyed_;
};
static_assert(sizeof(SortableKey) == 40);

// The first bytes of `key`, eight to a number, the first byte highest; 0
// after its end.
std::array<std::uint64_t, 4> headOf(std::string_view key) {
    std::array<unsigned char, 32> bytes{};
    std::memcpy(bytes.data(), key.data(), std::min(key.size(), bytes.size()));
    std::array<std::uint64_t, 4> head{};
    for (std::size_t word = 0; word < head.size(); ++word) {
        for (std::size_t i = 0; i < 8; ++i)
            head[word] = head[word] << 8 | bytes[8 * word + i];
    }
    return head;
}

// Nearly every name is made of letters, digits, blanks, hyphens and
// apostrophes: its sort key, followed by the row number, decides a
// comparison byte by byte. Fills sortable[from, to) from keys[from, to).
void makeSortable(const TextList& keys, std::size_t width, std::size_t from, std::size_t to,
                  SortableKey* sortable) {
    std::string sortKey;
    for (std::size_t place = from; place < to; ++place) {
        const std::u16string_view key(keys[place]);
        const std::size_t cut = key.size() - std::min(width, key.size());
        if (cut > SortableKey::kLongestName)
            throw std::length_error("plant name too long to sort");
        sortKey.clear();
        const bool keyed = appendSortKey(key.substr(0, cut), sortKey);
        if (keyed) {
            // The row number's units high byte first, so that the bytes
            // order them as the units do.
            for (const char16_t unit : key.substr(cut)) {
                sortKey += static_cast<char>(unit >> 8);
                sortKey += static_cast<char>(unit & 0xFF);
            }
        }
        sortable[place] =
            SortableKey(keyed ? headOf(sortKey) : std::array<std::uint64_t, 4>{}, keyed,
                        static_cast<std::uint32_t>(cut), static_cast<std::uint32_t>(place));
    }
}

}  // namespace

std::vector<std::uint32_t> sortPlantKeys(TextList& keys, const CzechCollation& collation) {
    if (keys.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("too many plant keys to sort");
    const std::size_t width = plantKeyWidth(keys.size());
    // A list already in order (the plants table sorts it again) stays as it
    // is: told from the texts, before any sort key is made.
    const auto textsInOrder = [&](const Text& a, const Text& b) {
        const std::size_t cutA = a.size() - std::min(width, a.size());
        const std::size_t cutB = b.size() - std::min(width, b.size());
        const std::u16string_view left(a);
        const std::u16string_view right(b);
        const int byName = collation.compare(left.substr(0, cutA), right.substr(0, cutB));
        if (byName != 0)
            return byName < 0;
        return left.substr(cutA) < right.substr(cutB);
    };
    if (std::is_sorted(keys.begin(), keys.end(), textsInOrder)) {
        std::vector<std::uint32_t> places(keys.size());
        std::iota(places.begin(), places.end(), 0U);
        return places;
    }
    // The name alone decides first: compared whole, the digits would sort
    // "Acer a" (blank) before "Acer" (digit).
    const auto before = [&](const SortableKey& a, const SortableKey& b) {
        // Heads that differ decide (a key's end reads as 0s, which sort first
        // as its end does); equal ones, and names without a sort key, are
        // compared as texts (the list's keys, which lie one after the other).
        if (a.keyed() && b.keyed()) {
            for (std::size_t word = 0; word < a.head.size(); ++word) {
                if (a.head[word] != b.head[word])
                    return a.head[word] < b.head[word];
            }
        }
        const std::u16string_view left(keys[a.place]);
        const std::u16string_view right(keys[b.place]);
        const int byName =
            collation.compare(left.substr(0, a.nameLength()), right.substr(0, b.nameLength()));
        if (byName != 0)
            return byName < 0;
        return left.substr(a.nameLength()) < right.substr(b.nameLength());
    };
    const std::size_t count = keys.size();
    const auto sortable = std::make_unique_for_overwrite<SortableKey[]>(count);
    makeSortable(keys, width, 0, count, sortable.get());
    std::stable_sort(sortable.get(), sortable.get() + count, before);
    // The small entries move while sorting, the texts once at the end.
    TextList sorted;
    sorted.reserve(count);
    std::vector<std::uint32_t> places;
    places.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        sorted.push_back(std::move(keys[sortable[i].place]));
        places.push_back(sortable[i].place);
    }
    keys = std::move(sorted);
    return places;
}

}  // namespace ek::calc
