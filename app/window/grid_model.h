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
    // `grid` must outlive the model (or the next show()); `columns` is the
    // number of columns shown.
    GridModel(const calc::TextGrid& grid, int columns, QObject* parent = nullptr);
    // A model without rows until the first show().
    explicit GridModel(int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Shows `grid` (which must outlive the model or the next call) as it is
    // now: the model cannot see a grid change by itself.
    void show(const calc::TextGrid& grid);

  private:
    const calc::TextGrid* grid_;
    int columns_;
};

}  // namespace ek::app
