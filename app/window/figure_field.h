#pragma once
// A money figure of the window (the subtotal, the total) in a one-line field
// of fixed width: its whole text is always in view. A text wider than the
// field at the window's font size is drawn smaller until it fits, never cut
// or scrolled; the tooltip holds it as well. What the user types is fitted
// the same way.

#include <QLineEdit>

namespace ek::app {

class FigureField : public QLineEdit {
    Q_OBJECT

  public:
    explicit FigureField(QWidget* parent = nullptr);

    // The pixels the text may take without the field scrolling it.
    int textRoom() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitText();
    QFont normalFont() const;
};

}  // namespace ek::app
