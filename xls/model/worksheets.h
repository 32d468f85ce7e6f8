#pragma once

// IXLSWorkSheets, the workbook's ordered sheets: adding, looking up by
// position, naming rules, selection and the active sheet.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xls/model/worksheet.h"

namespace xls {

class TXLSWorkbook;

// The workbook's ordered sheets.
class IXLSWorkSheets {
  public:
    explicit IXLSWorkSheets(TXLSWorkbook& workbook);
    ~IXLSWorkSheets();
    IXLSWorkSheets(const IXLSWorkSheets&) = delete;
    IXLSWorkSheets& operator=(const IXLSWorkSheets&) = delete;

    // Appends a sheet named "<prefix><n>" (n from Count() + 1, the first
    // acceptable one); the first sheet added becomes selected and active.
    IXLSWorksheet& Add();
    int Count() const { return static_cast<int>(sheets_.size()); }
    // The sheet at 1-based `position`, nullptr outside 1..Count().
    IXLSWorksheet* Item(int position);
    const IXLSWorksheet* Item(int position) const;

    // 1-based position of the active sheet, 0 while there is none.
    int ActivePosition() const;
    int SelectedCount() const;
    // The first sheet tab shown (0-based).
    int FirstVisibleTab() const { return 0; }

    // Whether `sheet` may take `name` (the name rule against the others).
    bool IsAcceptableName(std::u16string_view name, const IXLSWorksheet* sheet) const;

    // Sheets in collection order.
    template <class Fn>
    void ForEach(Fn&& fn) const {
        for (const auto& sheet : sheets_) {
            fn(static_cast<const IXLSWorksheet&>(*sheet));
        }
    }

  private:
    void Select(IXLSWorksheet& sheet);

    TXLSWorkbook* workbook_;
    std::vector<std::unique_ptr<IXLSWorksheet>> sheets_;
    IXLSWorksheet* active_ = nullptr;
    int identifierCounter_ = 0;
};

}  // namespace xls
