// The window's building blocks on their own: the table model over a grid of
// the working state, the tab bar's highlighting, the radio groups, the file
// list's picks and keys, the folder watcher.

#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "app/tform1.h"
#include "app/window/category_table_view.h"
#include "app/window/file_list_box.h"
#include "app/window/folder_watcher.h"
#include "app/window/grid_model.h"
#include "app/window/highlight_tab_bar.h"
#include "app/window/radio_group.h"

namespace ek::app {
namespace {

calc::TextGrid plantsTable() {
    calc::TextGrid grid(5, 3);
    const std::vector<std::vector<calc::Text>> rows{
        {u"por.", u"     Jméno rostliny", u"kusů", u"kus. cena", u"cena celkem"},
        {u"1", u"Acer campestre - javor babyka", u"3", u"1250,00", u"3750,00"},
        {u"", u"Celková cena rostlin", u"", u"", u" 3 750,00"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column)
            grid.setCell(column, row,
                         rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
    return grid;
}

TEST(GridModel, HeaderRowGoesToTheFixedHeaderAndTheRestToTheBody) {
    const calc::TextGrid grid = plantsTable();
    const GridModel model(grid, 5);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("por."));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("     Jméno rostliny"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("Acer campestre - javor babyka"));
    EXPECT_EQ(model.index(1, 4).data().toString(), QStringLiteral(" 3 750,00"));
    // Text outside the grid's columns reads empty, as in the grid.
    const GridModel wider(grid, 7);
    EXPECT_EQ(wider.index(0, 6).data().toString(), QString());
}

TEST(GridModel, NothingIsEditableAndTheRowNumberColumnIsNotSelectable) {
    const calc::TextGrid grid = plantsTable();
    const GridModel model(grid, 5);
    for (int column = 0; column < 5; ++column) {
        const Qt::ItemFlags flags = model.index(0, column).flags();
        EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable)) << column;
        EXPECT_EQ(flags.testFlag(Qt::ItemIsSelectable), column != 0) << column;
    }
}

TEST(GridModel, ShowsTheGridAsItIsWhenToldTo) {
    calc::TextGrid grid = plantsTable();
    GridModel model(grid, 5);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    grid.setRowCount(1);  // a category absent from the next reading: header only
    model.show(grid);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), 0);
    grid = calc::TextGrid();  // not even a header row
    model.show(grid);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QString());
}

TEST(CategoryTableView, KeepsItsColumnWidthsWhenTheModelIsReset) {
    const calc::TextGrid grid = plantsTable();
    GridModel model(grid, 5);
    CategoryTableView view({{30, 303, 42, 52, 72}, false, false});
    view.setModel(&model);
    view.setColumnWidth(1, 10);
    model.show(grid);
    EXPECT_EQ(view.columnWidth(1), 303);
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(view.focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(view.horizontalHeader()->height(), CategoryTableView::kRowHeight);
}

TEST(HighlightTabBar, HighlightingOneTabChangesNoTabsGeometryAndItsCaptionFitsTheTab) {
    HighlightTabBar bar;
    for (const char* caption : {" Rostliny ", "Zahradní objekty", "  Bazén  "})
        bar.addTab(QString::fromUtf8(caption));
    bar.resize(bar.sizeHint());
    const QRect before = bar.tabRect(1);
    bar.setHighlighted(1, true);
    EXPECT_TRUE(bar.isHighlighted(1));
    EXPECT_FALSE(bar.isHighlighted(0));
    EXPECT_EQ(bar.tabRect(1), before);
    // Bold, and within the tab's margins (smaller if it must be).
    EXPECT_TRUE(bar.captionFontOf(1).bold());
    EXPECT_FALSE(bar.captionFontOf(0).bold());
    EXPECT_LE(QFontMetrics(bar.captionFontOf(1)).horizontalAdvance(bar.shownCaption(1)),
              bar.tabRect(1).width() - 2 * HighlightTabBar::kCaptionMargin);
    bar.setHighlighted(1, false);
    EXPECT_FALSE(bar.isHighlighted(1));
    // Out of range: no tab, no crash.
    bar.setHighlighted(7, true);
    EXPECT_FALSE(bar.isHighlighted(7));
}

TEST(HighlightTabBar, CaptionsKeepTheWindowsSizeWhereTheyFitAndAreDrawnSmallerWhereNot) {
    HighlightTabBar bar;
    for (const char* caption : {" Rostliny ", "Zahradní objekty", " Stavební objekty", "  Bazén  "})
        bar.addTab(QString::fromUtf8(caption));
    // The blanks around a caption take no room.
    EXPECT_EQ(bar.shownCaption(0), QStringLiteral("Rostliny"));
    // The bar's preferred width is that of its tabs side by side.
    const auto tabsWidth = [&bar] { return bar.sizeHint().width(); };
    const int natural = tabsWidth();
    EXPECT_EQ(natural, [&bar] {
        int width = 0;
        for (int index = 0; index < bar.count(); ++index)
            width += bar.fontMetrics().horizontalAdvance(bar.shownCaption(index)) +
                     2 * HighlightTabBar::kCaptionMargin;
        return width;
    }());
    bar.setAvailableWidth(natural);
    EXPECT_EQ(bar.captionFont().pointSizeF(), bar.font().pointSizeF());
    bar.setAvailableWidth(natural * 4 / 5);
    EXPECT_LT(bar.captionFont().pointSizeF(), bar.font().pointSizeF());
    EXPECT_LE(tabsWidth(), natural * 4 / 5);
    // Never below the smallest size, even when nothing would fit.
    bar.setAvailableWidth(10);
    EXPECT_GE(bar.captionFont().pointSizeF(), HighlightTabBar::kSmallestCaptionPoints);
}

TEST(HighlightTabBar, HighlightsFollowTheirTabsWhenTabsAreInsertedOrRemoved) {
    HighlightTabBar bar;
    bar.addTab(QStringLiteral("a"));
    bar.addTab(QStringLiteral("b"));
    bar.setHighlighted(1, true);
    bar.insertTab(0, QStringLiteral("new"));
    EXPECT_TRUE(bar.isHighlighted(2));
    bar.removeTab(0);
    EXPECT_TRUE(bar.isHighlighted(1));
    EXPECT_FALSE(bar.isHighlighted(0));
}

TEST(RadioGroup, ReportsTheUsersChoicesOnlyAndCanChooseNothing) {
    RadioGroup group(QStringLiteral("Název rostlin"),
                     {QStringLiteral("první"), QStringLiteral("druhý"), QStringLiteral("oba")}, 3);
    group.resize(185, 33);
    group.show();
    QSignalSpy choices(&group, &RadioGroup::choiceChanged);
    group.setItemIndex(2);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(choices.count(), 0);

    QTest::mouseClick(group.button(0), Qt::LeftButton);
    ASSERT_EQ(choices.count(), 1);
    EXPECT_EQ(choices.takeFirst().at(0).toInt(), 0);
    // A click on the item already chosen changes nothing.
    QTest::mouseClick(group.button(0), Qt::LeftButton);
    EXPECT_EQ(choices.count(), 0);

    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    // The three items share the width side by side.
    EXPECT_LT(group.button(0)->geometry().right(), group.button(1)->geometry().left() + 1);
    EXPECT_EQ(group.button(0)->geometry().top(), group.button(2)->geometry().top());
    EXPECT_LE(group.button(2)->geometry().right(), group.width());
}

class FileListBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(185, 113);
        list.showFiles({QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt")},
                       1);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.setFocus();
    }
    void click(int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(row)).center());
    }

    FileListBox list;
    QSignalSpy picks{&list, &FileListBox::picked};
};

