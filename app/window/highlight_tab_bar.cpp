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

void HighlightTabBar::setAvailableWidth(int pixels) {
    if (pixels == availableWidth_)
        return;
    availableWidth_ = pixels;
    // Lays the tabs out again with the new caption size: QTabBar offers no
    // other public way to drop the sizes it keeps.
    setIconSize(iconSize());
}

QString HighlightTabBar::shownCaption(int index) const {
    return tabText(index).trimmed();
}

int HighlightTabBar::tabsWidth(const QFont& captions) const {
    const QFontMetrics metrics(captions);
    int width = 0;
    for (int index = 0; index < count(); ++index)
        width += metrics.horizontalAdvance(shownCaption(index)) + 2 * kCaptionMargin;
    return width;
}

QFont HighlightTabBar::captionFont() const {
    QFont captions = font();
    if (availableWidth_ <= 0)
        return captions;
    while (captions.pointSizeF() - 0.5 >= kSmallestCaptionPoints &&
           tabsWidth(captions) > availableWidth_)
        captions.setPointSizeF(captions.pointSizeF() - 0.5);
    return captions;
}

QFont HighlightTabBar::captionFontOf(int index) const {
    const QFont captions = captionFont();
    if (!isHighlighted(index))
        return captions;
    QFont bold = boldVersion(captions);
    const int room = QFontMetrics(captions).horizontalAdvance(shownCaption(index));
    while (bold.pointSizeF() - 0.5 >= kSmallestCaptionPoints &&
           QFontMetrics(bold).horizontalAdvance(shownCaption(index)) > room)
        bold.setPointSizeF(bold.pointSizeF() - 0.5);
    return bold;
}

QSize HighlightTabBar::tabSizeHint(int index) const {
    // Narrow margins, as on the classic tab control, so that all eight tabs
    // fit beside each other.
    QSize size = QTabBar::tabSizeHint(index);
    const int captionWidth = QFontMetrics(captionFont()).horizontalAdvance(shownCaption(index));
    size.setWidth(captionWidth + 2 * kCaptionMargin);
    return size;
}

void HighlightTabBar::paintTab(QStylePainter& painter, int index) const {
    QStyleOptionTab option;
    initStyleOption(&option, index);
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    // The caption is drawn here, centred in the whole tab: the style's label
    // would keep its own wider padding and clip the caption in these margins.
    QRect caption = option.rect;
    if (!option.state.testFlag(QStyle::State_Selected))
        caption.translate(0,
                          style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &option, this));
    painter.setFont(captionFontOf(index));
    painter.drawItemText(caption, Qt::AlignCenter, option.palette, isTabEnabled(index),
                         shownCaption(index), QPalette::WindowText);
    if (hasFocus() && index == currentIndex())
        paintFocus(painter, caption);
}

void HighlightTabBar::paintFocus(QStylePainter& painter, const QRect& caption) const {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    // Styles that hide the focus until the keyboard is used see to that
    // themselves (State_KeyboardFocusChange).
    focus.rect = caption.adjusted(kCaptionMargin / 2, 2, -kCaptionMargin / 2, -1);
    focus.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
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

void HighlightTabWidget::resizeEvent(QResizeEvent* event) {
    // Before the base class lays the bar out in the new width.
    bar_->setAvailableWidth(width());
    QTabWidget::resizeEvent(event);
}

}  // namespace ek::app
