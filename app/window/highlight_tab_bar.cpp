#include "app/window/highlight_tab_bar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace ek::app {

namespace {

QFont boldVersion(QFont font) {
    font.setBold(true);
    return font;
}

}  // namespace

HighlightTabBar::HighlightTabBar(QWidget* parent) : QTabBar(parent) {}

bool HighlightTabBar::isHighlighted(int index) const {
    return index >= 0 && index < static_cast<int>(highlighted_.size()) &&
           highlighted_[static_cast<std::size_t>(index)];
}

void HighlightTabBar::setHighlighted(int index, bool highlighted) {
    if (index < 0 || index >= static_cast<int>(highlighted_.size()) ||
        highlighted_[static_cast<std::size_t>(index)] == highlighted)
        return;
    highlighted_[static_cast<std::size_t>(index)] = highlighted;
    update();
}

void HighlightTabBar::tabInserted(int index) {
    highlighted_.insert(highlighted_.begin() + index, false);
    QTabBar::tabInserted(index);
}

void HighlightTabBar::tabRemoved(int index) {
    highlighted_.erase(highlighted_.begin() + index);
    QTabBar::tabRemoved(index);
}

QSize HighlightTabBar::tabSizeHint(int index) const {
    // Narrow margins, as on the classic tab control, so that all eight tabs
    // fit beside each other; wide enough for the bold caption.
    QSize size = QTabBar::tabSizeHint(index);
    const int captionWidth = QFontMetrics(boldVersion(font())).horizontalAdvance(tabText(index));
    size.setWidth(captionWidth + 2 * kCaptionMargin);
    return size;
}

void HighlightTabBar::paintTab(QStylePainter& painter, int index) const {
    QStyleOptionTab option;
    initStyleOption(&option, index);
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    const QFont captionFont = isHighlighted(index) ? boldVersion(font()) : font();
    painter.setFont(captionFont);
    option.fontMetrics = QFontMetrics(captionFont);
    painter.drawControl(QStyle::CE_TabBarTabLabel, option);
}

void HighlightTabBar::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    // The current tab last, so that its shape overlaps its neighbours.
    for (int index = 0; index < count(); ++index) {
        if (index != currentIndex())
            paintTab(painter, index);
    }
    if (currentIndex() >= 0)
        paintTab(painter, currentIndex());
}

HighlightTabWidget::HighlightTabWidget(QWidget* parent)
    : QTabWidget(parent), bar_(new HighlightTabBar(this)) {
    setTabBar(bar_);
}

}  // namespace ek::app
