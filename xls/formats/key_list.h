#pragma once

// TXLSKeyList, the keyed and reference-counted list the font and XF lists are
// built on, with its numbering of the entries that are written.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xls/formats/hash_integer.h"
#include "xls/formats/key_entry.h"

namespace xls {

// A list of entries identified by fixed-layout text keys, shared by equal
// keys and reference-counted (the base of the font and XF lists). Entries
// below the built-in count are always present, always written, never counted.
// Entries are never removed.
class TXLSKeyList {
  public:
    static constexpr std::size_t kGrowthStep = 50;

    TXLSKeyList(std::u16string fallbackKey, int builtInCount);

    // The one way new keys enter: `from` is the entry one reference moves away
    // from (0 when none moves); returns the index to use for `key`.
    std::int32_t Derive(std::int32_t from, std::u16string_view key);
    void AddReference(std::int32_t index);
    void ReleaseReference(std::int32_t index);
    void MoveReference(std::int32_t from, std::int32_t to);
    // The same `count` times over, in one step.
    void AddReferences(std::int32_t index, std::int32_t count);
    void MoveReferences(std::int32_t from, std::int32_t to, std::int32_t count);

    // Gives written numbers to the built-in entries and those referenced.
    void Compact();
    // Sets every counted entry's reference count (the recount before writing).
    void SetReferenceCounts(const std::vector<std::int32_t>& counts);

    int Count() const { return static_cast<int>(entries_.size()); }
    int BaseIndex() const { return 0; }
    int BuiltInCount() const { return builtInCount_; }
    bool IsBuiltIn(std::int32_t index) const { return index >= 0 && index < builtInCount_; }
    bool Contains(std::int32_t index) const { return index >= 0 && index < Count(); }
    // Counted entries with references; after Compact, the written entries.
    int LiveCount() const { return liveCount_; }
    // Entries given a written number by the last Compact.
    int WrittenCount() const { return writtenCount_; }
    // The key of an entry, or the fallback key outside the list.
    const std::u16string& Key(std::int32_t index) const;
    const TXLSKeyEntry& Entry(std::int32_t index) const { return entries_.at(index); }
    std::int32_t Find(std::u16string_view key) const { return index_.Lookup(key); }

  protected:
    // Appends a built-in entry (construction only); a key already present
    // keeps pointing at its first entry.
    void AddBuiltIn(std::u16string key);

  private:
    std::int32_t Append(std::u16string_view key);
    bool Counted(std::int32_t index) const { return Contains(index) && !IsBuiltIn(index); }

    std::vector<TXLSKeyEntry> entries_;
    THashInteger index_;
    std::u16string fallbackKey_;
    int builtInCount_;
    int liveCount_ = 0;
    int writtenCount_ = 0;
};

}  // namespace xls
