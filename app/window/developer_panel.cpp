#include "app/window/developer_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/category_table_view.h"
#include "app/window/file_list_box.h"
#include "app/window/grid_model.h"
#include "app/window/radio_group.h"
#include "app/window/texts.h"

namespace ek::app {

namespace {

constexpr CategoryTableLook kPriceListLook{{40, 223, 239, 96, 86}, true, true};

QPushButton* addButton(QWidget* parent, QVBoxLayout* column, const char* name,
                       const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

QVBoxLayout* addColumn(QWidget* parent, QGridLayout* grid, int column, const QString& caption) {
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    grid->addWidget(box, 0, column, Qt::AlignTop);
    return layout;
}

}  // namespace

DeveloperPanel::DeveloperPanel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DeveloperPanel"));
    setWindowTitle(kDeveloperPanelTitle.toString());
    // Closing the main window ends the tool even while the panel is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* grid = new QGridLayout(this);

    QVBoxLayout* reading = addColumn(this, grid, 0, QStringLiteral("Čtení"));
    Button2 = addButton(this, reading, "Button2", QStringLiteral("Složka pro kalkulace"));
    Button3 = addButton(this, reading, "Button3", QStringLiteral("Kalkulace do seznamu"));
    Button4 = addButton(this, reading, "Button4", QStringLiteral("Seznam do tabulky"));
    Button10 = addButton(this, reading, "Button10", QStringLiteral("Button10"));
    reading->addStretch();

    QVBoxLayout* categories = addColumn(this, grid, 1, QStringLiteral("Kategorie"));
    Button7 = addButton(this, categories, "Button7", QStringLiteral("Kategorie"));
    Button8 = addButton(this, categories, "Button8", QStringLiteral("Najít kategorii"));
    Button5 = addButton(this, categories, "Button5", QStringLiteral("Rostliny"));
    Button6 = addButton(this, categories, "Button6", QStringLiteral("Zahrada"));
    Button9 = addButton(this, categories, "Button9", QStringLiteral("Stavba"));
    Button11 = addButton(this, categories, "Button11", QStringLiteral("Bazén"));
    Button12 = addButton(this, categories, "Button12", QStringLiteral("Voda"));
    Button13 = addButton(this, categories, "Button13", QStringLiteral("Terén"));
    Button22 = addButton(this, categories, "Button22", QStringLiteral("Třídění rostlin"));
    Button23 = addButton(this, categories, "Button23", QStringLiteral("Button23"));

    QVBoxLayout* priceLists = addColumn(this, grid, 2, QString());
    priceListsLabel = new QLabel(QStringLiteral("Ceníky"), this);
    priceLists->addWidget(priceListsLabel);
    FileListBox2 = new FileListBox(this);
    FileListBox2->setObjectName(QStringLiteral("FileListBox2"));
    FileListBox2->setMinimumSize(185, 113);
    priceLists->addWidget(FileListBox2);
    Button19 = addButton(this, priceLists, "Button19", QStringLiteral("Čtení ceníku"));
    Button20 = addButton(this, priceLists, "Button20", QStringLiteral("Převod do tabulky"));
    Button21 = addButton(this, priceLists, "Button21", QStringLiteral("Záznam nového ceníku"));

    QVBoxLayout* handOff = addColumn(this, grid, 3, QStringLiteral("Tabulkové programy"));
    Button14 = addButton(this, handOff, "Button14", QStringLiteral("Otevřít v OpenOffice"));
    Button17 = addButton(this, handOff, "Button17", QStringLiteral("Kopírovat soubor"));
    Button18 = addButton(this, handOff, "Button18", QStringLiteral("Najit složku Document"));
    RadioGroup1 =
        new RadioGroup(QStringLiteral("RadioGroup1"),
                       {QStringLiteral("[Currenty User]\\My Documents"),
                        QStringLiteral("All Users\\Application Data"),
                        QStringLiteral("[User Specific]\\Application Data"),
                        QStringLiteral("Program Files"), QStringLiteral("All Users\\Documents")},
                       1, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setMinimumSize(220, 105);
    handOff->addWidget(RadioGroup1);
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
    handOff->addWidget(Label5);
    handOff->addStretch();

    StringGrid8 = new CategoryTableView(kPriceListLook, this);
    StringGrid8->setObjectName(QStringLiteral("StringGrid8"));
    StringGrid8->setMinimumSize(700, 200);
    priceListModel = new GridModel(5, GridModel::Figures::Left, this);
    StringGrid8->setModel(priceListModel);
    grid->addWidget(StringGrid8, 1, 0, 1, 4);
}

}  // namespace ek::app
