#include "xls/biff/sst_writer.h"

#include <algorithm>
#include <vector>

#include "xls/biff/biff_record_types.h"

namespace xls {
namespace {

constexpr std::size_t kHeaderSize = 4;
// U (bytes in the record, header included) may reach this.
constexpr std::size_t kRecordFull = kHeaderSize + kMaxRecordData;
constexpr std::size_t kStringStart = 3;  // cch (2) and option byte
constexpr std::size_t kStringRest = 1;   // option byte of a continued piece
constexpr std::uint8_t kUncompressedUtf16 = 0x01;

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// True when cutting `text` before position `at` would split a surrogate pair.
bool splitsPair(std::u16string_view text, std::size_t at) {
    return at > 0 && at < text.size() && isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]);
}

std::u16string_view writtenText(std::u16string_view text) {
    std::size_t length = std::min<std::size_t>(text.size(), 0xFFFF);
    if (splitsPair(text, length)) {
        --length;
    }
    return text.substr(0, length);
}

struct ExtSstEntry {
    std::uint32_t streamOffset = 0;  // ib: where the string's cch lies
    std::uint16_t recordOffset = 0;  // cbOffset: the same, from its record's start
};

// Fills SST and CONTINUE records one at a time in a buffer of one full
// record and moves each finished record into the list.
class SstRecords {
  public:
    SstRecords(RecordList& list, std::uint32_t streamOffset)
        : list_(list), recordStart_(streamOffset), record_(kRecordFull) {}

    void open(std::uint16_t type) {
        record_.u16(type);
        record_.u16(0);  // data length, patched on close
    }

    void close() {
        record_.patchU16(2, static_cast<std::uint16_t>(record_.size() - kHeaderSize));
        list_.appendFramed(record_.bytes());
        recordStart_ += static_cast<std::uint32_t>(record_.size());
        record_.clear();
    }

    void closeAndContinue() {
        close();
        open(rt::kContinue);
    }

    std::size_t used() const { return record_.size(); }
    std::size_t left() const { return kRecordFull - record_.size(); }
    ExtSstEntry here() const {
        return {recordStart_ + static_cast<std::uint32_t>(used()),
                static_cast<std::uint16_t>(used())};
    }
    RecordBuffer& buffer() { return record_; }

  private:
    RecordList& list_;
    std::uint32_t recordStart_;
    RecordBuffer record_;
};

// Places one string, cutting it where the record fills. Returns the entry for
// EXTSST: where the string's first piece (with its cch) was placed.
ExtSstEntry placeString(SstRecords& records, std::u16string_view text) {
    std::size_t done = 0;
    bool atStart = true;
    ExtSstEntry start;
    for (;;) {
        const std::size_t header = atStart ? kStringStart : kStringRest;
        const std::u16string_view rest = text.substr(done);
        std::size_t count = rest.size();
        if (records.used() + header + 2 * rest.size() > kRecordFull) {
            if (atStart && records.left() < kStringStart + 2) {
                records.closeAndContinue();
                continue;
            }
            count = (records.left() - header) / 2;
            if (splitsPair(text, done + count)) {
                --count;
            }
            if (count == 0) {
                records.closeAndContinue();
                continue;
            }
        }
        RecordBuffer& b = records.buffer();
        if (atStart) {
            start = records.here();
            b.u16(static_cast<std::uint16_t>(text.size()));
        }
        b.u8(kUncompressedUtf16);
        b.utf16(rest.substr(0, count));
        done += count;
        if (done == text.size()) {
            return start;
        }
        records.closeAndContinue();
        atStart = false;
    }
}

// EXTSST, 2 + 8n bytes ([MS-XLS] 2.4.107)
//   0  2  dsst  strings per bucket
//   then per bucket ISSTINF: ib (4) stream offset of the bucket's first
//   string, cbOffset (2) its offset within its record, reserved 0 (2)
void addExtSst(RecordList& list, std::uint16_t bucketSize, std::span<const ExtSstEntry> entries) {
    list.build(rt::kExtSst, 2 + 8 * entries.size(), [&](RecordBuffer& b) {
        b.u16(bucketSize);
        for (const ExtSstEntry& entry : entries) {
            b.u32(entry.streamOffset);
            b.u16(entry.recordOffset);
            b.u16(0);
        }
    });
}

}  // namespace

std::uint16_t extSstBucketSize(std::size_t uniqueStrings) {
    return static_cast<std::uint16_t>(std::max<std::size_t>(uniqueStrings / 128 + 1, 8));
}

// SST, 8 bytes before the strings ([MS-XLS] 2.4.265)
//   0  4  cstTotal   references to strings in the workbook
//   4  4  cstUnique  strings in the table
//   8     strings: cch (2), option byte 0x01, cch UTF-16LE code units
void addSharedStringTable(RecordList& list, std::uint32_t streamOffset,
                          const SharedStrings& shared) {
    if (shared.strings.empty()) {
        return;
    }
    const std::uint16_t bucketSize = extSstBucketSize(shared.strings.size());
    std::vector<ExtSstEntry> entries;
    entries.reserve(shared.strings.size() / bucketSize + 1);

    SstRecords records(list, streamOffset);
    records.open(rt::kSst);
    records.buffer().u32(shared.totalReferences);
    records.buffer().u32(static_cast<std::uint32_t>(shared.strings.size()));
    for (std::size_t k = 0; k < shared.strings.size(); ++k) {
        const ExtSstEntry start = placeString(records, writtenText(shared.strings[k]));
        if (k % bucketSize == 0) {
            entries.push_back(start);
        }
    }
    records.close();
    addExtSst(list, bucketSize, entries);
}

}  // namespace xls
