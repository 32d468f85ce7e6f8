#pragma once
// The view of one category table: fixed header row, fixed column widths,
// row height 19, nothing editable, text clipped rather than elided.

#include <array>

#include <QTableView>

namespace ek::app {

struct CategoryTableLook {
    std::array<int, 5> columnWidths;
    bool rangeSelection;  // false: one cell at a time
    bool tabStop;         // false: the Tab key passes the table by
};

class CategoryTableView : public QTableView {
    Q_OBJECT

  public:
    static constexpr int kRowHeight = 19;

    CategoryTableView(const CategoryTableLook& look, QWidget* parent = nullptr);

    // Column widths are applied again whenever a model is set or reset.
    void setModel(QAbstractItemModel* model) override;

  private:
    void applyColumnWidths();

    CategoryTableLook look_;
};

}  // namespace ek::app
