#pragma once

// The workbook's shared string table (TXLSStringTable): every cell text once,
// reference-counted, numbered for the SST record when the workbook is saved.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xls {

// The workbook's shared string table: each distinct text once, with a
// reference count. Entries are numbered from 1; freed numbers are reused
// last-freed-first, and the highest number given back shrinks the table.
// A view returned by Text() stays valid until the next Add.
class TXLSStringTable {
  public:
    TXLSStringTable();

    // The entry number of `text`, adding it or one reference to it.
    std::int32_t Add(std::u16string_view text);
    // Room in the index for `more` texts beyond those it holds: a column of
    // texts stored at once would otherwise rehash it again and again.
    void ReserveForMore(std::size_t more);
    // Gives back one reference; numbers outside 1..HighestNumber() are ignored.
    void Release(std::int32_t number);
    // The entry number of `text`, 0 when it is not in the table.
    std::int32_t Find(std::u16string_view text) const;

    // The text of an entry (empty for free slots and numbers out of range).
    std::u16string_view Text(std::int32_t number) const;
    std::uint32_t ReferenceCount(std::int32_t number) const;

    std::int32_t HighestNumber() const { return static_cast<std::int32_t>(entries_.size()) - 1; }
    std::uint32_t TotalReferences() const { return totalReferences_; }
    std::uint32_t DistinctCount() const { return distinct_; }
    std::size_t FreeNumberCount() const { return freeNumbers_.size(); }

    // For writing: numbers the live entries (reference count above 0) 0, 1, 2,
    // ... in table order and returns how many there are.
    std::uint32_t AssignWrittenPositions();
    // The position given by the last AssignWrittenPositions, -1 when none.
    std::int32_t WrittenPosition(std::int32_t number) const;

    // Calls fn(number, text, referenceCount) for each live entry in order.
    template <class Fn>
    void ForEachLive(Fn&& fn) const {
        for (std::int32_t number = 1; number <= HighestNumber(); ++number) {
            const Entry& entry = entries_[static_cast<std::size_t>(number)];
            if (entry.references > 0) {
                fn(number, std::u16string_view(entry.text), entry.references);
            }
        }
    }

    // h = h * 33 + unit over the code units, then h + h / 32.
    static std::uint32_t Hash(std::u16string_view text);

  private:
    struct Entry {
        std::u16string text;
        std::uint32_t references = 0;
    };
    // A place of the index: the number of an entry and its text's hash.
    struct Slot {
        std::uint32_t hash = 0;
        std::int32_t number = kNeverUsed;
    };
    static constexpr std::int32_t kNeverUsed = 0;
    static constexpr std::int32_t kFreed = -1;

    bool InRange(std::int32_t number) const { return number >= 1 && number <= HighestNumber(); }
    std::int32_t TakeNumber();
    void DropNumber(std::int32_t number);
    void ForgetWrittenPosition(std::int32_t number);
    // The slot holding `text`, or else the first free one on its way.
    std::size_t Probe(std::u16string_view text, std::uint32_t hash) const;
    // A fresh index for `texts` texts, at most a quarter full.
    void RebuildIndex(std::size_t texts);

    // By entry number; entry 0 stands unused.
    std::vector<Entry> entries_;
    // The texts' index, open addressing with linear probing: a column of 65 530
    // texts takes twice as long through std::unordered_map's chains.
    std::vector<Slot> slots_;
    std::size_t usedSlots_ = 0;  // live and freed
    std::uint32_t distinct_ = 0;
    std::vector<std::int32_t> freeNumbers_;
    // By entry number, what AssignWrittenPositions gave (-1 for none).
    std::vector<std::int32_t> writtenPositions_;
    std::uint32_t totalReferences_ = 0;
};

}  // namespace xls
