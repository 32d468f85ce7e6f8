// The Qt main window as the user meets it, on the offscreen platform: real
// widgets driven by mouse clicks and keys, the real file system, the bundled
// sample documents. What the window does is tested without Qt (tests/app);
// here, that the widgets are where they belong and pass the user's actions on.

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/window/developer_panel.h"
#include "app/window/highlight_tab_bar.h"
#include "app/window/radio_group.h"
#include "support/window_fixture.h"

namespace ek::test {
namespace {

class MainWindowTest : public WindowTest {
  protected:
    QString field(const char* name) const { return control<QLineEdit>(name)->text(); }
    bool enabled(const char* name) const { return control<QPushButton>(name)->isEnabled(); }
    QTabWidget* tabs() const { return control<QTabWidget>("PageControl1"); }
    app::HighlightTabBar* tabBar() const {
        return static_cast<app::HighlightTabBar*>(tabs()->tabBar());
    }
    std::vector<int> highlightedTabs() const {
        std::vector<int> result;
        for (int index = 0; index < tabBar()->count(); ++index)
            if (tabBar()->isHighlighted(index))
                result.push_back(index);
        return result;
    }
    QString selectedFile() const {
        const QListWidgetItem* item = control<QListWidget>("FileListBox1")->currentItem();
        return item == nullptr ? QString() : item->text();
    }
    QStringList listedFiles() const {
        QStringList names;
        const auto* list = control<QListWidget>("FileListBox1");
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }
    QStringList plantNames() const {
        QStringList names;
        const auto* view = control<QTableView>("StringGrid2");
        for (int row = 0; row < view->model()->rowCount(); ++row)
            names << shownCell("StringGrid2", row, 1);
        return names;
    }
};

TEST_F(MainWindowTest, StartsOnThePlantsTabWithNothingHighlightedAndTheExportOff) {
    openWindow();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Export kalkulace pro VDG2016"));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral(" Rostliny "));
    EXPECT_TRUE(highlightedTabs().empty());
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral("0,00"));
    EXPECT_EQ(field("INF_celkova_cena"), QStringLiteral("0,00"));
    EXPECT_FALSE(enabled("Button15"));
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_TRUE(enabled("Button1"));
    EXPECT_EQ(control<app::RadioGroup>("RadioGroup2")->itemIndex(), 2);
    EXPECT_EQ(control<app::RadioGroup>("RadioGroup3")->itemIndex(), 1);
    EXPECT_EQ(listedFiles(),
              (QStringList{QString::fromUtf8(kLargerSample), QString::fromUtf8(kWorkedExample)}));
    EXPECT_EQ(selectedFile(), QString());
    EXPECT_TRUE(catcher->messages.empty());
}

TEST_F(MainWindowTest, HasTheFixedLayout) {
    openWindow();
    EXPECT_EQ(form->size(), QSize(759, 315));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->font().pointSize(), 8);
    const struct {
        const char* name;
        QRect geometry;
        const char* caption;
    } controls[] = {
        {"FileListBox1", {8, 24, 185, 113}, nullptr},
        {"INF_cena_kategorie", {96, 144, 81, 21}, nullptr},
        {"INF_celkova_cena", {96, 168, 81, 21}, nullptr},
        {"Button15", {16, 192, 71, 25}, "Export XLS"},
        {"Button16", {91, 192, 102, 25}, "Otevřít v MS Excel"},
        {"Button1", {136, 224, 57, 25}, "Zavřít"},
        {"RadioGroup2", {8, 248, 185, 33}, nullptr},
        {"RadioGroup3", {8, 280, 185, 33}, nullptr},
        {"PageControl1", {200, 0, 557, 313}, nullptr},
    };
    for (const auto& expected : controls) {
        const QWidget* widget = control<QWidget>(expected.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), expected.geometry) << expected.name;
        if (expected.caption != nullptr) {
            const auto* button = qobject_cast<const QPushButton*>(widget);
            EXPECT_EQ(button->text(), QString::fromUtf8(expected.caption));
            // Whatever the font, the caption fits its button.
            EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                << expected.name;
        }
    }
    // The export buttons do not touch.
    EXPECT_LT(control<QWidget>("Button15")->geometry().right() + 1,
              control<QWidget>("Button16")->geometry().left());
    // Labels start where placed; they may grow with a wider fallback font.
    for (const auto& [name, topLeft] :
         {std::pair{"Label1", QPoint(56, 8)}, std::pair{"Label3", QPoint(16, 144)},
          std::pair{"Label4", QPoint(16, 168)}})
        EXPECT_EQ(control<QWidget>(name)->pos(), topLeft) << name;

    const QStringList captions{" Rostliny ", "Zahradní objekty", " Stavební objekty",
                               "  Bazén  ",  "Objekty s vodou",  " Pozemek ",
                               " Silnice ",  " Symboly "};
    ASSERT_EQ(tabs()->count(), 8);
    for (int index = 0; index < 8; ++index) {
        EXPECT_EQ(tabs()->tabText(index), captions[index]);
        // Every tab can be clicked: all eight fit beside each other.
        EXPECT_TRUE(tabBar()->rect().contains(tabBar()->tabRect(index))) << index;
    }
}

