#pragma once
// Presents one table of the working state to a view without copying it: row 0
// of the grid is the header row (the view's fixed header), the grid's other
// rows are the body. Column 0 is the row-number column, drawn like a fixed
// cell and not selectable.

#include <QAbstractTableModel>

#include "calc/text_grid.h"

namespace ek::app {

class GridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // `grid` must outlive the model; `columns` is the number of columns shown.
    GridModel(const calc::TextGrid& grid, int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The model cannot see the grid change: call this after an operation that
    // may have changed it.
    void refresh();

  private:
    const calc::TextGrid& grid_;
    int columns_;
};

}  // namespace ek::app
