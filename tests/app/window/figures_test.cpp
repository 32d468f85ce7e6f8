// Every figure whole, in the real window on the offscreen platform: the two
// figure fields for any total the tool can compute, the category tables'
// figures right-aligned and never cut, long names cut with "…" and whole in
// their tooltip, headers whole; and no table left from a reading beside
// figures that were reset.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include "app/table_columns.h"
#include "app/window/category_table_view.h"
#include "app/window/figure_field.h"
#include "app/window/texts.h"
#include "calc/money.h"
#include "support/window_fixture.h"

namespace ek::test {
namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

QString shownFigure(std::int64_t hundredths) {
    return app::qtText(u" " + calc::formatMoney(hundredths, u','));
}

// The columns of ink (pixels darker than the background) of `image`: first
// and last, or -1, -1.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// How wide `text` is in ink when nothing cuts it.
int wholeInkWidth(const QString& text, const QFont& font) {
    QImage image(QFontMetrics(font).horizontalAdvance(text) + 20, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 30), text);
    painter.end();
    const auto [first, last] = inkColumns(image);
    return last - first;
}

// A material list whose one garden object costs `price` (its text as in the
// file, with no-break spaces), written into the material folder.
void writeMaterialList(const std::filesystem::path& file, const std::u16string& name,
                       const std::u16string& price) {
    const std::u16string text = u"\uFEFF" + name +
                                u"\r\nRostliny projektu zahrady\r\nJavor babyka\t3\t1\u00A0250,00 "
                                u"Kč\t3\u00A0750,00 Kč\r\nOstatní objekty zahrady\r\n" +
                                name + u"\t1\t" + price + u" Kč\t" + price +
                                u" Kč\r\nLavička\t2\t500,00 Kč\t1\u00A0000,00 Kč\r\nKonec\r\n";
    std::ofstream out(file, std::ios::binary);
    for (const char16_t unit : text)
        out.put(static_cast<char>(unit & 0xFF)).put(static_cast<char>(unit >> 8));
}

// What Qt itself gives a column sized to its contents.
int contentsWidth(const QAbstractItemView* view, int column) {
    return view->sizeHintForColumn(column);
}

class FiguresTest : public WindowTest {
  protected:
    app::FigureField* figureField(const char* name) const {
        return control<app::FigureField>(name);
    }
    app::CategoryTableView* table(const char* name) const {
        return control<app::CategoryTableView>(name);
    }
    // Reads a list with a pavilion of a long name for `price` (by default
    // 257 720 024,00: a total of 257 724 774,00) and shows its tab.
    void readLargeProject(const std::u16string& price = u"257\u00A0720\u00A0024,00") {
        writeMaterialList(materialFolder() / "Velká zahrada.txt",
                          u"Zahradní pavilon s kamennou podezdívkou a měděnou střechou", price);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !control<QListWidget>("FileListBox1")
                            ->findItems(QStringLiteral("Velká zahrada.txt"), Qt::MatchExactly)
                            .isEmpty();
            },
            5000));
        clickFile(QStringLiteral("Velká zahrada.txt"));
        clickTab(1);
    }
};

TEST_F(FiguresTest, EveryTotalTheToolCanComputeIsShownWholeInBothFields) {
    openWindow();
    readLargeProject();
    // The reading's own total: 257 724 774,00 once cut to "57724 774,00".
    ASSERT_EQ(figureField("INF_celkova_cena")->text(), shownFigure(25772477400));
    const QString cases[] = {shownFigure(25772477400), shownFigure(kLargest),
                             shownFigure(-kLargest), shownFigure(kLargest / 1000)};
    for (const char* name : {"INF_celkova_cena", "INF_cena_kategorie"}) {
        app::FigureField* field = figureField(name);
        for (const QString& figure : cases) {
            SCOPED_TRACE(name + (" " + figure.toStdString()));
            form->showText(std::string_view(name) == "INF_celkova_cena"
                               ? app::FieldId::INF_celkova_cena
                               : app::FieldId::INF_cena_kategorie,
                           app::stateText(figure));
            EXPECT_EQ(field->text(), figure);
            EXPECT_EQ(field->toolTip(), figure);
            EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(figure), field->textRoom());
            // On screen, as much ink as the whole text has, inside the frame.
            const QImage shown = field->grab().toImage();
            const auto [first, last] = inkColumns(shown.copy(2, 3, shown.width() - 4, 15));
            EXPECT_NEAR(last - first, wholeInkWidth(figure, field->font()), 1);
            EXPECT_GT(first, 0);
            EXPECT_LT(last, shown.width() - 5);
        }
        // A short figure keeps the window's font size.
        form->showText(app::FieldId::INF_celkova_cena, u"0,00");
        form->showText(app::FieldId::INF_cena_kategorie, u"0,00");
        EXPECT_EQ(field->font().pointSizeF(), form->font().pointSizeF());
    }
}

