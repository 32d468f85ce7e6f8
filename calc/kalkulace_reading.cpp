// Reading a material list: Prevod and its steps.

#include "calc/categories.h"
#include "calc/category_index.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "calc/list_file.h"
#include "calc/money.h"
#include "calc/reading_messages.h"
#include "calc/whole_number.h"
#include "calc/working_table.h"

namespace ek::calc {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".txt"

Text baseName(const Text& fileName) {
    if (fileName.size() <= kExtensionLength)
        return {};
    return fileName.substr(0, fileName.size() - kExtensionLength);
}

}  // namespace

void Kalkulace::Prevod() {
    // The export stays off until this reading completes, so that a reading
    // that stops never exports a mix of two files.
    Button16Enabled = false;
    Button14Enabled = false;
    Button15Enabled = false;

    Edit2 = FileListBox1.selectedName();
    INF_jmeno_souboru = baseName(Edit2);

    // Reset before the file is read, so that no failure leaves the figures of
    // the previous file beside this file's name.
    resetFigures();
    std::size_t firstUnbuilt = 0;
    try {
        KalkulaceDoSeznamu();
        SeznamDoTabulky();
        refuseUntrustedTitles();
        // Each builder would build the index again from the same working
        // table, a walk down all its rows: once is enough.
        PrehledKategorii();
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            firstUnbuilt = c + 1;  // a failing builder cuts its own table
            buildCategoryFromIndex(c);
        }
    } catch (const CalcError&) {
        for (std::size_t c = firstUnbuilt; c < kCategoryCount; ++c)
            cutToHeaderRow(c);
        throw;
    }
    showTotals();
    Button15Enabled = true;
}

void Kalkulace::KalkulaceDoSeznamu() {
    ListBox1.clear();
    ListBox1 = readListFile(platform_, listPath());
}

void Kalkulace::SeznamDoTabulky() {
    splitIntoWorkingTable(ListBox1, StringGrid1);
}

Text Kalkulace::listPath() const {
    return Edit1 + Edit2;
}

void Kalkulace::refuseUntrustedTitles() const {
    // Items under a repeated title could belong to either category, and a
    // file without titles is not understood at all: nothing is guessed.
    if (const std::optional<RepeatedTitle> repeated = firstRepeatedTitle(StringGrid1)) {
        throw CalcError(repeatedTitleMessage(listPath(), repeated->title, repeated->firstRow,
                                             repeated->secondRow));
    }
    if (!holdsCategoryTitle(StringGrid1))
        throw CalcError(noCategoryTitleMessage(listPath()));
}

void Kalkulace::showTotals() {
    // Appended rather than prefixed: GCC 12 at -O3 warns of a false overlap
    // in u" " + Text&& (-Wrestrict), which stops the release build.
    Text shown = u" ";
    shown += formatMoney(parseWholeNumber(INF_celkem), decimalSeparator_);
    INF_celkova_cena = std::move(shown);
    INF_cena_kategorie = subtotalOfTab(shownTab);
}

}  // namespace ek::calc
