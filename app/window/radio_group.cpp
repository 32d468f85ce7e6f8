#include "app/window/radio_group.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

namespace ek::app {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), columns_(qMax(1, columns)) {
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index], this);
        buttons_.push_back(button);
        connect(button, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                emit choiceChanged(index);
        });
    }
    arrangeButtons();
}

int RadioGroup::itemIndex() const {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        if (buttons_[index]->isChecked())
            return static_cast<int>(index);
    }
    return -1;
}

void RadioGroup::setItemIndex(int index) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const QSignalBlocker blocker(buttons_[i]);
        // Radio buttons of one parent are exclusive: unchecking needs that off.
        buttons_[i]->setAutoExclusive(false);
        buttons_[i]->setChecked(static_cast<int>(i) == index);
        buttons_[i]->setAutoExclusive(true);
    }
}

QRadioButton* RadioGroup::button(int index) const {
    return buttons_.at(static_cast<std::size_t>(index));
}

namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;  // background beside the caption on the line
constexpr int kFrameInside = 2;     // the frame's lines, and a pixel free

}  // namespace

QRect RadioGroup::frameRect() const {
    return rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
}

void RadioGroup::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Etched lines of its own: styles draw a group box's frame below the
    // caption line, where low groups have no room left for their buttons.
    qDrawShadeRect(&painter, frameRect(), palette(), true, 1);
    const QRect caption(kCaptionLeft, 0, fontMetrics().horizontalAdvance(title()),
                        fontMetrics().height());
    painter.fillRect(caption.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0),
                     palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    arrangeButtons();
}

void RadioGroup::arrangeButtons() {
    if (buttons_.empty())
        return;
    // Inside the frame below the caption line, the buttons share the height
    // row by row and the width column by column.
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int textHeight = fontMetrics().height();
    const int free = height() - textHeight - kFrameInside;
    const int buttonHeight = qMax(1, free / rows);
    const int top = textHeight + (free % rows) / 2;
    const int buttonWidth = qMax(1, (width() - 10) / columns_);
    for (int index = 0; index < count; ++index) {
        const int column = index / rows;
        const int row = index % rows;
        buttons_[static_cast<std::size_t>(index)]->setGeometry(
            8 + column * buttonWidth, top + row * buttonHeight, buttonWidth, buttonHeight);
    }
}

}  // namespace ek::app
