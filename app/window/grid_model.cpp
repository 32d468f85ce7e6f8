#include "app/window/grid_model.h"

#include <QGuiApplication>
#include <QPalette>

#include "app/table_columns.h"
#include "app/window/texts.h"

namespace ek::app {

namespace {

constexpr int kHeaderRow = 0;
constexpr int kRowNumberColumn = 0;

const calc::TextGrid& noRows() {
    static const calc::TextGrid grid(0, 0);
    return grid;
}

}  // namespace

GridModel::GridModel(const calc::TextGrid& grid, int columns, Figures figures, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid), columns_(columns), figures_(figures) {}

GridModel::GridModel(int columns, Figures figures, QObject* parent)
    : GridModel(noRows(), columns, figures, parent) {}

Qt::Alignment GridModel::alignment(int column) const {
    const bool right = figures_ == Figures::Right && isFigureColumn(column);
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return grid_->rowCount() > 0 ? grid_->rowCount() - 1 : 0;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return qtText(grid_->cell(index.column(), index.row() + 1));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(index.column()));
        case Qt::BackgroundRole:
            if (index.column() == kRowNumberColumn)
                return QGuiApplication::palette().button();
            return {};
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
        case Qt::DisplayRole:
            return qtText(grid_->cell(section, kHeaderRow));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(section));
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Never editable: the tables show the reading, the user does not type in them.
    if (index.column() == kRowNumberColumn)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::show(const calc::TextGrid& grid) {
    beginResetModel();
    grid_ = &grid;
    endResetModel();
}

}  // namespace ek::app
