#include "xls/model/cell_heap.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

namespace xls {
namespace {

RowIndex Row(int row) {
    return RowIndex{static_cast<std::uint16_t>(row)};
}
ColumnIndex Column(int column) {
    return ColumnIndex{static_cast<std::uint8_t>(column)};
}

TEST(CellHeap, FindsWhatWasInsertedAnywhereOnTheSheet) {
    TXLSCellHeap heap;
    const std::pair<int, int> places[] = {{0, 0},     {0, 255},   {65535, 0}, {65535, 255},
                                          {255, 127}, {256, 128}, {300, 64},  {300, 63}};
    int xf = 1;
    for (const auto& [row, column] : places) {
        heap.Insert(Row(row), Column(column), XfIndex{xf++});
    }
    EXPECT_EQ(heap.Count(), 8U);
    xf = 1;
    for (const auto& [row, column] : places) {
        const TXLSCellRef* cell = heap.Find(Row(row), Column(column));
        ASSERT_NE(cell, nullptr) << row << ", " << column;
        EXPECT_EQ(cell->Row(), Row(row));
        EXPECT_EQ(cell->Column(), Column(column));
        EXPECT_EQ(cell->Xf().value, xf++);
    }
    EXPECT_EQ(heap.Find(Row(1), Column(0)), nullptr);
    EXPECT_EQ(heap.Find(Row(300), Column(65)), nullptr);
    EXPECT_EQ(heap.Find(Row(40000), Column(3)), nullptr);
}

TEST(CellHeap, RowCellsComeInColumnOrderWhateverTheInsertionOrder) {
    std::mt19937 random(7);
    std::vector<int> columns(256);
    for (int i = 0; i < 256; ++i) {
        columns[i] = i;
    }
    std::shuffle(columns.begin(), columns.end(), random);
    TXLSCellHeap heap;
    std::set<int> inserted;
    for (int i = 0; i < 100; ++i) {
        heap.Insert(Row(1000), Column(columns[i]), XfIndex{columns[i]});
        inserted.insert(columns[i]);
        // Every earlier cell is still found with its own data after each insert.
        for (int column : inserted) {
            ASSERT_EQ(heap.Find(Row(1000), Column(column))->Xf().value, column);
        }
    }
    std::vector<int> visited;
    heap.ForEachInRow(Row(1000),
                      [&](const TXLSCellRef& cell) { visited.push_back(cell.Column().value); });
    EXPECT_EQ(visited, std::vector<int>(inserted.begin(), inserted.end()));
    int count = 0;
    heap.ForEachInRow(Row(999), [&](const TXLSCellRef&) { ++count; });
    EXPECT_EQ(count, 0);
}

TEST(CellHeap, NewCellIsBlank) {
    TXLSCellHeap heap;
    const TXLSCellRef& cell = heap.Insert(Row(3), Column(4), XfIndex{15});
    EXPECT_EQ(cell.Kind(), CellKind::Blank);
    EXPECT_EQ(cell.TextIndex(), -1);
    EXPECT_FALSE(cell.Merged());
    EXPECT_TRUE(cell.OwnsXf());
}

TEST(CellHeap, CellStaysCompact) {
    EXPECT_LE(sizeof(TXLSCellRef), 24U);
}

// Neighbouring rows share their group's storage: cells put in out of order,
// and rows that outgrow their slots, keep every other row's cells intact.
TEST(CellHeap, RowsOfOneGroupKeepTheirOwnCells) {
    std::mt19937 random(11);
    TXLSCellHeap heap;
    std::vector<std::set<int>> expected(512);
    for (int round = 0; round < 8; ++round) {
        for (int row = 0; row < 512; ++row) {
            // Row r holds up to r % 9 cells: some stay in place, some spill.
            if (static_cast<int>(expected[row].size()) >= row % 9) {
                continue;
            }
            int column;
            do {
                column = static_cast<int>(random() % 12) * (row % 2 == 0 ? 1 : 21);
            } while (expected[row].count(column) != 0);
            heap.Insert(Row(row), Column(column), XfIndex{row * 256 + column + 1});
            expected[row].insert(column);
        }
    }
    for (int row = 0; row < 512; ++row) {
        std::vector<int> visited;
        heap.ForEachInRow(Row(row), [&](const TXLSCellRef& cell) {
            EXPECT_EQ(cell.Row(), Row(row));
            EXPECT_EQ(cell.Xf().value, row * 256 + cell.Column().value + 1);
            visited.push_back(cell.Column().value);
        });
        EXPECT_EQ(visited, std::vector<int>(expected[row].begin(), expected[row].end())) << row;
        for (int column : expected[row]) {
            ASSERT_NE(heap.Find(Row(row), Column(column)), nullptr) << row << ", " << column;
        }
    }
}

}  // namespace
}  // namespace xls
