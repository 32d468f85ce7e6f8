#include "xls/formats/key_list.h"

namespace xls {

TXLSKeyList::TXLSKeyList(std::u16string fallbackKey, int builtInCount)
    : fallbackKey_(std::move(fallbackKey)), builtInCount_(builtInCount) {
    entries_.reserve(kGrowthStep);
}

const std::u16string& TXLSKeyList::Key(std::int32_t index) const {
    return Contains(index) ? entries_[static_cast<std::size_t>(index)].key : fallbackKey_;
}

void TXLSKeyList::AddBuiltIn(std::u16string key) {
    const auto index = static_cast<std::int32_t>(entries_.size());
    if (!index_.Contains(key)) {
        index_.Register(key, index);
    }
    entries_.push_back(TXLSKeyEntry{std::move(key), 0, 0, -1});
}

std::int32_t TXLSKeyList::Append(std::u16string_view key) {
    if (entries_.size() == entries_.capacity()) {
        entries_.reserve(entries_.size() + kGrowthStep);
    }
    const auto index = static_cast<std::int32_t>(entries_.size());
    entries_.push_back(TXLSKeyEntry{std::u16string(key), 0, 0, -1});
    index_.Register(key, index);
    return index;
}

void TXLSKeyList::AddReference(std::int32_t index) {
    if (!Counted(index)) {
        return;
    }
    if (++entries_[static_cast<std::size_t>(index)].references == 1) {
        ++liveCount_;
    }
}

void TXLSKeyList::ReleaseReference(std::int32_t index) {
    if (!Counted(index)) {
        return;
    }
    std::int32_t& references = entries_[static_cast<std::size_t>(index)].references;
    if (references > 0 && --references == 0) {
        --liveCount_;
    }
}

void TXLSKeyList::MoveReference(std::int32_t from, std::int32_t to) {
    if (from == to) {
        return;
    }
    ReleaseReference(from);
    AddReference(to);
}

void TXLSKeyList::AddReferences(std::int32_t index, std::int32_t count) {
    if (!Counted(index) || count <= 0) {
        return;
    }
    std::int32_t& references = entries_[static_cast<std::size_t>(index)].references;
    if (references == 0) {
        ++liveCount_;
    }
    references += count;
}

void TXLSKeyList::MoveReferences(std::int32_t from, std::int32_t to, std::int32_t count) {
    if (from == to || count <= 0) {
        return;
    }
    if (Counted(from)) {
        // One at a time, a count stops at 0.
        std::int32_t& references = entries_[static_cast<std::size_t>(from)].references;
        if (references > 0) {
            references = references > count ? references - count : 0;
            if (references == 0) {
                --liveCount_;
            }
        }
    }
    AddReferences(to, count);
}

std::int32_t TXLSKeyList::Derive(std::int32_t from, std::u16string_view key) {
    if (from > BaseIndex() && Contains(from) &&
        entries_[static_cast<std::size_t>(from)].key == key) {
        return from;
    }
    // A lookup result of 0 counts as absent, so entry 0's key is never found.
    const std::int32_t found = index_.Lookup(key);
    if (found == 0) {
        const std::int32_t added = Append(key);
        AddReference(added);
        ReleaseReference(from);
        return added;
    }
    ReleaseReference(from);
    AddReference(found);
    return found;
}

void TXLSKeyList::Compact() {
    std::int32_t number = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        TXLSKeyEntry& entry = entries_[i];
        if (IsBuiltIn(static_cast<std::int32_t>(i)) || entry.references > 0) {
            entry.writtenPosition = number;
            entry.writtenNumber = ++number;
        } else {
            entry.writtenNumber = 0;
            entry.writtenPosition = -1;
        }
    }
    writtenCount_ = number;
    liveCount_ = number;
}

void TXLSKeyList::SetReferenceCounts(const std::vector<std::int32_t>& counts) {
    liveCount_ = 0;
    for (std::size_t i = static_cast<std::size_t>(builtInCount_); i < entries_.size(); ++i) {
        const std::int32_t count = i < counts.size() ? counts[i] : 0;
        entries_[i].references = count;
        if (count > 0) {
            ++liveCount_;
        }
    }
}

}  // namespace xls
