#include "xls/biff/workbook_writer.h"

#include <array>
#include <utility>
#include <vector>

#include "xls/biff/globals_writer.h"
#include "xls/biff/sheet_writer.h"
#include "xls/model/workbook.h"

namespace xls {
namespace {

// Counts what the sink took, for the padding after a failed write.
class CountingSink : public ByteSink {
  public:
    explicit CountingSink(ByteSink& target) : target_(target) {}
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        const std::size_t taken = target_.write(bytes);
        written_ += taken;
        return taken;
    }
    std::size_t written() const { return written_; }

  private:
    ByteSink& target_;
    std::size_t written_ = 0;
};

void buildGlobalsAndBodies(WorkbookStream& stream, const TXLSWorkbook& workbook) {
    buildGlobalsHead(stream.globalsA, workbook);
    buildGlobalsTail(stream.globalsB, workbook);
    const IXLSWorkSheets& sheets = workbook.Worksheets();
    const SheetWriteContext context{workbook.XFList(), workbook.StringTable()};
    stream.sheets.reserve(static_cast<std::size_t>(sheets.Count()));
    for (int position = 1; position <= sheets.Count(); ++position) {
        stream.sheets.push_back(buildSheetBody(*sheets.Item(position), context));
    }
}

void writePadding(ByteSink& sink, std::size_t length) {
    static constexpr std::array<std::uint8_t, 512> kZeros{};
    const std::size_t padding = streamPadding(length);
    if (padding > 0) {
        sink.write(std::span<const std::uint8_t>(kZeros.data(), padding));
    }
}

bool writeRecords(const WorkbookStream& stream, ByteSink& sink) {
    if (!stream.globalsA.writeTo(sink) || !stream.globalsB.writeTo(sink)) {
        return false;
    }
    for (const SheetRecordLists& sheet : stream.sheets) {
        if (!sheet.writeTo(sink)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::size_t WorkbookStream::length() const {
    std::size_t total = globalsA.length() + globalsB.length();
    for (const SheetRecordLists& sheet : sheets) {
        total += sheet.length();
    }
    return total;
}

std::optional<WorkbookStream> generateWorkbookStream(TXLSWorkbook& workbook) {
    IXLSWorkSheets& sheets = workbook.Worksheets();
    if (sheets.Count() == 0) {
        sheets.Add();
        if (sheets.Count() == 0) {
            return std::nullopt;
        }
    }
    workbook.CompactFormats();
    workbook.NumberLiveStrings();

    WorkbookStream stream;
    buildGlobalsAndBodies(stream, workbook);

    // The BOUNDSHEET records go at the end of part A but carry the sheets'
    // offsets, so their length is counted in before the sheets are placed.
    std::size_t offset =
        stream.globalsA.length() + stream.globalsB.length() + boundSheetsLength(workbook);
    for (int position = 1; position <= sheets.Count(); ++position) {
        SheetRecordLists& lists = stream.sheets[static_cast<std::size_t>(position - 1)];
        sheets.Item(position)->SetStreamPosition(static_cast<std::uint32_t>(offset));
        placeSheet(lists, static_cast<std::uint32_t>(offset));
        offset += lists.length();
    }
    appendBoundSheets(stream.globalsA, workbook);
    return stream;
}

bool writeWorkbookStream(const WorkbookStream& stream, ByteSink& sink) {
    CountingSink counted(sink);
    const bool complete = writeRecords(stream, counted);
    writePadding(sink, counted.written());
    return complete;
}

}  // namespace xls