TEST_F(MainWindowTest, CategoryTablesHaveTheirColumnsAndFifteenEmptyRowsBeforeTheFirstReading) {
    openWindow();
    const struct {
        const char* name;
        int left;
        int height;
        std::array<int, 5> widths;
    } tables[] = {
        {"StringGrid2", 8, 265, {30, 303, 42, 52, 72}},
        {"StringGrid3", 8, 265, {30, 240, 71, 52, 65}},
        {"StringGrid4", 8, 265, {30, 231, 76, 65, 61}},
        {"StringGrid5", 8, 265, {30, 272, 73, 63, 61}},
        {"StringGrid6", 8, 257, {30, 249, 79, 64, 62}},
        {"StringGrid7", 8, 265, {30, 223, 87, 74, 81}},
        {"StringGrid9", 8, 257, {30, 221, 83, 86, 82}},
        {"StringGrid10", 9, 265, {30, 206, 83, 89, 89}},
    };
    for (const auto& expected : tables) {
        SCOPED_TRACE(expected.name);
        const auto* view = control<QTableView>(expected.name);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->geometry(), QRect(expected.left, 8, 537, expected.height));
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(view->columnWidth(column), expected.widths[static_cast<std::size_t>(column)]);
        // The header row and 14 body rows, all of height 19 and empty.
        EXPECT_EQ(view->model()->rowCount(), 14);
        EXPECT_EQ(view->horizontalHeader()->height(), 19);
        EXPECT_EQ(view->rowHeight(13), 19);
        EXPECT_EQ(shownCell(expected.name, 13, 4), QString());
        EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    }
    EXPECT_EQ(control<QTableView>("StringGrid2")->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(control<QTableView>("StringGrid5")->selectionMode(),
              QAbstractItemView::SingleSelection);
    EXPECT_EQ(control<QTableView>("StringGrid3")->selectionMode(),
              QAbstractItemView::ContiguousSelection);
}

TEST_F(MainWindowTest, PickingTheWorkedExampleFillsTheTablesAndShowsTheFigures) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    EXPECT_EQ(field("INF_celkova_cena"), QStringLiteral(" 13 730,00"));
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral(" 3 750,00"));
    EXPECT_TRUE(enabled("Button15"));
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_EQ(shownCell("StringGrid2", 0, 0), QStringLiteral("1"));
    EXPECT_TRUE(shownCell("StringGrid2", 0, 1).contains(QStringLiteral("javor babyka")));
    EXPECT_TRUE(shownCell("StringGrid3", 0, 1).contains(QStringLiteral("Lavička")));
    EXPECT_TRUE(catcher->messages.empty());
    // A reading changes neither the tab nor the highlighting.
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(highlightedTabs().empty());
}

