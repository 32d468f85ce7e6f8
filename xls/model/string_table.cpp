#include "xls/model/string_table.h"

#include <algorithm>
#include <cstring>

namespace xls {

namespace {

// Equal units compared as bytes, many at a time (the view's own == compares
// unit by unit).
bool SameText(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// Blocks beyond the highest number are kept until more than this many slots
// stand empty, so a table that shrinks and grows again does not churn.
constexpr std::int32_t kSpareSlots = 200;
}  // namespace

TXLSStringTable::TXLSStringTable() : buckets_(kInitialBucketCount) {}

namespace {

template <bool NoteLineFeed>
std::uint32_t HashUnits(std::u16string_view text, bool& hasLineFeed) {
    // Four units a step: h * 33^4 + u0 * 33^3 + u1 * 33^2 + u2 * 33 + u3 is
    // four steps of h * 33 + unit (all modulo 2^32), without their chain.
    // The line feeds four units a step too: a unit equal to one is a zero
    // unit after the exclusive or, and only a zero unit keeps its top bit
    // in (x - 1) & ~x, unit by unit.
    constexpr std::uint64_t kLineFeeds = 0x000A'000A'000A'000AULL;
    constexpr std::uint64_t kOnes = 0x0001'0001'0001'0001ULL;
    constexpr std::uint64_t kTopBits = 0x8000'8000'8000'8000ULL;
    std::uint32_t h = 0;
    std::uint64_t zeroUnits = 0;
    std::size_t i = 0;
    for (; i + 4 <= text.size(); i += 4) {
        h = h * 1185921U + text[i] * 35937U + text[i + 1] * 1089U + text[i + 2] * 33U + text[i + 3];
        if constexpr (NoteLineFeed) {
            std::uint64_t units;
            std::memcpy(&units, text.data() + i, sizeof units);
            const std::uint64_t x = units ^ kLineFeeds;
            zeroUnits |= (x - kOnes) & ~x & kTopBits;
        }
    }
    bool lineFeed = zeroUnits != 0;
    for (; i < text.size(); ++i) {
        h = h * 33U + text[i];
        if constexpr (NoteLineFeed) {
            lineFeed |= text[i] == u'\n';
        }
    }
    hasLineFeed = lineFeed;
    return h + h / 32U;
}

}  // namespace

std::uint32_t TXLSStringTable::Hash(std::u16string_view text) {
    bool ignored = false;
    return HashUnits<false>(text, ignored);
}

std::uint32_t TXLSStringTable::HashNotingLineFeed(std::u16string_view text, bool& hasLineFeed) {
    return HashUnits<true>(text, hasLineFeed);
}

const TXLSStringTable::Entry& TXLSStringTable::At(std::int32_t number) const {
    return (*blocks_[static_cast<std::size_t>(number / kBlockSize)])[number % kBlockSize];
}

TXLSStringTable::Entry& TXLSStringTable::At(std::int32_t number) {
    return (*blocks_[static_cast<std::size_t>(number / kBlockSize)])[number % kBlockSize];
}

inline std::int32_t TXLSStringTable::FindHashed(std::u16string_view text,
                                                std::uint32_t hash) const {
    const TSTHashEntry* entry = &buckets_[hash & (buckets_.size() - 1)];
    if (entry->number == 0) {
        return 0;
    }
    for (;;) {
        if (entry->hash == hash && SameText(At(entry->number).Text(), text)) {
            return entry->number;
        }
        if (entry->next < 0) {
            return 0;
        }
        entry = &links_[static_cast<std::size_t>(entry->next)];
    }
}

std::int32_t TXLSStringTable::Find(std::u16string_view text) const {
    return FindHashed(text, Hash(text));
}

inline void TXLSStringTable::Link(std::uint32_t hash, std::int32_t number) {
    TSTHashEntry& head = buckets_[hash & (buckets_.size() - 1)];
    if (head.number == 0) {
        head = TSTHashEntry{hash, number, -1};
        return;
    }
    std::int32_t link;
    if (freeLinks_.empty()) {
        link = static_cast<std::int32_t>(links_.size());
        links_.push_back({});
    } else {
        link = freeLinks_.back();
        freeLinks_.pop_back();
    }
    links_[static_cast<std::size_t>(link)] = TSTHashEntry{hash, number, head.next};
    head.next = link;
}

void TXLSStringTable::ReserveForMore(std::size_t more) {
    std::size_t count = buckets_.size();
    while (hashEntryCount_ + more > count - 1) {
        count *= 2;
    }
    if (count > buckets_.size()) {
        RebuildBuckets(count);
    }
}

void TXLSStringTable::GrowBuckets() {
    RebuildBuckets(buckets_.size() * 2);
}

void TXLSStringTable::RebuildBuckets(std::size_t count) {
    std::vector<TSTHashEntry> heads(count);
    heads.swap(buckets_);
    std::vector<TSTHashEntry> links;
    links.swap(links_);
    links_.reserve(links.size());
    freeLinks_.clear();
    for (const TSTHashEntry& head : heads) {
        if (head.number == 0) {
            continue;
        }
        Link(head.hash, head.number);
        for (std::int32_t next = head.next; next >= 0;) {
            const TSTHashEntry& link = links[static_cast<std::size_t>(next)];
            Link(link.hash, link.number);
            next = link.next;
        }
    }
}

inline void TXLSStringTable::InsertHash(std::uint32_t hash, std::int32_t number) {
    if (hashEntryCount_ > buckets_.size() - 1) {
        GrowBuckets();
    }
    Link(hash, number);
    ++hashEntryCount_;
}

void TXLSStringTable::RemoveHash(std::uint32_t hash, std::int32_t number) {
    TSTHashEntry& head = buckets_[hash & (buckets_.size() - 1)];
    if (head.number == 0) {
        return;
    }
    if (head.number == number) {
        // The next link, if any, becomes the head.
        if (head.next >= 0) {
            const std::int32_t next = head.next;
            head = links_[static_cast<std::size_t>(next)];
            freeLinks_.push_back(next);
        } else {
            head = TSTHashEntry{};
        }
        --hashEntryCount_;
        return;
    }
    std::int32_t* next = &head.next;
    while (*next >= 0) {
        const std::int32_t link = *next;
        TSTHashEntry& entry = links_[static_cast<std::size_t>(link)];
        if (entry.number == number) {
            *next = entry.next;
            freeLinks_.push_back(link);
            --hashEntryCount_;
            return;
        }
        next = &entry.next;
    }
}

inline std::int32_t TXLSStringTable::TakeNumber() {
    if (!freeNumbers_.empty()) {
        const std::int32_t number = freeNumbers_.back();
        freeNumbers_.pop_back();
        return number;
    }
    ++highest_;
    while (blocks_.size() <= static_cast<std::size_t>(highest_ / kBlockSize)) {
        blocks_.push_back(std::make_unique_for_overwrite<Block>());
    }
    return highest_;
}

void TXLSStringTable::DropNumber(std::int32_t number) {
    if (number != highest_) {
        freeNumbers_.push_back(number);
        return;
    }
    --highest_;
    const std::size_t needed = static_cast<std::size_t>(highest_ / kBlockSize) + 1;
    const auto emptySlots = static_cast<std::int32_t>(blocks_.size()) * kBlockSize - (highest_ + 1);
    if (emptySlots > kSpareSlots) {
        blocks_.resize(needed);
    }
}

std::int32_t TXLSStringTable::AddHashed(std::u16string_view text, std::uint32_t hash) {
    const std::int32_t found = FindHashed(text, hash);
    ++totalReferences_;
    if (found > 0) {
        ++At(found).references;
        return found;
    }
    ++distinct_;
    const std::int32_t number = TakeNumber();
    Entry& entry = At(number);
    entry.SetText(pool_.Store(text));
    entry.references = 1;
    ForgetWrittenPosition(number);
    InsertHash(hash, number);
    CompactPoolWhenWasteful();
    return number;
}

void TXLSStringTable::Release(std::int32_t number) {
    if (number < 1 || number > highest_) {
        return;
    }
    Entry& entry = At(number);
    // A free slot holds no reference to give back; counting it would make the
    // total disagree with the live entries.
    if (entry.references == 0) {
        return;
    }
    --entry.references;
    --totalReferences_;
    if (entry.references > 0) {
        return;
    }
    --distinct_;
    RemoveHash(Hash(entry.Text()), number);
    pool_.Forget(entry.Text());
    entry.SetText({});
    ForgetWrittenPosition(number);
    DropNumber(number);
}

void TXLSStringTable::CompactPoolWhenWasteful() {
    const std::size_t wasted = pool_.WastedUnits();
    const std::size_t live = pool_.StoredUnits() - wasted;
    if (wasted < TXLSTextPool::kChunkUnits || wasted < live) {
        return;
    }
    TXLSTextPool fresh;
    for (std::int32_t number = 1; number <= highest_; ++number) {
        Entry& entry = At(number);
        if (entry.references > 0) {
            entry.SetText(fresh.Store(entry.Text()));
        }
    }
    pool_ = std::move(fresh);
}

std::u16string_view TXLSStringTable::Text(std::int32_t number) const {
    if (number < 1 || number > highest_) {
        return {};
    }
    return At(number).Text();
}

std::uint32_t TXLSStringTable::ReferenceCount(std::int32_t number) const {
    if (number < 1 || number > highest_) {
        return 0;
    }
    return At(number).references;
}

std::uint32_t TXLSStringTable::AssignWrittenPositions() {
    writtenPositions_.assign(static_cast<std::size_t>(highest_) + 1, -1);
    std::int32_t position = 0;
    for (std::int32_t number = 1; number <= highest_; ++number) {
        if (At(number).references > 0) {
            writtenPositions_[static_cast<std::size_t>(number)] = position++;
        }
    }
    return static_cast<std::uint32_t>(position);
}

std::int32_t TXLSStringTable::WrittenPosition(std::int32_t number) const {
    if (number < 1 || static_cast<std::size_t>(number) >= writtenPositions_.size()) {
        return -1;
    }
    return writtenPositions_[static_cast<std::size_t>(number)];
}

void TXLSStringTable::ForgetWrittenPosition(std::int32_t number) {
    if (static_cast<std::size_t>(number) < writtenPositions_.size()) {
        writtenPositions_[static_cast<std::size_t>(number)] = -1;
    }
}

}  // namespace xls
