#include "app/window/category_table_view.h"

#include <QHeaderView>

namespace ek::app {

CategoryTableView::CategoryTableView(const CategoryTableLook& look, QWidget* parent)
    : QTableView(parent), look_(look) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(look.rangeSelection ? QAbstractItemView::ContiguousSelection
                                         : QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // The Tab key leaves the table instead of walking its cells.
    setTabKeyNavigation(false);
    setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->setVisible(false);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* columns = horizontalHeader();
    columns->setFixedHeight(kRowHeight);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(1);
}

void CategoryTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    applyColumnWidths();
    if (model != nullptr)
        connect(model, &QAbstractItemModel::modelReset, this, &CategoryTableView::applyColumnWidths,
                Qt::UniqueConnection);
}

void CategoryTableView::applyColumnWidths() {
    for (int column = 0; column < static_cast<int>(look_.columnWidths.size()); ++column)
        setColumnWidth(column, look_.columnWidths[static_cast<std::size_t>(column)]);
}

}  // namespace ek::app
