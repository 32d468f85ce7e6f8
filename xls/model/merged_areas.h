#pragma once

// A worksheet's merged areas, kept by master cell and never overlapping, as
// MERGEDCELLS writes them.

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "xls/model/cell_area.h"
#include "xls/model/ids.h"

namespace xls {

// One merged area, named by its master (top-left) cell.
struct TXLSMergedArea {
    RowIndex row;
    ColumnIndex column;
    std::uint32_t rowSpan = 1;
    std::uint32_t columnSpan = 1;

    TXLSCellArea Area() const {
        return {row, RowIndex{static_cast<std::uint16_t>(row.value + rowSpan - 1)}, column,
                ColumnIndex{static_cast<std::uint8_t>(column.value + columnSpan - 1)}};
    }
};

// The merged areas of a sheet, in master order (row, then column). Areas never
// overlap: a new merge absorbs the areas it covers.
class TXLSMergedAreas {
  public:
    // The area whose master is (row, column), if any.
    const TXLSMergedArea* FindByMaster(RowIndex row, ColumnIndex column) const;
    // The area holding (row, column), if any.
    const TXLSMergedArea* FindContaining(RowIndex row, ColumnIndex column) const;
    // `area` grown until no merged area crosses its border.
    TXLSCellArea Widened(TXLSCellArea area) const;
    // Removes every area inside `area` and returns them.
    std::vector<TXLSMergedArea> RemoveInside(const TXLSCellArea& area);
    void Add(const TXLSMergedArea& area);

    std::size_t Count() const { return areas_.size(); }
    template <class Fn>
    void ForEach(Fn&& fn) const {
        for (const auto& [key, area] : areas_) {
            fn(area);
        }
    }

  private:
    static std::uint32_t KeyOf(RowIndex row, ColumnIndex column) {
        return (static_cast<std::uint32_t>(row.value) << 8) | column.value;
    }
    std::map<std::uint32_t, TXLSMergedArea> areas_;
};

}  // namespace xls
