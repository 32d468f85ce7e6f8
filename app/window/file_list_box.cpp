#include "app/window/file_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "app/tform1.h"

namespace ek::app {

namespace {

// Gives every item the list's item height.
class FixedHeightDelegate : public QStyledItemDelegate {
  public:
    FixedHeightDelegate(const int& height, QObject* parent)
        : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (height_ > 0)
            size.setHeight(height_);
        return size;
    }

  private:
    const int& height_;
};

}  // namespace

int virtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return TForm1::kVirtualKeyLeft;
        case Qt::Key_Up:
            return TForm1::kVirtualKeyUp;
        case Qt::Key_Right:
            return TForm1::kVirtualKeyRight;
        case Qt::Key_Down:
            return TForm1::kVirtualKeyDown;
        default:
            return 0;
    }
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(itemHeight_, this));
    connect(this, &QListWidget::currentRowChanged, this, &FileListBox::onCurrentRowChanged);
}

void FileListBox::setItemHeight(int pixels) {
    itemHeight_ = pixels;
    scheduleDelayedItemsLayout();
}

void FileListBox::showFiles(const QStringList& names, int selectedRow) {
    const QSignalBlocker blocker(this);
    bool same = count() == names.size();
    for (int row = 0; same && row < count(); ++row)
        same = item(row)->text() == names[row];
    if (!same) {
        clear();
        addItems(names);
    }
    if (selectedRow >= 0 && selectedRow < count()) {
        setCurrentRow(selectedRow);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
}

void FileListBox::onCurrentRowChanged(int row) {
    if (row >= 0)
        emit picked(row);
}

void FileListBox::focusInEvent(QFocusEvent* event) {
    // Qt makes the first item current when a list without one gets the focus;
    // nobody chose it, so it is no pick and nothing stays current.
    const bool hadCurrent = currentIndex().isValid();
    const QSignalBlocker blocker(this);
    QListWidget::focusInEvent(event);
    if (!hadCurrent)
        setCurrentIndex(QModelIndex());
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    const int rowBefore = currentRow();
    QListWidget::mousePressEvent(event);
    // A click on the file already selected changes nothing but still picks it.
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && clicked.isValid() && clicked.row() == rowBefore &&
        currentRow() == rowBefore)
        emit picked(rowBefore);
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    const int virtualKey = virtualKeyOf(event->key());
    if (virtualKey != 0 && keyDownHandler_ && keyDownHandler_(virtualKey)) {
        event->accept();
        return;
    }
    // A one-column list moves up on Left and down on Right, like Up and Down.
    switch (event->key()) {
        case Qt::Key_Left:
            if (currentRow() > 0)
                setCurrentRow(currentRow() - 1);
            event->accept();
            return;
        case Qt::Key_Right:
            if (currentRow() + 1 < count())
                setCurrentRow(currentRow() + 1);
            event->accept();
            return;
        default:
            QListWidget::keyPressEvent(event);
    }
}

}  // namespace ek::app
