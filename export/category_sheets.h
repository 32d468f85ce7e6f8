#pragma once
// The worksheet of each category table in the exported workbook, in the
// order of the worksheets (the order of calc::kCategories).

#include <array>
#include <string_view>

#include "calc/categories.h"

namespace ek::exporter {

struct CategorySheet {
    std::u16string_view sheetName;
    std::u16string_view title;  // cell A1, merged over A1:E1
    int columnCWidth;           // in characters
};

inline constexpr std::array<CategorySheet, calc::kCategoryCount> kCategorySheets{{
    {u"Kalkulace rostlin", u"Kalkulace projektu zahrady - rostliny", 8},
    {u"Kalkulace zahradních objektů", u"Kalkulace projektu zahrady - zahradní objekty", 12},
    {u"Kalkulace stavebních objektů", u"Kalkulace projektu zahrady - stavební objekty", 12},
    {u"Kalkulace objektů bazénu", u"Kalkulace projektu zahrady - objekty bazénu", 12},
    {u"Kalkulace objektů s vodou", u"Kalkulace projektu zahrady - objekty s vodou", 12},
    {u"Kalkulace pozemku", u"Kalkulace projektu zahrady - pozemek", 12},
    {u"Kalkulace objektů silnice", u"Kalkulace projektu zahrady - objekty silnice", 12},
    {u"Kalkulace symbolů projektu", u"Kalkulace projektu zahrady - symboly", 12},
}};

// The texts of the project total row, the last row of every worksheet.
inline constexpr std::u16string_view kProjectTotalText = u"Celková cena projektu";
inline constexpr std::u16string_view kProjectTotalFiller = u" ";

}  // namespace ek::exporter