TEST_F(FiguresTest, WhatTheUserTypesIsFittedToo) {
    openWindow();
    app::FigureField* field = figureField("INF_celkova_cena");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("dohodou 1 234 567 890,00"));
    EXPECT_EQ(field->text(), QStringLiteral("dohodou 1 234 567 890,00"));
    EXPECT_LT(field->font().pointSizeF(), form->font().pointSizeF());
    EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), field->textRoom());
}

TEST_F(FiguresTest, TableFiguresAreRightAlignedAndWholeAndTheNamePaysForThem) {
    openWindow();
    // 19 digits in the line total of the category.
    readLargeProject(u"92\u00A0233\u00A0720\u00A0368\u00A0540\u00A0000,00");
    app::CategoryTableView* view = table("StringGrid3");
    const QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->rowCount(), 3)
        << (catcher->messages.empty() ? std::string() : catcher->messages[0].text.toStdString());
    for (int column = 0; column < 5; ++column) {
        SCOPED_TRACE(column);
        const bool figure = column >= 2;
        const auto alignment =
            model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(alignment.testFlag(Qt::AlignRight), figure);
        const auto header =
            model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(header.testFlag(Qt::AlignRight), figure);
        // Qt's own measure of the column's texts and of its header.
        if (figure) {
            EXPECT_GE(view->columnWidth(column), contentsWidth(view, column));
        }
        EXPECT_GE(view->columnWidth(column), view->horizontalHeader()->sectionSizeHint(column));
    }
    // The designed widths stay the least; the name column gave up room but
    // everything stays in the table's width.
    EXPECT_EQ(view->columnWidth(0), 30);
    EXPECT_GE(view->columnWidth(2), 71);
    EXPECT_GT(view->columnWidth(3), 52);
    EXPECT_GT(view->columnWidth(4), 65);
    EXPECT_LT(view->columnWidth(1), 240);
    EXPECT_GE(view->columnWidth(1), app::kSmallestNameWidth);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->width(), 537);
}

TEST_F(FiguresTest, ALongNameEndsInAnEllipsisAndShowsWholeInItsTooltip) {
    openWindow();
    readLargeProject();
    app::CategoryTableView* view = table("StringGrid3");
    const QString name =
        QStringLiteral("Zahradní pavilon s kamennou podezdívkou a měděnou střechou");
    ASSERT_EQ(shownCell("StringGrid3", 0, 1), name);
    EXPECT_EQ(view->textElideMode(), Qt::ElideRight);
    EXPECT_LT(view->columnWidth(1), contentsWidth(view, 1));
    const QPoint longName = view->visualRect(view->model()->index(0, 1)).center();
    const QPoint shortName = view->visualRect(view->model()->index(1, 1)).center();
    EXPECT_EQ(view->toolTipAt(longName), name);
    EXPECT_EQ(view->toolTipAt(shortName), QString());
    // As the user's pointer asks for it.
    QHelpEvent help(QEvent::ToolTip, longName, view->viewport()->mapToGlobal(longName));
    QApplication::sendEvent(view->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), name);
    QToolTip::hideText();
}

TEST_F(FiguresTest, AnEditionChangeLeavesNoTableOfTheLastReadingOnScreen) {
    openWindow();
    clickFile(QString::fromUtf8(kLargerSample));
    ASSERT_GT(control<QTableView>("StringGrid3")->model()->rowCount(), 0);
    clickRadio("RadioGroup3", 0);  // the trial edition: its folders are missing
    EXPECT_EQ(control<QLineEdit>("INF_celkova_cena")->text(), QStringLiteral("0,00"));
    for (const char* name : {"StringGrid2", "StringGrid3", "StringGrid4", "StringGrid5",
                             "StringGrid6", "StringGrid7", "StringGrid9", "StringGrid10"}) {
        SCOPED_TRACE(name);
        const QAbstractItemModel* model = control<QTableView>(name)->model();
        EXPECT_EQ(model->rowCount(), 0);
        EXPECT_EQ(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("cena celkem"));
    }
    // The missing folders were foreseen: warnings.
    ASSERT_EQ(catcher->messages.size(), 2u);
    EXPECT_EQ(catcher->messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(catcher->messages[1].icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace ek::test
