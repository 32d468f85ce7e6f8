#pragma once
// Presents one table of the working state to a view without copying it: row 0
// of the grid is the header row (the view's fixed header), the grid's other
// rows are the body. Column 0 is the row-number column, drawn like a fixed
// cell and not selectable. In a category table the figures (quantity, unit
// price, line total) stand right-aligned, their headers too.

#include <QAbstractTableModel>

#include "calc/text_grid.h"

namespace ek::app {

class GridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Figures { Left, Right };

    // `grid` must outlive the model (or the next show()); `columns` is the
    // number of columns shown.
    GridModel(const calc::TextGrid& grid, int columns, Figures figures = Figures::Left,
              QObject* parent = nullptr);
    // A model without rows until the first show().
    explicit GridModel(int columns, Figures figures = Figures::Left, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Shows `grid` (which must outlive the model or the next call) as it is
    // now: the model cannot see a grid change by itself.
    void show(const calc::TextGrid& grid);
    const calc::TextGrid& grid() const { return *grid_; }

  private:
    Qt::Alignment alignment(int column) const;

    const calc::TextGrid* grid_;
    int columns_;
    Figures figures_;
};

}  // namespace ek::app
