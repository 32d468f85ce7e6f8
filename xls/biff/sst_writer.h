#pragma once

// The SST and EXTSST records of the shared strings, with the cutting of strings
// across CONTINUE records.

#include <cstdint>
#include <span>
#include <string_view>

#include "xls/biff/record_list.h"

namespace xls {

struct SharedStrings {
    std::uint32_t totalReferences = 0;             // cstTotal
    std::span<const std::u16string_view> strings;  // string k = isst k; at most 0xFFFF units each
};

// Appends the SST record with its CONTINUE records and the EXTSST record.
// `streamOffset` is where the SST record's first byte lies in the stream (the
// EXTSST entries carry absolute offsets). Nothing is written without strings.
//
// Cutting: a record is full at 8224 data bytes; a string that does not fit is
// cut between characters, its rest going on in a CONTINUE record that starts
// with the option byte again. A string's cch and option byte never end a
// record (fewer than five bytes left: the string starts in a new record), and
// a cut never separates the two halves of a surrogate pair; when that would
// leave no character beside the cch, the string starts in a new record too.
void addSharedStringTable(RecordList& list, std::uint32_t streamOffset,
                          const SharedStrings& shared);

// Strings per EXTSST entry: at least 8, and so many that there are at most
// 128 entries ([MS-XLS] 2.4.107).
std::uint16_t extSstBucketSize(std::size_t uniqueStrings);

}  // namespace xls
