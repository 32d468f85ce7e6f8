#pragma once

// IXLSRange, the automation-style range of a sheet (a cell block, whole rows or
// whole columns): values, literal texts and formulas, number formats, merging, column width,
// alignment, wrapping, and its Font, Interior and Borders objects; also the alignment constants its
// setters take.

#include <span>
#include <string_view>

#include "xls/model/cell_area.h"
#include "xls/model/formula.h"
#include "xls/model/ids.h"
#include "xls/model/variant.h"

namespace xls {

class IXLSWorksheet;
class IXLSFont;
class IXLSInterior;
class IXLSBorders;

enum class RangeKind : std::uint8_t { WholeColumns, WholeRows, CellBlock };

// Horizontal alignment constants of the automation object model.
namespace alignment {
inline constexpr int kGeneral = 1;
inline constexpr int kLeft = -4131;
inline constexpr int kCenter = -4108;
inline constexpr int kRight = -4152;
inline constexpr int kFill = 5;
inline constexpr int kJustify = -4130;
inline constexpr int kCenterAcrossSelection = 7;
inline constexpr int kDistributed = -4117;
}  // namespace alignment

// Colour index constants of the automation object model.
namespace color_index {
inline constexpr int kAutomatic = -4105;
inline constexpr int kNone = -4142;
}  // namespace color_index

// A rectangle of one sheet: a cheap view, made per call and copied freely.
// It refers to the sheet, which must outlive it.
class IXLSRange {
  public:
    IXLSRange(IXLSWorksheet& sheet, const TXLSCellArea& area) : sheet_(&sheet), area_(area) {}

    IXLSWorksheet& Worksheet() const { return *sheet_; }
    const TXLSCellArea& Area() const { return area_; }
    RangeKind Kind() const;

    // The one-cell range (first row + row - 1, first column + column - 1);
    // throws InvalidIndexError when that lies outside the sheet.
    IXLSRange Item(int row, int column) const;

    // Stores `value` in every cell, row by row (the automation rule: a
    // leading apostrophe is dropped, "=" texts are kept as text).
    void SetValue(const Variant& value) const;
    // Stores `text` exactly as given as a text cell in every cell (no
    // apostrophe or "=" rule); the empty text makes blank cells.
    void SetLiteralText(std::u16string_view text) const;
    // SetLiteralText of texts[i] on the cell i rows below the range's first
    // cell, one after the other, as Item(i + 1, 1).SetLiteralText would
    // (InvalidIndexError at the first row past the sheet). For a column of
    // texts: the cells are found and the texts' table entries fetched ahead.
    void SetLiteralTextsDown(std::span<const std::u16string_view> texts) const;

    // Stores `formula` in every cell, with `lastResult` as the value it gave
    // when last computed: what readers show until they compute it again.
    // Texts starting with "=" (SetValue) stay texts; this is the way to
    // formulas.
    void SetFormula(const TXLSFormula& formula, double lastResult) const;

    // The number format of every cell, as its format text (for example
    // "#,##0.00"). "General" is the built-in format 0; every other text
    // becomes one of the workbook's own formats, written as a FORMAT record.
    void SetNumberFormat(std::u16string_view format) const;

    // Merges the range (across: one area per row).
    void Merge() const;
    void Merge(const Variant& across) const;

    // Width of every column of the range, in characters (capped at 255).
    void SetColumnWidth(const Variant& characters) const;
    // The width of the range's first column, in characters.
    double ColumnWidth() const;

    IXLSFont Font() const;
    IXLSInterior Interior() const;
    IXLSBorders Borders() const;
    void SetHorizontalAlignment(int alignment) const;
    void SetWrapText(const Variant& wrap) const;

  private:
    IXLSWorksheet* sheet_;
    TXLSCellArea area_;
};

}  // namespace xls