TEST_F(MainWindowTest, KeyboardSelectionInTheFileListReadsTheFile) {
    openWindow();
    auto* list = control<QListWidget>("FileListBox1");
    list->setFocus();
    // Nothing is selected yet: Down picks the first file, then the next.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selectedFile(), QString::fromUtf8(kLargerSample));
    EXPECT_NE(field("INF_celkova_cena"), QStringLiteral("0,00"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selectedFile(), QString::fromUtf8(kWorkedExample));
    EXPECT_EQ(field("INF_celkova_cena"), QStringLiteral(" 13 730,00"));
    EXPECT_TRUE(enabled("Button15"));
}

TEST_F(MainWindowTest, ClickingATabShowsItsSubtotalAndHighlightsIt) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    clickTab(3);
    EXPECT_EQ(tabs()->currentIndex(), 3);
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral("0,00"));
    EXPECT_EQ(highlightedTabs(), std::vector<int>{3});
    clickTab(1);
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral(" 9 000,00"));
    EXPECT_EQ(highlightedTabs(), std::vector<int>{1});
    // The total stays.
    EXPECT_EQ(field("INF_celkova_cena"), QStringLiteral(" 13 730,00"));
}

TEST_F(MainWindowTest, LeftAndRightInTheFileListMoveTheTabAndKeepTheFile) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    auto* list = control<QListWidget>("FileListBox1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(highlightedTabs(), std::vector<int>{1});
    EXPECT_EQ(selectedFile(), QString::fromUtf8(kWorkedExample));
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral(" 9 000,00"));
    for (int step = 0; step < 6; ++step)
        QTest::keyClick(list, Qt::Key_Right);
    // The arrow keys go no further than the sixth tab.
    EXPECT_EQ(tabs()->currentIndex(), 5);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(tabs()->currentIndex(), 4);
    EXPECT_EQ(highlightedTabs(), std::vector<int>{4});
    EXPECT_EQ(selectedFile(), QString::fromUtf8(kWorkedExample));
    EXPECT_EQ(field("INF_celkova_cena"), QStringLiteral(" 13 730,00"));
    EXPECT_TRUE(catcher->messages.empty());
}

TEST_F(MainWindowTest, FilesWrittenOrRemovedByTheHostShowUpAndTheSelectionStays) {
    namespace fs = std::filesystem;
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    const QString worked = QString::fromUtf8(kWorkedExample);

    // Sorted before both samples: the selected file moves down a row.
    fs::copy_file(materialFolder() / kWorkedExample, materialFolder() / "Altán.txt");
    EXPECT_TRUE(QTest::qWaitFor([&] { return listedFiles().size() == 3; }, 5000));
    EXPECT_EQ(listedFiles().first(), QStringLiteral("Altán.txt"));
    EXPECT_EQ(selectedFile(), worked);
    EXPECT_EQ(control<QListWidget>("FileListBox1")->currentRow(), 2);

    fs::remove(materialFolder() / kLargerSample);
    EXPECT_TRUE(QTest::qWaitFor([&] { return listedFiles().size() == 2; }, 5000));
    EXPECT_EQ(selectedFile(), worked);
    // Following the folder reads nothing; the figures and the export stay.
    EXPECT_EQ(field("INF_celkova_cena"), QStringLiteral(" 13 730,00"));
    EXPECT_TRUE(enabled("Button15"));

    // The arrow keys still read the file selected, now in its new row.
    auto* list = control<QListWidget>("FileListBox1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(selectedFile(), worked);
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral(" 9 000,00"));
    EXPECT_TRUE(catcher->messages.empty());
}

