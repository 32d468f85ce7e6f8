#include "xls/model/worksheets.h"

#include <string>

#include "xls/model/sheet_name.h"
#include "xls/model/workbook.h"

namespace xls {

IXLSWorkSheets::IXLSWorkSheets(TXLSWorkbook& workbook) : workbook_(&workbook) {}

IXLSWorkSheets::~IXLSWorkSheets() = default;

bool IXLSWorkSheets::IsAcceptableName(std::u16string_view name, const IXLSWorksheet* sheet) const {
    std::vector<std::u16string_view> others;
    others.reserve(sheets_.size());
    for (const auto& other : sheets_) {
        if (other.get() != sheet) {
            others.push_back(other->Name());
        }
    }
    return IsAcceptableSheetName(name, others);
}

IXLSWorksheet& IXLSWorkSheets::Add() {
    std::u16string name;
    for (int n = Count() + 1;; ++n) {
        const std::string digits = std::to_string(n);
        name = workbook_->DefaultSheetNamePrefix() + std::u16string(digits.begin(), digits.end());
        if (IsAcceptableName(name, nullptr)) {
            break;
        }
    }
    auto sheet = std::make_unique<IXLSWorksheet>(*workbook_, ++identifierCounter_, std::move(name));
    sheets_.push_back(std::move(sheet));
    IXLSWorksheet& added = *sheets_.back();
    added.SetPosition(Count());
    if (Count() == 1) {
        Select(added);
    }
    return added;
}

void IXLSWorkSheets::Select(IXLSWorksheet& sheet) {
    for (auto& other : sheets_) {
        other->SetSelected(false);
    }
    sheet.SetSelected(true);
    active_ = &sheet;
}

IXLSWorksheet* IXLSWorkSheets::Item(int position) {
    if (position < 1 || position > Count()) {
        return nullptr;
    }
    return sheets_[static_cast<std::size_t>(position - 1)].get();
}

const IXLSWorksheet* IXLSWorkSheets::Item(int position) const {
    return const_cast<IXLSWorkSheets*>(this)->Item(position);
}

int IXLSWorkSheets::ActivePosition() const {
    return active_ == nullptr ? 0 : active_->Position();
}

int IXLSWorkSheets::SelectedCount() const {
    int count = 0;
    for (const auto& sheet : sheets_) {
        count += sheet->Selected() ? 1 : 0;
    }
    return count;
}

}  // namespace xls
