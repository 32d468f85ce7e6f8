#pragma once
// A tab bar that can draw any of its tabs highlighted (bold caption). The
// tabs are sized for their captions at the window's font size (the blanks
// around a caption left out), so highlighting never moves them; a bold
// caption too wide for its tab is drawn a little smaller. All tabs stay side
// by side in the width they are given: where the window's font is too wide
// for that (a fallback for the narrow face the layout was made for), all
// captions are drawn smaller. The tab with the keyboard focus shows it.

#include <vector>

#include <QTabBar>
#include <QTabWidget>

class QStylePainter;

namespace ek::app {

class HighlightTabBar : public QTabBar {
    Q_OBJECT

  public:
    static constexpr int kCaptionMargin = 4;  // pixels left and right of a caption
    static constexpr double kSmallestCaptionPoints = 6.0;

    explicit HighlightTabBar(QWidget* parent = nullptr);

    bool isHighlighted(int index) const;
    void setHighlighted(int index, bool highlighted);

    // The width all tabs must fit in (0: no limit).
    void setAvailableWidth(int pixels);
    // The font of the captions that are not highlighted.
    QFont captionFont() const;
    // The font tab `index`'s caption is drawn in.
    QFont captionFontOf(int index) const;
    // A caption as drawn: without the blanks around it.
    QString shownCaption(int index) const;

  protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

  private:
    void paintTab(QStylePainter& painter, int index) const;
    void paintFocus(QStylePainter& painter, const QRect& caption) const;
    int tabsWidth(const QFont& captions) const;

    std::vector<bool> highlighted_;
    int availableWidth_ = 0;
};

// A tab widget whose tab bar is a HighlightTabBar.
class HighlightTabWidget : public QTabWidget {
    Q_OBJECT

  public:
    explicit HighlightTabWidget(QWidget* parent = nullptr);

    HighlightTabBar* highlightTabBar() const { return bar_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    HighlightTabBar* bar_;
};

}  // namespace ek::app
