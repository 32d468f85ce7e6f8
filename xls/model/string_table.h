#pragma once

// The workbook's shared string table (TXLSStringTable): every cell text once,
// reference-counted, numbered for the SST record when the workbook is saved.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xls/model/text_pool.h"

namespace xls {

// One link of a hash bucket chain of the string table.
struct TSTHashEntry {
    std::uint32_t hash = 0;
    std::int32_t number = 0;  // string-table entry number, 0 in an empty bucket
    std::int32_t next = -1;   // next link of the chain, -1 at the end
};

// The workbook's shared string table: each distinct text once, with a
// reference count. Entries are numbered from 1 and live in blocks of 100;
// freed numbers are reused last-freed-first. The texts live in a pool, so a
// view returned by Text() stays valid until the next Add.
class TXLSStringTable {
  public:
    static constexpr int kBlockSize = 100;
    static constexpr std::size_t kInitialBucketCount = 8;

    TXLSStringTable();

    // The entry number of `text`, adding it or one reference to it.
    std::int32_t Add(std::u16string_view text) { return AddHashed(text, Hash(text)); }
    // The same with the text's Hash() at hand.
    std::int32_t AddHashed(std::u16string_view text, std::uint32_t hash);
    // Room in the hash for `more` texts beyond those it holds, so that a
    // column of texts stored at once grows it in one step rather than
    // doubling it again and again on the way.
    void ReserveForMore(std::size_t more);
    // Gives back one reference; numbers outside 1..HighestNumber() are ignored.
    void Release(std::int32_t number);
    // The entry number of `text`, 0 when it is not in the table.
    std::int32_t Find(std::u16string_view text) const;

    // The text of an entry (empty for free slots and numbers out of range).
    std::u16string_view Text(std::int32_t number) const;
    std::uint32_t ReferenceCount(std::int32_t number) const;

    std::int32_t HighestNumber() const { return highest_; }
    std::uint32_t TotalReferences() const { return totalReferences_; }
    std::uint32_t DistinctCount() const { return distinct_; }
    std::size_t BlockCount() const { return blocks_.size(); }
    std::size_t BucketCount() const { return buckets_.size(); }
    std::size_t FreeNumberCount() const { return freeNumbers_.size(); }

    // For writing: numbers the live entries (reference count above 0) 0, 1, 2,
    // ... in table order and returns how many there are.
    std::uint32_t AssignWrittenPositions();
    // The position given by the last AssignWrittenPositions, -1 when none.
    std::int32_t WrittenPosition(std::int32_t number) const;

    // Calls fn(number, text, referenceCount) for each live entry in order.
    template <class Fn>
    void ForEachLive(Fn&& fn) const {
        for (std::int32_t number = 1; number <= highest_; ++number) {
            const Entry& entry = At(number);
            if (entry.references > 0) {
                fn(number, entry.Text(), entry.references);
            }
        }
    }

    // h = h * 33 + unit over the code units, then h + h / 32.
    static std::uint32_t Hash(std::u16string_view text);
    // Hash(text), noting on the way whether `text` holds a line feed (the
    // mark of a text that wraps), for a cell's text read once for both.
    static std::uint32_t HashNotingLineFeed(std::u16string_view text, bool& hasLineFeed);

  private:
    // 16 bytes and nothing to construct: a new block is left as it comes,
    // since a slot is read only once its number is given out, and AddHashed
    // then sets both fields (Release clears them when the number is freed).
    struct Entry {
        const char16_t* units;  // into pool_
        std::uint32_t length;
        std::uint32_t references;

        std::u16string_view Text() const { return {units, length}; }
        void SetText(std::u16string_view text) {
            units = text.data();
            length = static_cast<std::uint32_t>(text.size());
        }
    };
    using Block = std::array<Entry, kBlockSize>;

    const Entry& At(std::int32_t number) const;
    Entry& At(std::int32_t number);
    std::int32_t FindHashed(std::u16string_view text, std::uint32_t hash) const;
    void InsertHash(std::uint32_t hash, std::int32_t number);
    // Enters a link in its bucket's chain, without counting or growing.
    void Link(std::uint32_t hash, std::int32_t number);
    void RemoveHash(std::uint32_t hash, std::int32_t number);
    void GrowBuckets();
    // Every link entered again in `count` buckets (a power of 2).
    void RebuildBuckets(std::size_t count);
    std::int32_t TakeNumber();
    void DropNumber(std::int32_t number);
    void ForgetWrittenPosition(std::int32_t number);
    void CompactPoolWhenWasteful();

    TXLSTextPool pool_;
    std::vector<std::unique_ptr<Block>> blocks_;
    std::vector<std::int32_t> freeNumbers_;
    // By entry number, what AssignWrittenPositions gave (-1 for none): one
    // array, as every text cell of a save asks for its entry's.
    std::vector<std::int32_t> writtenPositions_;
    std::int32_t highest_ = 0;
    std::uint32_t totalReferences_ = 0;
    std::uint32_t distinct_ = 0;

    // Each bucket holds the first link of its chain itself, so that most
    // lookups read one place of the table rather than a bucket and a link
    // elsewhere (in a table of some 100 000 texts, each read a cache miss).
    std::vector<TSTHashEntry> buckets_;
    std::vector<TSTHashEntry> links_;  // the chains' further links
    std::vector<std::int32_t> freeLinks_;
    std::size_t hashEntryCount_ = 0;
};

}  // namespace xls
