#include "xls/biff/workbook_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "support/biff_reader.h"
#include "support/biff_stream.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/workbook.h"

namespace {

using biff::ParsedWorkbook;
using biff::Record;
using xls::IXLSWorksheet;
using xls::TXLSWorkbook;
using xls::Variant;

constexpr std::uint16_t kBof = 0x0809, kBoundSheet = 0x0085, kXf = 0x00E0;

TEST(WorkbookWriter, PaddingReachesTheNextMultipleOf512) {
    EXPECT_EQ(xls::streamPadding(5000), 120u);
    EXPECT_EQ(xls::streamPadding(5120), 0u);
    EXPECT_EQ(xls::streamPadding(1), 511u);
    EXPECT_EQ(xls::streamPadding(0), 0u);
}

TEST(WorkbookWriter, AWorkbookWithoutSheetsIsSavedWithOneEmptySheet) {
    TXLSWorkbook workbook;
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    ASSERT_EQ(book.sheets.size(), 1u);
    EXPECT_EQ(book.sheets[0].name, u"Sheet1");
    EXPECT_EQ(workbook.Worksheets().Count(), 1);
    ASSERT_EQ(book.substreams.size(), 2u);
    EXPECT_EQ(biff::findFirst(book.sheet(0).records, 0x020B), nullptr);  // no INDEX
}

TEST(WorkbookWriter, BoundSheetOffsetsNameEachSheetsBofInOrder) {
    TXLSWorkbook workbook;
    const std::u16string names[] = {u"Kalkulace rostlin", u"B", u"\u010Cty\u0159i"};
    for (int s = 0; s < 3; ++s) {
        IXLSWorksheet& sheet = workbook.Worksheets().Add();
        sheet.SetName(names[s]);
        for (int row = 1; row <= 40 * s + 1; ++row) {
            sheet.Range(row, 1, row, 2).SetValue(Variant(u"v" + std::u16string(1, u'a' + s)));
        }
    }
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    ASSERT_EQ(book.sheets.size(), 3u);
    std::size_t previous = 0;
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(book.sheets[s].name, names[s]);
        EXPECT_GT(book.sheets[s].bofOffset, previous);
        previous = book.sheets[s].bofOffset;
        const biff::Substream& sheet = book.sheet(s);
        EXPECT_EQ(sheet.kind, 0x0010);
        EXPECT_EQ(workbook.Worksheets().Item(static_cast<int>(s) + 1)->StreamPosition(),
                  sheet.offset);
    }
    // The substreams follow the globals back to back, in sheet order.
    EXPECT_EQ(book.substreams[1].offset, book.sheets[0].bofOffset);
    EXPECT_EQ(book.bytes.size() % 512, 0u);
}

TEST(WorkbookWriter, SavingTwiceGivesTheSameBytes) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.Range(1, 1, 20, 5).SetValue(Variant(u"same"));
    sheet.Range(1, 1, 1, 5).Merge();
    const std::vector<std::uint8_t> first = biff::saveStream(workbook);
    const std::vector<std::uint8_t> second = biff::saveStream(workbook);
    EXPECT_EQ(first, second);
}

// Takes `limit` bytes in all, then writes fall short.
class FailingSink : public xls::ByteSink {
  public:
    explicit FailingSink(std::size_t limit) : limit_(limit) {}
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        const std::size_t taken = std::min(bytes.size(), limit_ - taken_);
        writes.push_back({bytes.size(), taken});
        taken_ += taken;
        return taken;
    }
    struct Write {
        std::size_t offered;
        std::size_t taken;
    };
    std::vector<Write> writes;
    std::size_t taken_ = 0;

  private:
    std::size_t limit_;
};

TEST(WorkbookWriter, AShortWriteFailsTheSaveAndStopsTheLaterLists) {
    TXLSWorkbook workbook;
    for (int s = 0; s < 3; ++s) {
        workbook.Worksheets().Add().Range(1, 1, 300, 3).SetValue(Variant(s + 0.25));
    }
    const auto stream = xls::generateWorkbookStream(workbook);
    ASSERT_TRUE(stream);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{100}, std::size_t{4048},
                                    std::size_t{9000}, stream->length() - 1}) {
        SCOPED_TRACE(limit);
        FailingSink sink(limit);
        EXPECT_FALSE(xls::writeWorkbookStream(*stream, sink));
        // Whole chunks until the short one; after it only the padding of what
        // the sink took, up to the next multiple of 512.
        std::size_t shortWrite = 0;
        while (sink.writes.at(shortWrite).taken == sink.writes[shortWrite].offered) {
            EXPECT_LE(sink.writes[shortWrite].offered, xls::RecordList::kChunkSize);
            ++shortWrite;
        }
        const std::size_t after = sink.writes.size() - shortWrite - 1;
        const std::size_t padding = xls::streamPadding(limit);
        EXPECT_EQ(after, padding > 0 ? 1u : 0u);
        if (after == 1) {
            EXPECT_EQ(sink.writes.back().offered, padding);
        }
    }
    FailingSink enough(stream->length() + 512);
    EXPECT_TRUE(xls::writeWorkbookStream(*stream, enough));
    EXPECT_EQ(enough.taken_, stream->length() + xls::streamPadding(stream->length()));
    EXPECT_EQ(enough.taken_ % 512, 0u);
}

