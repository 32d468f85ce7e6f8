#pragma once
// Where the main window's controls stand, in pixels of its client area at 96
// dots per inch, and the shape of the eight category tables.

#include <array>

#include "app/win32/box.h"
#include "calc/categories.h"

namespace ek::app::win32 {

inline constexpr int kClientWidth = 759;
inline constexpr int kClientHeight = 315;

inline constexpr Box kLabel1{56, 8, 79, 13};
inline constexpr Box kFileListBox1{8, 24, 185, 113};
inline constexpr int kFileItemHeight = 13;
inline constexpr Box kLabel3{16, 144, 53, 13};
inline constexpr Box kSubtotalField{96, 144, 81, 21};
inline constexpr Box kLabel4{16, 168, 64, 13};
inline constexpr Box kTotalField{96, 168, 81, 21};
// Four pixels apart, the right one ending under the file list's edge.
inline constexpr Box kButton15{16, 192, 71, 25};
inline constexpr Box kButton16{91, 192, 102, 25};
inline constexpr Box kCheckBox1{16, 228, 115, 17};
inline constexpr Box kButton1{136, 224, 57, 25};
inline constexpr Box kRadioGroup2{8, 248, 185, 33};
inline constexpr Box kRadioGroup3{8, 280, 185, 33};
inline constexpr Box kPageControl1{200, 0, 557, 313};

inline constexpr int kTableColumns = 5;
inline constexpr int kTableTop = 8;  // inside the tab's page
inline constexpr int kTableWidth = 537;
inline constexpr int kTableRowHeight = 19;

struct TableShape {
    int left;  // inside the tab's page
    int height;
    std::array<int, kTableColumns> columnWidths;
    bool tabStop;         // the Tab key stops at it
    bool rangeSelection;  // several rows may be selected at once
    // The columns follow their texts: figures right-aligned and whole, the
    // name column paying for them, headers whole (category tables).
    bool fitsTexts = true;
};

// In the order of calc::kCategories. The plants table is passed by Tab; the
// pool table selects one row at a time.
inline constexpr std::array<TableShape, calc::kCategoryCount> kCategoryTables{{
    {8, 265, {30, 303, 42, 52, 72}, false, true},
    {8, 265, {30, 240, 71, 52, 65}, true, true},
    {8, 265, {30, 231, 76, 65, 61}, true, true},
    {8, 265, {30, 272, 73, 63, 61}, true, false},
    {8, 257, {30, 249, 79, 64, 62}, true, true},
    {8, 265, {30, 223, 87, 74, 81}, true, true},
    {8, 257, {30, 221, 83, 86, 82}, true, true},
    {9, 265, {30, 206, 83, 89, 89}, true, true},
}};

inline constexpr TableShape kPriceListShape{0, 200, {40, 223, 239, 96, 86}, true, true, false};

}  // namespace ek::app::win32
