#pragma once
// A captioned group of radio buttons laid out in columns, the items spread
// evenly over the group's width. choiceChanged() reports choices by the user
// only; setItemIndex() changes the choice silently.

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

  signals:
    void choiceChanged(int index);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrangeButtons();

    std::vector<QRadioButton*> buttons_;
    int columns_;
};

}  // namespace ek::app
