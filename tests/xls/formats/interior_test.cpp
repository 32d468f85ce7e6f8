#include "xls/formats/interior.h"

#include <gtest/gtest.h>

#include "tests/xls/model/cell_format_probe.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"

namespace xls {
namespace {

using testing::EdgesOf;
using testing::FormatAt;

struct FillCase {
    const char* name;
    std::vector<int> colorIndices;
    int pattern;
    int foreground;
    int background;
};

TEST(Fill, PatternsFollowTheColourSequence) {
    const FillCase cases[] = {
        {"one colour on a default cell", {8}, 1, 15, 64},
        {"colour then none", {8, 0}, 0, 64, 65},
        {"colour then -4142", {8, color_index::kNone}, 0, 64, 65},
        {"solid: only the foreground changes", {8, 4}, 1, 11, 64},
        {"automatic", {color_index::kAutomatic}, 1, 65, 64},
        {"ignored value", {8, 57}, 1, 15, 64},
        {"ignored on a default cell", {-1}, 0, 64, 65},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        TXLSWorkbook book;
        IXLSWorksheet& sheet = book.Worksheets().Add();
        sheet.Range(1, 1, 1, 1).Font().SetBold(true);  // the cell exists whatever the fill
        for (int index : c.colorIndices) {
            sheet.Range(1, 1, 1, 1).Interior().SetColorIndex(index);
        }
        const TXLSXFFields fields = FormatAt(sheet, 1, 1).fields;
        EXPECT_EQ(fields.fillPattern, c.pattern);
        EXPECT_EQ(fields.PatternColor(), c.foreground);
        EXPECT_EQ(fields.BackgroundColor(), c.background);
    }
}

}  // namespace
}  // namespace xls
