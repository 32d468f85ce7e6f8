#include "xls/formats/xf_list.h"

#include <gtest/gtest.h>

#include "tests/xls/model/cell_format_probe.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"
#include "xls/model/worksheets.h"

namespace xls {
namespace {

using testing::EdgesOf;
using testing::FormatAt;

TEST(XfList, NewListHoldsTheBuiltInEntries) {
    const TXLSXFList xfs;
    EXPECT_EQ(xfs.Count(), 21);
    EXPECT_EQ(xfs.Fonts().Count(), 4);
    EXPECT_EQ(xfs.Styles().Count(), 6);
    EXPECT_EQ(xfs.LiveCount(), 0);
    // XF 0: the Normal style, with every field spelled out.
    EXPECT_EQ(xfs.Key(0),
              u"00000000"
              u"1"
              u"FFFF"
              u"200000"
              u"0000000000000000"
              u"00"
              u"20C0"
              u"00");
    // XF 15: the default cell format, parent XF 0.
    EXPECT_EQ(xfs.Key(15),
              u"00000000"
              u"1"
              u"0000"
              u"200000"
              u"0000000000000000"
              u"00"
              u"20C0"
              u"00");
}

struct BuiltInRow {
    int index;
    int font;
    int format;
    int type;
    int parent;
    int flags;
};

TEST(XfList, BuiltInFieldsFollowTheTable) {
    const BuiltInRow rows[] = {
        {0, 0, 0, 1, 0xFFFF, 0x00},  {1, 0, 0, 1, 0xFFFF, 0x34},   {14, 0, 0, 1, 0xFFFF, 0x34},
        {15, 0, 0, 1, 0, 0x00},      {16, 1, 44, 5, 0xFFFF, 0x3E}, {17, 1, 42, 5, 0xFFFF, 0x3E},
        {18, 1, 9, 5, 0xFFFF, 0x3E}, {19, 1, 43, 5, 0xFFFF, 0x3E}, {20, 1, 41, 5, 0xFFFF, 0x3E},
    };
    const TXLSXFList xfs;
    for (const BuiltInRow& row : rows) {
        SCOPED_TRACE(row.index);
        const TXLSXFFields fields = xfs.Fields(XfIndex{row.index});
        EXPECT_EQ(fields.fontIndex, row.font);
        EXPECT_EQ(fields.formatIndex, row.format);
        EXPECT_EQ(fields.typeProtection, row.type);
        EXPECT_EQ(fields.parent, row.parent);
        EXPECT_EQ(fields.usedFlags, row.flags);
        EXPECT_EQ(fields.alignment, (std::array<std::uint8_t, 3>{0x20, 0, 0}));
        EXPECT_EQ(fields.border1, 0U);
        EXPECT_EQ(fields.border2, 0U);
        EXPECT_EQ(fields.fillPattern, 0);
        EXPECT_EQ(fields.PatternColor(), 64);
        EXPECT_EQ(fields.BackgroundColor(), 65);
    }
}

TEST(XfList, CompactionWritesBuiltInsAndReferencedEntriesOnly) {
    TXLSXFList xfs;
    const XfIndex bold = xfs.Apply(XfIndex{0}, false, {TXLSXfChange::What::FontBold, 1});
    const XfIndex wrapped = xfs.Apply(XfIndex{0}, false, {TXLSXfChange::What::WrapText, 1});
    const XfIndex centred = xfs.Apply(wrapped, true, {TXLSXfChange::What::HorizontalAlignment, 2});
    ASSERT_EQ(bold.value, 21);
    ASSERT_EQ(wrapped.value, 22);
    ASSERT_EQ(centred.value, 23);
    EXPECT_EQ(xfs.Entry(22).references, 0);

    xfs.CompactForWriting();
    EXPECT_EQ(xfs.Entry(20).writtenNumber, 21);
    EXPECT_EQ(xfs.Entry(21).writtenNumber, 22);
    EXPECT_EQ(xfs.Entry(22).writtenNumber, 0);
    EXPECT_EQ(xfs.Entry(23).writtenNumber, 23);
    EXPECT_EQ(xfs.Entry(23).writtenPosition, 22);
    EXPECT_EQ(xfs.WrittenIxfe(XfIndex{23}), 22);
    EXPECT_EQ(xfs.WrittenIxfe(XfIndex{15}), 15);
    EXPECT_EQ(xfs.WrittenIxfe(XfIndex{0}), 0);
    EXPECT_EQ(xfs.WrittenIxfe(XfIndex{-1}), 0);
    EXPECT_EQ(xfs.WrittenCount(), 23);
}

TEST(XfList, FontsWrittenAreTheBuiltInsAndThoseOfWrittenXfs) {
    TXLSXFList xfs;
    // Bold makes font 4 (bold), then size 12 makes font 5 and moves the only
    // font reference away from font 4, although XF 21 still uses font 4.
    const XfIndex bold = xfs.Apply(XfIndex{0}, false, {TXLSXfChange::What::FontBold, 1});
    const XfIndex big = xfs.Apply(XfIndex{0}, false, {TXLSXfChange::What::FontHeight, 240});
    ASSERT_EQ(xfs.FontOf(bold).value, 4);
    ASSERT_EQ(xfs.FontOf(big).value, 5);
    // A third font is derived and then its XF loses its last reference.
    const XfIndex red = xfs.Apply(XfIndex{0}, false, {TXLSXfChange::What::FontColor, 10});
    xfs.MoveCellReference(red, bold);
    ASSERT_EQ(xfs.FontOf(red).value, 6);

    xfs.CompactForWriting();
    const TXLSFontList& fonts = xfs.Fonts();
    EXPECT_EQ(fonts.Entry(4).writtenNumber, 5);
    EXPECT_EQ(fonts.Entry(5).writtenNumber, 6);
    EXPECT_EQ(fonts.Entry(6).writtenNumber, 0);
    EXPECT_EQ(fonts.WrittenCount(), 6);
    // BIFF has no font 4: written numbers 1..4 give 0..3, 5 gives 5.
    EXPECT_EQ(fonts.BiffFontIndex(FontIndex{0}), 0);
    EXPECT_EQ(fonts.BiffFontIndex(FontIndex{3}), 3);
    EXPECT_EQ(fonts.BiffFontIndex(FontIndex{4}), 5);
    EXPECT_EQ(fonts.BiffFontIndex(FontIndex{5}), 6);
}

TEST(XfList, StyleXfReadsItsOwnGroups) {
    const TXLSXFList xfs;
    // XF 16 sets every group itself; XF 1 (font flag clear) reads its own key.
    EXPECT_EQ(xfs.FontOf(XfIndex{16}).value, 1);
    EXPECT_EQ(xfs.FontOf(XfIndex{1}).value, 0);
}

class FormattingTest : public ::testing::Test {
  protected:
    TXLSWorkbook book;
    IXLSWorksheet& sheet = book.Worksheets().Add();
    const TXLSXFList& xfs = book.XFList();
};

TEST_F(FormattingTest, FourColumnOneSettersEndOnXf23) {
    const int n = 6;
    IXLSRange column = sheet.Range(1, 1, n, 1);
    column.Font().SetSize(10);
    column.Font().SetBold(false);
    column.Borders().SetColorIndex(color_index::kAutomatic);
    column.SetHorizontalAlignment(alignment::kCenter);

    for (int row = 1; row <= n; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(FormatAt(sheet, row, 1).xf.value, 23);
    }
    const TXLSXFFields fields = xfs.Fields(XfIndex{23});
    EXPECT_EQ(fields.fontIndex, 4);
    EXPECT_EQ(fields.alignment, (std::array<std::uint8_t, 3>{0x22, 0x00, 0x00}));
    EXPECT_EQ(fields.border1, 0x20401111U);
    EXPECT_EQ(fields.border2, 0x00002040U);
    EXPECT_EQ(fields.fillPattern, 0);
    EXPECT_EQ(fields.fillColors, xfs.Fields(XfIndex{15}).fillColors);
    EXPECT_EQ(fields.usedFlags, 0x0E);
    EXPECT_EQ(xfs.Entry(21).references, 0);
    EXPECT_EQ(xfs.Entry(22).references, 0);

    book.CompactFormats();
    for (int xf = 0; xf <= 20; ++xf) {
        EXPECT_GT(xfs.Entry(xf).writtenNumber, 0) << xf;
    }
    EXPECT_EQ(xfs.Entry(21).writtenNumber, 0);
    EXPECT_EQ(xfs.Entry(22).writtenNumber, 0);
    EXPECT_EQ(xfs.Entry(23).writtenNumber, 22);
    EXPECT_EQ(xfs.WrittenCount(), 22);
}

TEST_F(FormattingTest, XfThatLosesItsLastReferenceIsNotWritten) {
    sheet.Range(1, 1, 2, 1).Font().SetBold(true);  // XF 21
    sheet.Range(1, 1, 2, 1).Font().SetSize(12);    // XF 22; 21 unused
    book.CompactFormats();
    EXPECT_EQ(xfs.Count(), 23);
    EXPECT_EQ(xfs.Entry(21).references, 0);
    EXPECT_EQ(xfs.Entry(21).writtenNumber, 0);
    EXPECT_EQ(xfs.Entry(22).writtenNumber, 22);
    // It stays in the table and is found again by its key.
    sheet.Range(3, 1, 3, 1).Font().SetBold(true);
    EXPECT_EQ(FormatAt(sheet, 3, 1).xf.value, 21);
}

TEST_F(FormattingTest, ReferenceCountsFollowTheCells) {
    sheet.Range(1, 1, 10, 2).Font().SetBold(true);
    EXPECT_EQ(xfs.Entry(21).references, 20);
    sheet.Range(1, 1, 5, 2)
        .Font()
        .SetBold(false);  // back to a copy of XF 15 with font 5? no: font 4
    std::int32_t total = 0;
    for (int xf = 21; xf < xfs.Count(); ++xf) {
        total += xfs.Entry(xf).references;
    }
    EXPECT_EQ(total, 20);
    EXPECT_EQ(xfs.Entry(21).references, 10);
}

}  // namespace
}  // namespace xls
