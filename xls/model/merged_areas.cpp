#include "xls/model/merged_areas.h"

#include <algorithm>

namespace xls {

const TXLSMergedArea* TXLSMergedAreas::FindByMaster(RowIndex row, ColumnIndex column) const {
    const auto found = areas_.find(KeyOf(row, column));
    return found == areas_.end() ? nullptr : &found->second;
}

const TXLSMergedArea* TXLSMergedAreas::FindContaining(RowIndex row, ColumnIndex column) const {
    for (const auto& [key, area] : areas_) {
        if (area.row > row) {
            break;  // masters come in row order: no later area starts above `row`
        }
        if (area.Area().Contains(row, column)) {
            return &area;
        }
    }
    return nullptr;
}

TXLSCellArea TXLSMergedAreas::Widened(TXLSCellArea area) const {
    bool changed = true;
    while (changed) {
        changed = false;
        for (const auto& [key, merged] : areas_) {
            const TXLSCellArea other = merged.Area();
            if (area.Overlaps(other) && !area.Contains(other)) {
                area.firstRow = std::min(area.firstRow, other.firstRow);
                area.lastRow = std::max(area.lastRow, other.lastRow);
                area.firstColumn = std::min(area.firstColumn, other.firstColumn);
                area.lastColumn = std::max(area.lastColumn, other.lastColumn);
                changed = true;
            }
        }
    }
    return area;
}

std::vector<TXLSMergedArea> TXLSMergedAreas::RemoveInside(const TXLSCellArea& area) {
    std::vector<TXLSMergedArea> removed;
    for (auto it = areas_.begin(); it != areas_.end();) {
        if (area.Contains(it->second.Area())) {
            removed.push_back(it->second);
            it = areas_.erase(it);
        } else {
            ++it;
        }
    }
    return removed;
}

void TXLSMergedAreas::Add(const TXLSMergedArea& area) {
    areas_.insert_or_assign(KeyOf(area.row, area.column), area);
}

}  // namespace xls
