#pragma once
// The developer functions, kept out of the main window: the single steps of a
// reading, the category builders, the price lists, the hand-off probes and
// the price list table. The panel only holds the controls; the main window
// connects them to the window's handlers and fills them.

#include <QDialog>

class QLabel;
class QPushButton;

namespace ek::app {

class CategoryTableView;
class FileListBox;
class GridModel;
class RadioGroup;

class DeveloperPanel : public QDialog {
    Q_OBJECT

  public:
    explicit DeveloperPanel(QWidget* parent = nullptr);

    // Reading
    QPushButton* Button2;  // "Složka pro kalkulace": no operation
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button10;  // the current directory in a message box
    // Categories
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button9;
    QPushButton* Button11;
    QPushButton* Button12;
    QPushButton* Button13;
    QPushButton* Button22;
    QPushButton* Button23;
    // Price lists
    QLabel* priceListsLabel;  // "Ceníky"
    FileListBox* FileListBox2;
    QPushButton* Button19;
    QPushButton* Button20;
    QPushButton* Button21;
    CategoryTableView* StringGrid8;
    GridModel* priceListModel;
    // Hand-off
    QPushButton* Button14;
    QPushButton* Button17;
    QPushButton* Button18;
    RadioGroup* RadioGroup1;
    QLabel* Label5;
};

}  // namespace ek::app
