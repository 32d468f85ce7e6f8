#include "app/window/category_table_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

#include "app/table_columns.h"
#include "app/window/grid_model.h"

namespace ek::app {

namespace {

// Texts measured in full per column; the others only by their characters.
constexpr std::size_t kMeasuredTexts = 4;
constexpr int kGridLine = 1;

}  // namespace

CategoryTableView::CategoryTableView(const CategoryTableLook& look, QWidget* parent)
    : QTableView(parent), look_(look) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(look.rangeSelection ? QAbstractItemView::ContiguousSelection
                                         : QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(look.fitsTexts ? Qt::ElideRight : Qt::ElideNone);
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
    columns->setTextElideMode(Qt::ElideNone);
}

void CategoryTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    applyColumnWidths();
    if (model != nullptr)
        connect(model, &QAbstractItemModel::modelReset, this, &CategoryTableView::applyColumnWidths,
                Qt::UniqueConnection);
}

int CategoryTableView::headerWidthFor(int column) const {
    // As the header itself sizes a section to its contents.
    return horizontalHeader()->sectionSizeHint(column);
}

int CategoryTableView::roomForColumns() const {
    int room = width() - 2 * frameWidth();
    const int body = height() - 2 * frameWidth() - horizontalHeader()->height();
    const int rowCount = model() != nullptr ? model()->rowCount() : 0;
    if (rowCount * kRowHeight > body)
        room -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return room;
}

int CategoryTableView::cellWidthAt(int row, int column) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = model()->index(row, column);
    // As the view itself sizes a column to its contents.
    return itemDelegateForIndex(index)->sizeHint(option, index).width() + kGridLine;
}

std::array<int, 5> CategoryTableView::widthsForTexts() const {
    const auto* grid = qobject_cast<const GridModel*>(model());
    if (grid == nullptr)
        return look_.columnWidths;
    const QFontMetrics metrics = fontMetrics();
    const auto advance = [&metrics](char16_t unit) {
        return metrics.horizontalAdvance(QChar(unit));
    };
    ColumnWidths widest{};
    for (int column = 0; column < static_cast<int>(widest.size()); ++column) {
        int& width = widest[static_cast<std::size_t>(column)];
        for (const int row : widestRows(grid->grid(), column, advance, kMeasuredTexts)) {
            // Row 0 of the grid is the header; the model's rows start below.
            width =
                std::max(width, row == 0 ? headerWidthFor(column) : cellWidthAt(row - 1, column));
        }
    }
    return fitColumnWidths(look_.columnWidths, widest, headerWidthFor(kNameColumn),
                           roomForColumns());
}

void CategoryTableView::applyColumnWidths() {
    const std::array<int, 5> widths = look_.fitsTexts ? widthsForTexts() : look_.columnWidths;
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
}

QString CategoryTableView::toolTipAt(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    if (!index.isValid() || cellWidthAt(index.row(), index.column()) <= columnWidth(index.column()))
        return {};
    return index.data(Qt::DisplayRole).toString();
}

bool CategoryTableView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !look_.fitsTexts)
        return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt(help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(indexAt(help->pos())));
    return true;
}

}  // namespace ek::app