TEST_F(FileListBoxTest, ShowingFilesIsNoPick) {
    EXPECT_EQ(list.currentRow(), 1);
    list.showFiles({QStringLiteral("a.txt"), QStringLiteral("c.txt")}, 0);
    EXPECT_EQ(list.count(), 2);
    list.showFiles({QStringLiteral("a.txt"), QStringLiteral("c.txt")}, -1);
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    EXPECT_EQ(picks.count(), 0);
}

TEST_F(FileListBoxTest, AClickPicksAlsoTheFileAlreadySelected) {
    click(2);
    click(2);
    click(1);
    ASSERT_EQ(picks.count(), 3);
    EXPECT_EQ(picks.at(0).at(0).toInt(), 2);
    EXPECT_EQ(picks.at(1).at(0).toInt(), 2);
    EXPECT_EQ(picks.at(2).at(0).toInt(), 1);
}

TEST_F(FileListBoxTest, KeyboardSelectionChangesArePicks) {
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Home);
    ASSERT_EQ(picks.count(), 2);
    EXPECT_EQ(picks.at(0).at(0).toInt(), 2);
    EXPECT_EQ(picks.at(1).at(0).toInt(), 0);
}

TEST_F(FileListBoxTest, ArrowKeysGoToTheHandlerFirstAndAConsumedKeyMovesNothing) {
    std::vector<int> keys;
    list.setKeyDownHandler([&](int key) {
        keys.push_back(key);
        return key == TForm1::kVirtualKeyRight;
    });
    QTest::keyClick(&list, Qt::Key_Right);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(picks.count(), 0);
    // Not consumed: the one-column list moves up on Left, like Up.
    QTest::keyClick(&list, Qt::Key_Left);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(picks.count(), 1);
    EXPECT_EQ(keys, (std::vector<int>{TForm1::kVirtualKeyRight, TForm1::kVirtualKeyLeft}));
}

TEST(FolderWatcher, ReportsNewRemovedAndRenamedFilesOfTheWatchedFolderOnly) {
    namespace fs = std::filesystem;
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("watcher-" + std::to_string(random()));
    fs::create_directories(root / "watched");
    fs::create_directories(root / "other");
    FolderWatcher watcher;
    QSignalSpy changes(&watcher, &FolderWatcher::folderChanged);
    watcher.watch(QString::fromStdString((root / "watched").string() + "/"));

    std::ofstream(root / "other" / "x.txt") << "x";
    QTest::qWait(FolderWatcher::kSettleMilliseconds * 2);
    EXPECT_EQ(changes.count(), 0);

    // A file written in several steps: one report once it has settled.
    {
        std::ofstream file(root / "watched" / "new.txt");
        file << "one";
        file.flush();
        file << "two";
    }
    EXPECT_TRUE(changes.wait(5000));
    QTest::qWait(FolderWatcher::kSettleMilliseconds * 2);
    EXPECT_EQ(changes.count(), 1);

    fs::rename(root / "watched" / "new.txt", root / "watched" / "renamed.txt");
    EXPECT_TRUE(changes.wait(5000));
    fs::remove(root / "watched" / "renamed.txt");
    EXPECT_TRUE(changes.wait(5000));

    // Another folder replaces the first one.
    watcher.watch(QString::fromStdString((root / "other").string()));
    changes.clear();
    std::ofstream(root / "watched" / "late.txt") << "x";
    QTest::qWait(FolderWatcher::kSettleMilliseconds * 2);
    EXPECT_EQ(changes.count(), 0);
    std::ofstream(root / "other" / "y.txt") << "y";
    EXPECT_TRUE(changes.wait(5000));
    fs::remove_all(root);
}

}  // namespace
}  // namespace ek::app