TEST_F(MainWindowTest, CtrlShiftDOpensTheDeveloperPanel) {
    openWindow();
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    auto* panel = form->findChild<QWidget*>(QStringLiteral("DeveloperPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    for (const char* name :
         {"Button2",  "Button3",  "Button4",  "Button5",  "Button6",  "Button7",  "Button8",
          "Button9",  "Button10", "Button11", "Button12", "Button13", "Button14", "Button17",
          "Button18", "Button19", "Button20", "Button21", "Button22", "Button23"})
        EXPECT_NE(panel->findChild<QPushButton*>(QString::fromLatin1(name)), nullptr) << name;
    // Nothing of it is in the main window's client area.
    EXPECT_EQ(panel->window(), panel);
}

// The lowest row of ink (pixels darker than the background) in `area` of
// `image`: the baseline of a text without descenders.
int baselineIn(const QImage& image, const QRect& area) {
    for (int y = area.bottom(); y >= area.top(); --y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                return y;
        }
    }
    return -1;
}

TEST_F(MainWindowTest, LabelsStandOnTheBaselineOfTheirFieldsText) {
    openWindow();
    // Digits only: no descender below the baseline, as in the labels.
    form->showText(app::FieldId::INF_cena_kategorie, u"1000");
    form->showText(app::FieldId::INF_celkova_cena, u"2000");
    const QImage window = form->grab().toImage();
    for (const auto& [label, field] :
         {std::pair{"Label3", "INF_cena_kategorie"}, std::pair{"Label4", "INF_celkova_cena"}}) {
        SCOPED_TRACE(label);
        const QRect fieldText = control<QWidget>(field)->geometry().adjusted(3, 3, -3, -3);
        const int labelBaseline = baselineIn(window, control<QWidget>(label)->geometry());
        EXPECT_NE(labelBaseline, -1);
        EXPECT_EQ(labelBaseline, baselineIn(window, fieldText));
    }
}

TEST_F(MainWindowTest, RadioButtonsSitInsideTheirGroupsFrames) {
    openWindow();
    for (const char* name : {"RadioGroup2", "RadioGroup3"}) {
        SCOPED_TRACE(name);
        const auto* group = control<app::RadioGroup>(name);
        // Inside the frame's lines, below the caption standing on its top.
        const QRect inside = group->frameRect().adjusted(1, 1, -1, -1);
        EXPECT_LT(group->frameRect().top(), group->fontMetrics().height());
        for (int item = 0; item < (std::string_view(name) == "RadioGroup2" ? 3 : 2); ++item) {
            const QRadioButton* button = group->button(item);
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect indicator =
                button->style()
                    ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
                    .translated(button->pos());
            EXPECT_TRUE(inside.contains(indicator)) << item;
            EXPECT_TRUE(group->rect().contains(button->geometry())) << item;
        }
    }
}

TEST_F(MainWindowTest, CtrlTabAndCtrlPageKeysSwitchTabsFromAnywhereAndEscapeKeepsTheWindow) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    auto* list = control<QListWidget>("FileListBox1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(highlightedTabs(), std::vector<int>{1});
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral(" 9 000,00"));
    auto* total = control<QLineEdit>("INF_celkova_cena");
    total->setFocus();
    QTest::keyClick(total, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    auto* table = control<QTableView>("StringGrid4");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    QTest::keyClick(table, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 7);  // round the first tab to the last
    EXPECT_EQ(highlightedTabs(), std::vector<int>{7});
    EXPECT_EQ(field("INF_cena_kategorie"), QStringLiteral(" 0 980,00"));

    QTest::keyClick(list, Qt::Key_Escape);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(catcher->messages.empty());
}

// The keyboard focus moved on with Tab until `target` has it.
bool tabTo(QWidget* window, QWidget* target) {
    for (int step = 0; step < 40 && !target->hasFocus(); ++step)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                        Qt::Key_Tab);
    return target->hasFocus();
}

TEST_F(MainWindowTest, TheKeyboardFocusIsVisibleInTheFileListTheTabBarAndTheTables) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    control<QPushButton>("Button1")->setFocus(Qt::TabFocusReason);
    QWidget* const targets[] = {control<QListWidget>("FileListBox1"), tabs()->tabBar(),
                                control<QTableView>("StringGrid2")};
    for (QWidget* target : targets) {
        SCOPED_TRACE(target->metaObject()->className());
        control<QPushButton>("Button1")->setFocus(Qt::TabFocusReason);
        const QImage without = target->grab().toImage();
        if (target == targets[2])
            target->setFocus(Qt::TabFocusReason);  // the plants table is passed by Tab
        else
            ASSERT_TRUE(tabTo(form.get(), target));
        QApplication::processEvents();
        EXPECT_NE(target->grab().toImage(), without);
    }
}

