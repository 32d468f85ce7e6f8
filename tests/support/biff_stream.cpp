#include "support/biff_stream.h"

#include <stdexcept>

#include "xls/biff/workbook_writer.h"
#include "xls/model/workbook.h"

namespace biff {
namespace {

class MemorySink : public xls::ByteSink {
  public:
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return bytes.size();
    }
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::vector<std::uint8_t> saveStream(xls::TXLSWorkbook& workbook) {
    const auto stream = xls::generateWorkbookStream(workbook);
    if (!stream) {
        throw std::runtime_error("no workbook stream");
    }
    MemorySink sink;
    if (xls::writeWorkbookStream(*stream, sink) != 1) {
        throw std::runtime_error("writing into memory failed");
    }
    return std::move(sink.bytes_);
}

const Substream& ParsedWorkbook::sheet(std::size_t index) const {
    const std::uint32_t offset = sheets.at(index).bofOffset;
    for (const Substream& substream : substreams) {
        if (substream.offset == offset) {
            return substream;
        }
    }
    throw std::runtime_error("BOUNDSHEET offset names no BOF");
}

std::vector<std::uint16_t> ParsedWorkbook::types(const Substream& substream) {
    std::vector<std::uint16_t> types;
    for (const Record& record : substream.records) {
        types.push_back(record.type);
    }
    return types;
}

ParsedWorkbook parse(std::vector<std::uint8_t> bytes) {
    ParsedWorkbook parsed;
    parsed.bytes = std::move(bytes);
    parsed.records = splitRecords(parsed.bytes, true);
    parsed.substreams = splitSubstreams(parsed.records);
    const auto& globals = parsed.substreams.at(0).records;
    for (const Record* record : findAll(globals, 0x0085)) {
        parsed.sheets.push_back(readBoundSheet(*record));
    }
    for (std::size_t i = 0; i < globals.size(); ++i) {
        if (globals[i].type == 0x00FC) {
            parsed.sst = readSst(globals, i);
        }
    }
    return parsed;
}

}  // namespace biff
