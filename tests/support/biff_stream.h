#pragma once

// Saves a workbook's "Workbook" stream into memory and parses it back with
// the test reader: the glue the writer tests share.

#include <cstdint>
#include <string>
#include <vector>

#include "support/biff_reader.h"

namespace xls {
class TXLSWorkbook;
}

namespace biff {

// The stream bytes of one save pass, padding included.
std::vector<std::uint8_t> saveStream(xls::TXLSWorkbook& workbook);

struct ParsedWorkbook {
    std::vector<std::uint8_t> bytes;
    std::vector<Record> records;        // physical records
    std::vector<Substream> substreams;  // globals, then the sheets in stream order
    std::vector<BoundSheet> sheets;
    Sst sst;  // empty when the stream has none

    const Substream& globals() const { return substreams.at(0); }
    // The substream whose BOF a BOUNDSHEET names (0-based sheet number).
    const Substream& sheet(std::size_t index) const;
    // Types of the records of a substream, in order.
    static std::vector<std::uint16_t> types(const Substream& substream);
    // The shared string of a LABELSST's isst.
    std::u16string text(std::uint32_t isst) const { return sst.strings.at(isst).text; }
};

ParsedWorkbook parse(std::vector<std::uint8_t> bytes);
inline ParsedWorkbook saveAndParse(xls::TXLSWorkbook& workbook) {
    return parse(saveStream(workbook));
}

}  // namespace biff
