#pragma once
// A captioned group of radio buttons laid out in columns, the items spread
// evenly over the group's width. The caption stands on the frame's top line,
// as on the classic group box, so that the buttons find room inside the
// frame of a low group. choiceChanged() reports choices by the user only;
// setItemIndex() changes the choice silently.

#include <vector>

#include <QGroupBox>

class QRadioButton;

namespace ek::app {

class RadioGroup : public QGroupBox {
    Q_OBJECT

  public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* button(int index) const;
    // The frame, in the group's coordinates: from the middle of the caption
    // line down.
    QRect frameRect() const;

  signals:
    void choiceChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrangeButtons();

    std::vector<QRadioButton*> buttons_;
    int columns_;
};

}  // namespace ek::app