// A generated workbook with every kind of cell the model holds, formats,
// merged areas (also over several rows) and column widths.
void fillRandomly(TXLSWorkbook& workbook, std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int sheets = pick(1, 4);
    for (int s = 0; s < sheets; ++s) {
        IXLSWorksheet& sheet = workbook.Worksheets().Add();
        const int cells = pick(0, 600);
        for (int i = 0; i < cells; ++i) {
            const int row = pick(1, 300) * (pick(0, 20) == 0 ? 200 : 1);
            const int column = pick(1, 12) * (pick(0, 30) == 0 ? 20 : 1);
            const xls::IXLSRange cell = sheet.Range(row, column, row, column);
            switch (pick(0, 7)) {
                case 0:
                    cell.SetValue(Variant());
                    break;
                case 1:
                    cell.SetValue(Variant(pick(-1000, 1000)));
                    break;
                case 2:
                    cell.SetValue(Variant(pick(-100000, 100000) / 1000.0 + 1e-9));
                    break;
                case 3:
                    cell.SetValue(Variant(pick(0, 1) == 1));
                    break;
                case 4:
                    cell.SetValue(Variant::Date(45000.5));
                    break;
                case 5:
                    cell.Font().SetBold(true);
                    break;
                case 6:
                    cell.Interior().SetColorIndex(pick(1, 56));
                    break;
                default:
                    cell.SetValue(
                        Variant(u"t" + std::u16string(pick(0, 9000) == 0 ? 9000 : 1,
                                                      static_cast<char16_t>(pick(65, 90)))));
                    break;
            }
        }
        for (int m = 0; m < pick(0, 5); ++m) {
            const int row = pick(1, 300);
            const int column = pick(1, 12);
            sheet.Range(row, column, row + pick(0, 3), column + pick(0, 3))
                .Merge(Variant(pick(0, 1) == 1));
        }
        for (int w = 0; w < pick(0, 6); ++w) {
            const int column = pick(1, 256);
            sheet.Range(1, column, 1, column + pick(0, 3)).SetColumnWidth(Variant(pick(1, 40)));
        }
        if (pick(0, 2) == 0) {
            sheet.Range(1, 1, pick(1, 40), pick(1, 6))
                .Borders()
                .SetColorIndex(xls::color_index::kAutomatic);
        }
    }
}

TEST(WorkbookWriter, InvariantsHoldOverGeneratedWorkbooks) {
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        TXLSWorkbook workbook;
        fillRandomly(workbook, seed);
        const ParsedWorkbook book = biff::saveAndParse(workbook);
        SCOPED_TRACE(seed);
        EXPECT_EQ(book.bytes.size() % 512, 0u);
        for (const Record& record : book.records) {
            ASSERT_LE(record.data.size(), 8224u);
        }
        EXPECT_TRUE(book.sst.problems.empty());
        const std::size_t xfCount = biff::findAll(book.globals().records, kXf).size();
        ASSERT_EQ(book.sheets.size(), static_cast<std::size_t>(workbook.Worksheets().Count()));
        for (std::size_t s = 0; s < book.sheets.size(); ++s) {
            const biff::Substream& sheet = book.sheet(s);  // throws unless on a BOF
            ASSERT_EQ(sheet.records.front().type, kBof);
            std::set<std::pair<int, int>> seen;
            const IXLSWorksheet& model = *workbook.Worksheets().Item(static_cast<int>(s) + 1);
            for (const biff::Cell& cell : biff::readCells(sheet.records)) {
                ASSERT_TRUE(seen.insert({cell.row, cell.column}).second)
                    << "written twice: " << cell.row << ", " << cell.column;
                ASSERT_TRUE(cell.ixfe == 0 || cell.ixfe >= 15) << cell.ixfe;
                ASSERT_LT(cell.ixfe, xfCount);
                const xls::TXLSCellRef* stored =
                    model.Cell(xls::RowIndex{cell.row},
                               xls::ColumnIndex{static_cast<std::uint8_t>(cell.column)});
                if (cell.type == 0x00FD) {
                    ASSERT_NE(stored, nullptr);
                    EXPECT_EQ(book.text(cell.isst),
                              workbook.StringTable().Text(stored->TextIndex()));
                } else if (cell.type == 0x0203 || cell.type == 0x027E || cell.type == 0x00BD) {
                    ASSERT_NE(stored, nullptr);
                    EXPECT_EQ(cell.number, stored->Number());
                }
            }
            // Every stored cell with a value is written.
            for (int row = 0; row < 65536; row += 1) {
                if (model.Rows().Find(xls::RowIndex{static_cast<std::uint16_t>(row)}) == nullptr) {
                    continue;
                }
                model.CellHeap().ForEachInRow(
                    xls::RowIndex{static_cast<std::uint16_t>(row)}, [&](const xls::TXLSCellRef& c) {
                        if (c.Kind() != xls::CellKind::Blank && (!c.Merged() || c.MergeMaster())) {
                            EXPECT_TRUE(seen.contains({row, c.Column().value}))
                                << row << ", " << int(c.Column().value);
                        }
                    });
            }
        }
    }
}

}  // namespace
