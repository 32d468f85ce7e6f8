#pragma once
// A tab bar that can draw any of its tabs highlighted (bold caption). Tab
// sizes allow for the bold caption, so highlighting never moves the tabs.

#include <vector>

#include <QTabBar>
#include <QTabWidget>

class QStylePainter;

namespace ek::app {

class HighlightTabBar : public QTabBar {
    Q_OBJECT

  public:
    static constexpr int kCaptionMargin = 6;  // pixels left and right of a caption

    explicit HighlightTabBar(QWidget* parent = nullptr);

    bool isHighlighted(int index) const;
    void setHighlighted(int index, bool highlighted);

  protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

  private:
    void paintTab(QStylePainter& painter, int index) const;

    std::vector<bool> highlighted_;
};

// A tab widget whose tab bar is a HighlightTabBar.
class HighlightTabWidget : public QTabWidget {
    Q_OBJECT

  public:
    explicit HighlightTabWidget(QWidget* parent = nullptr);

    HighlightTabBar* highlightTabBar() const { return bar_; }

  private:
    HighlightTabBar* bar_;
};

}  // namespace ek::app
