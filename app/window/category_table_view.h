#pragma once
// The view of one category table: fixed header row, row height 19, nothing
// editable. In a category table every figure is shown whole: the columns
// are made as wide as their texts (no narrower than designed), the name
// column gives up the room, a name too long for it ends in "…" and shows
// whole in its tooltip, and no header is cut.

#include <array>

#include <QTableView>

namespace ek::app {

struct CategoryTableLook {
    std::array<int, 5> columnWidths;  // as designed: the least each column gets
    bool rangeSelection;              // false: one cell at a time
    bool tabStop;                     // false: the Tab key passes the table by
    bool fitsTexts = false;           // the columns follow their texts (above)
};

class CategoryTableView : public QTableView {
    Q_OBJECT

  public:
    static constexpr int kRowHeight = 19;

    CategoryTableView(const CategoryTableLook& look, QWidget* parent = nullptr);

    // Column widths are set again whenever a model is set or reset.
    void setModel(QAbstractItemModel* model) override;

    // The pixels the cell needs to show its text uncut (row counted in the
    // view, without the header).
    int cellWidthAt(int row, int column) const;
    // The pixels the header of `column` needs to show its text uncut.
    int headerWidthFor(int column) const;
    // The tooltip of the cell at `position` in the viewport: a text the cell
    // cuts, else nothing.
    QString toolTipAt(const QPoint& position) const;

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    void applyColumnWidths();
    std::array<int, 5> widthsForTexts() const;
    int roomForColumns() const;

    CategoryTableLook look_;
};

}  // namespace ek::app