TEST_F(MainWindowTest, TheDeveloperPanelOpensBesideTheWindowNeverOverIt) {
    openWindow();
    // Centred on the 1920 pixels of the test screen, the window leaves too
    // little room on either side: it moves, and both stay on the screen.
    form->form().openDeveloperPanel();
    QWidget* panel = form->developerPanel();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_FALSE(panel->frameGeometry().intersects(form->frameGeometry()));
    EXPECT_TRUE(screen.contains(panel->frameGeometry()));
    EXPECT_TRUE(screen.contains(form->frameGeometry()));
    // Opened again after closing, where the window now stands: to its right.
    panel->close();
    form->move(0, 0);
    form->form().openDeveloperPanel();
    EXPECT_GT(panel->frameGeometry().left(), form->frameGeometry().right());
    EXPECT_EQ(panel->frameGeometry().top(), form->frameGeometry().top());
}

TEST_F(MainWindowTest, MessageBoxesCarryTheIconOfTheirKind) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    // A save that failed: a foreseen condition.
    std::filesystem::create_directory(materialFolder() / "Zahrada u domu.xls");
    clickButton("Button15");
    // A file that left its folder before the list caught up: the reading fails.
    std::filesystem::remove(materialFolder() / kLargerSample);
    form->form().FileListBox1Click(0);
    // The developer's current directory: information.
    form->form().Button10Click();
    ASSERT_EQ(catcher->messages.size(), 3u);
    EXPECT_EQ(catcher->messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(catcher->messages[1].icon, QMessageBox::Critical);
    EXPECT_EQ(catcher->messages[2].icon, QMessageBox::Information);
    for (const CaughtMessage& message : catcher->messages)
        EXPECT_EQ(message.title, QStringLiteral("Export kalkulace pro VDG2016"));
}

TEST_F(MainWindowTest, AFailedSaveShowsAModalBoxWithTheWindowsTitle) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    // A folder where the workbook belongs: the save cannot put the file there.
    std::filesystem::create_directory(materialFolder() / "Zahrada u domu.xls");
    clickButton("Button15");
    ASSERT_EQ(catcher->messages.size(), 1u);
    EXPECT_EQ(catcher->messages[0].title, QStringLiteral("Export kalkulace pro VDG2016"));
    EXPECT_TRUE(catcher->messages[0].text.endsWith(
        QStringLiteral("se nepodařilo uložit: pod tímto názvem je složka.")));
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, AmountsAsNumbersIsAnUncheckedBoxThatChangesOnlyTheWorkbook) {
    openWindow();
    auto* box = control<QCheckBox>("CheckBox1");
    EXPECT_EQ(box->geometry(), QRect(16, 228, 115, 17));
    EXPECT_FALSE(box->isChecked());
    EXPECT_LE(box->sizeHint().width(), box->width());  // the caption is not cut
    clickFile(QString::fromUtf8(kWorkedExample));
    const auto exported = [this] {
        clickButton("Button15");
        std::ifstream file(materialFolder() / "Zahrada u domu.xls", std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(file), {});
    };
    const std::vector<char> texts = exported();
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_NE(exported(), texts);
    EXPECT_EQ(shownCell("StringGrid2", 0, 4), QStringLiteral("3750,00"));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(exported(), texts);
}

TEST_F(MainWindowTest, ZavritEndsTheToolWithoutAQuestion) {
    openWindow();
    form->form().openDeveloperPanel();
    QWidget* panel = form->developerPanel();
    QTimer::singleShot(0, form.get(), [this] { clickButton("Button1"); });
    // A guard, should the window not end the event loop.
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(catcher->messages.empty());
}

}  // namespace
}  // namespace ek::test
