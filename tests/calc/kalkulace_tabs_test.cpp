// The tab shown, its subtotal, the arrow keys of the file list, and the
// developer operation that cuts the tools section.

#include <gtest/gtest.h>

#include "calc/kalkulace.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::calc {
namespace {

using namespace ek::test;

constexpr int kLeft = 37;
constexpr int kRight = 39;

class Tabs : public ReadingFixture {
  protected:
    Tabs() {
        // Three files; the worked example is the middle one.
        fake.addFile(std::u16string(kMaterialLists) + u"A první.txt", utf16File(u"Stavba\r\n"));
        fake.addFile(std::u16string(kMaterialLists) + u"Z poslední.txt", utf16File(u"Stavba\r\n"));
        pick(u"Zahrada u domu.txt", workedExampleText());
    }
    int reads(const std::u16string& name) const {
        return fake.readCount(std::u16string(kMaterialLists) + name);
    }
    void select(const std::u16string& name) {
        const auto& items = k.FileListBox1.items;
        k.FileListBox1.itemIndex =
            static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
    }
};

TEST_F(Tabs, TabChangeByTheUserShowsItsSubtotal) {
    k.Prevod();
    for (const auto& [tab, subtotal] : {std::pair{2, u" 9 000,00"}, std::pair{8, u" 0 980,00"},
                                        std::pair{4, u"0,00"}, std::pair{1, u" 3 750,00"}}) {
        k.shownTab = tab;
        k.PageControl1Change();
        EXPECT_EQ(k.INF_cena_kategorie, subtotal) << tab;
        EXPECT_EQ(k.highlightedTab, tab);
    }
}

TEST_F(Tabs, ReadingShowsTheSubtotalOfTheTabShown) {
    k.shownTab = 2;
    k.Prevod();
    EXPECT_EQ(k.INF_cena_kategorie, u" 9 000,00");
    EXPECT_EQ(k.highlightedTab, 0);  // a reading changes no highlighting
}

struct ArrowCase {
    int key;
    int from;
    int to;
    int highlighted;
};

class ArrowKeys : public Tabs, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowKeys, MoveBetweenTheFirstSixTabsAndReadTheSameFileAgain) {
    const ArrowCase& c = GetParam();
    k.Prevod();
    const int before = reads(u"Zahrada u domu.txt");
    k.shownTab = c.from;
    EXPECT_TRUE(k.FileListBox1KeyDown(c.key));
    EXPECT_EQ(k.shownTab, c.to);
    EXPECT_EQ(k.highlightedTab, c.highlighted);
    EXPECT_EQ(reads(u"Zahrada u domu.txt"), before + 1);
    EXPECT_EQ(k.FileListBox1.selectedName(), u"Zahrada u domu.txt");
    EXPECT_EQ(k.INF_cena_kategorie, k.subtotalItem(static_cast<std::size_t>(c.to - 1)));
}

INSTANTIATE_TEST_SUITE_P(Keys, ArrowKeys,
                         ::testing::Values(ArrowCase{kRight, 1, 2, 2}, ArrowCase{kRight, 5, 6, 6},
                                           ArrowCase{kRight, 6, 6, 6}, ArrowCase{kRight, 7, 7, 0},
                                           ArrowCase{kRight, 8, 8, 0}, ArrowCase{kLeft, 2, 1, 1},
                                           ArrowCase{kLeft, 6, 5, 5}, ArrowCase{kLeft, 1, 1, 1},
                                           ArrowCase{kLeft, 7, 7, 0}, ArrowCase{kLeft, 8, 8, 0}));

TEST_F(Tabs, ArrowKeysAtTheFirstAndLastFileReadOnlyThatFile) {
    for (const std::u16string name : {u"A první.txt", u"Z poslední.txt"}) {
        select(name);
        for (const int key : {kLeft, kRight}) {
            const int before = reads(name);
            EXPECT_TRUE(k.FileListBox1KeyDown(key));
            EXPECT_EQ(k.FileListBox1.selectedName(), name);
            EXPECT_EQ(reads(name), before + 1);
        }
    }
    EXPECT_EQ(reads(u"Zahrada u domu.txt"), 0);
}

TEST_F(Tabs, OtherKeysAreTheLists) {
    EXPECT_FALSE(k.FileListBox1KeyDown(38));
    EXPECT_FALSE(k.FileListBox1KeyDown(13));
    EXPECT_EQ(reads(u"Zahrada u domu.txt"), 0);
    EXPECT_EQ(k.shownTab, 1);
}

TEST_F(Tabs, ArrowKeyWithoutSelectionMovesTheTabOnly) {
    k.FileListBox1.itemIndex = -1;
    EXPECT_FALSE(k.FileListBox1KeyDown(kRight));
    EXPECT_EQ(k.shownTab, 2);
    EXPECT_EQ(reads(u"Zahrada u domu.txt"), 0);
}

TEST(OpravaSeznamu, CutsFromTheLastToolsHeaderToTheLastLine) {
    test::FakePlatform fake;
    Kalkulace k(fake, u',');
    k.ListBox1 = {u"P", u"Nástroje", u"a", u"Nástroje ruční", u"b", u"Konec"};
    k.OpravaSeznamu();
    EXPECT_EQ(k.ListBox1, (TextList{u"P", u"Nástroje", u"a", u"Konec"}));
    EXPECT_EQ(k.ListBox6, k.ListBox1);
}

TEST(OpravaSeznamu, WithoutToolsOrWithToolsFirstNothingChanges) {
    test::FakePlatform fake;
    Kalkulace k(fake, u',');
    for (const TextList& lines : {TextList{u"P", u"Nástroj", u"Konec"},
                                  TextList{u"Nástroje", u"a", u"Konec"}, TextList{}}) {
        k.ListBox1 = lines;
        k.ListBox6 = {u"starý"};
        k.OpravaSeznamu();
        EXPECT_EQ(k.ListBox1, lines);
        EXPECT_TRUE(k.ListBox6.empty());
    }
}

}  // namespace
}  // namespace ek::calc
