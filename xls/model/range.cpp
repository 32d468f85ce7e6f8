#include "xls/model/range.h"

#include "xls/formats/borders.h"
#include "xls/formats/column_width.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/errors.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"

namespace xls {

namespace {

// The alignment code of an automation constant; -1 for an unknown one.
int AlignmentCode(int alignment) {
    switch (alignment) {
        case alignment::kGeneral:
            return 0;
        case alignment::kLeft:
            return 1;
        case alignment::kCenter:
            return 2;
        case alignment::kRight:
            return 3;
        case alignment::kFill:
            return 4;
        case alignment::kJustify:
            return 5;
        case alignment::kCenterAcrossSelection:
            return 6;
        case alignment::kDistributed:
            return 7;
        default:
            return -1;
    }
}

}  // namespace

RangeKind IXLSRange::Kind() const {
    if (area_.firstRow.value == 0 && area_.lastRow == kLastRow) {
        return RangeKind::WholeColumns;
    }
    if (area_.firstColumn.value == 0 && area_.lastColumn == kLastColumn) {
        return RangeKind::WholeRows;
    }
    return RangeKind::CellBlock;
}

IXLSRange IXLSRange::Item(int row, int column) const {
    const long long targetRow = static_cast<long long>(area_.firstRow.value) + row - 1;
    const long long targetColumn = static_cast<long long>(area_.firstColumn.value) + column - 1;
    if (targetRow < 0 || targetRow > kLastRow.value || targetColumn < 0 ||
        targetColumn > kLastColumn.value) {
        throw InvalidIndexError();
    }
    const RowIndex r{static_cast<std::uint16_t>(targetRow)};
    const ColumnIndex c{static_cast<std::uint8_t>(targetColumn)};
    return IXLSRange(*sheet_, TXLSCellArea{r, r, c, c});
}

void IXLSRange::SetValue(const Variant& value) const {
    sheet_->StoreValue(area_, value);
}

void IXLSRange::SetLiteralText(std::u16string_view text) const {
    sheet_->StoreLiteralText(area_, text);
}

void IXLSRange::SetLiteralTextsDown(std::span<const std::u16string_view> texts) const {
    sheet_->StoreLiteralTextsDown(area_.firstRow, area_.firstColumn, texts);
}

void IXLSRange::SetFormula(const TXLSFormula& formula, double lastResult) const {
    sheet_->StoreFormula(area_, formula, lastResult);
}

void IXLSRange::SetNumberFormat(std::u16string_view format) const {
    constexpr std::uint16_t kGeneral = 0;
    const std::uint16_t index = format == u"General"
                                    ? kGeneral
                                    : sheet_->Workbook().MutableXFList().NumFormats().Add(format);
    sheet_->ApplyChange(area_, {TXLSXfChange::What::NumberFormat, index});
}

void IXLSRange::Merge() const {
    sheet_->Merge(area_, false);
}

void IXLSRange::Merge(const Variant& across) const {
    bool acrossRows = false;
    if (across.Type() == VariantType::Boolean) {
        acrossRows = across.ToBoolean().value_or(false);
    } else if (!across.IsEmptyOrNull()) {
        acrossRows = across.ToDouble().value_or(0.0) > 0.0;
    }
    sheet_->Merge(area_, acrossRows);
}

void IXLSRange::SetColumnWidth(const Variant& characters) const {
    const std::optional<double> width = characters.ToDouble();
    if (!width) {
        return;
    }
    if (const std::optional<std::uint16_t> units = ColumnWidthUnits(*width)) {
        sheet_->SetColumnWidthUnits(area_, *units);
    }
}

double IXLSRange::ColumnWidth() const {
    const TXLSColumnInfo* column = sheet_->Columns().Find(area_.firstColumn);
    return ColumnWidthCharacters(column != nullptr ? column->width
                                                   : sheet_->Columns().Default().width);
}

IXLSFont IXLSRange::Font() const {
    return IXLSFont(*this);
}
IXLSInterior IXLSRange::Interior() const {
    return IXLSInterior(*this);
}
IXLSBorders IXLSRange::Borders() const {
    return IXLSBorders(*this);
}

void IXLSRange::SetHorizontalAlignment(int alignment) const {
    const int code = AlignmentCode(alignment);
    if (code < 0) {
        return;
    }
    sheet_->ApplyChange(
        area_, {TXLSXfChange::What::HorizontalAlignment, static_cast<std::uint32_t>(code)});
}

void IXLSRange::SetWrapText(const Variant& wrap) const {
    const std::optional<bool> on = wrap.ToBoolean();
    if (!on) {
        return;
    }
    sheet_->ApplyChange(area_, {TXLSXfChange::What::WrapText, *on ? 1U : 0U});
}

}  // namespace xls
