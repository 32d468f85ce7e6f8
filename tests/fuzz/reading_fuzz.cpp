// Fuzz target: arbitrary bytes as a material list, read through Prevod in
// each plant-name mode. A reading completes, or stops with a message about
// what the file holds (a line total, a sum, the category titles); the three modes agree on
// everything but the plant names and their order; the sorting moves plant rows whole; and a reading
// that follows another project's leaves nothing of that project.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <tuple>
#include <vector>

#include "calc/categories.h"
#include "calc/czech_collation.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "calc/plant_name.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/known_messages.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/sample_files.h"

namespace ek::fuzz {
namespace {

using calc::Text;
using calc::TextGrid;
using platform::Bytes;

constexpr char16_t kFileName[] = u"Projekt.txt";
constexpr int kModes = 3;
constexpr int kObaMode = 2;

struct Outcome {
    std::string error;  // empty after a complete reading
    calc::TextList lines;
    TextGrid workingTable;
    std::array<TextGrid, calc::kCategoryCount> tables;
    std::array<Text, calc::kCategoryCount> subtotals;
    Text total, totalShown, tabShown;
    bool exportEnabled = false;

    bool operator==(const Outcome&) const = default;
};

// A project with every category, read before the input so that anything it
// leaves behind shows.
Bytes previousProject() {
    std::u16string text = u"Předchozí projekt\r\n";
    for (const calc::Category& category : calc::kCategories) {
        text += Text(category.title) + u"\r\n";
        for (int item = 1; item <= 4; ++item) {
            text += u"Položka " + Text(1, static_cast<char16_t>(u'0' + item)) +
                    u" Rosa canina - šípek;\t2\t1\u00A0000,00 Kč\t2\u00A0000,00 Kč\r\n";
        }
    }
    text += u"Konec\r\n";
    return test::utf16File(text);
}

class Session {
  public:
    Session() : state_(withHostFolders(fake_), u',') {}

    Outcome read(const Bytes& content, int mode) {
        fake_.addFile(Text(test::kMaterialLists) + kFileName, content);
        state_.Nastavit();
        state_.FileListBox1.itemIndex = 0;
        state_.RadioGroup2 = mode;
        std::string error;
        try {
            state_.Prevod();
        } catch (const calc::CalcError& stop) {
            error = stop.what();
        } catch (const std::exception& unexpected) {
            fail("the reading raised an unexpected exception", unexpected.what());
        }
        return outcome(std::move(error));
    }

  private:
    static test::FakePlatform& withHostFolders(test::FakePlatform& fake) {
        test::addHostFolders(fake);
        return fake;
    }

    Outcome outcome(std::string error) const {
        Outcome result;
        result.error = std::move(error);
        result.lines = state_.ListBox1;
        result.workingTable = state_.StringGrid1;
        for (std::size_t c = 0; c < calc::kCategoryCount; ++c) {
            result.tables[c] = state_.categoryTable(c);
            result.subtotals[c] = state_.subtotalItem(c);
        }
        result.total = state_.INF_celkem;
        result.totalShown = state_.INF_celkova_cena;
        result.tabShown = state_.INF_cena_kategorie;
        result.exportEnabled = state_.Button15Enabled;
        return result;
    }

    test::FakePlatform fake_;
    calc::Kalkulace state_;
};

using PlantRow = std::tuple<Text, Text, Text, Text>;

// The item rows of a plants table (the total row left out), as `mode` would
// show the names of rows read in mode "oba".
std::vector<PlantRow> plantRows(const TextGrid& plants, bool complete, int mode) {
    std::vector<PlantRow> rows;
    const int itemRows = plants.rowCount() - (complete ? 2 : 1);
    for (int row = 1; row <= itemRows; ++row) {
        std::u16string_view name = plants.cell(1, row);
        if (mode != kObaMode)
            name = calc::shownPlantName(name, static_cast<calc::PlantNameMode>(mode));
        rows.emplace_back(name, plants.cell(2, row), plants.cell(3, row), plants.cell(4, row));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Every high surrogate followed by a low one, every low one preceded by a high one.
bool wellFormed(const Text& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (low)
            return false;
        if (high && (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF))
            return false;
        if (high)
            ++i;
    }
    return true;
}

void checkOutcome(const Outcome& outcome) {
    // What the tables hold reaches a workbook, whose readers refuse broken UTF-16.
    for (const Text& line : outcome.lines)
        check(wellFormed(line), "the lines read are well-formed UTF-16");
    const std::string path = platform::toUtf8(Text(test::kMaterialLists) + kFileName);
    check(outcome.error.empty() || isReadingStopMessage(outcome.error, path),
          "a reading stops only at what the file holds, with its message", outcome.error);
    check(outcome.exportEnabled == outcome.error.empty(),
          "the export is enabled exactly after a complete reading", outcome.error);
    for (const TextGrid& table : outcome.tables)
        check(table.rowCount() >= 1, "every category table keeps its header row");
}

// The mode changes the plant names and their order, nothing else.
void checkModesAgree(const Outcome& shown, int mode, const Outcome& oba) {
    check(shown.error == oba.error, "the plant-name mode does not change the outcome",
          shown.error + " / " + oba.error);
    check(shown.lines == oba.lines && shown.workingTable == oba.workingTable,
          "the plant-name mode does not change the working table");
    for (std::size_t c = 1; c < calc::kCategoryCount; ++c)
        check(shown.tables[c] == oba.tables[c], "the plant-name mode changes only the plants");
    check(shown.subtotals == oba.subtotals && shown.total == oba.total &&
              shown.totalShown == oba.totalShown && shown.tabShown == oba.tabShown,
          "the plant-name mode does not change any sum");
    const TextGrid& plants = shown.tables[0];
    check(plants.rowCount() == oba.tables[0].rowCount(), "the plants table keeps its rows");
    const bool complete = plants.rowCount() > 1 && oba.subtotals[0] != u"0,00";
    check(plantRows(plants, complete, kObaMode) == plantRows(oba.tables[0], complete, mode),
          "sorting moves every plant row whole");
}

void checkSorted(const Outcome& shown) {
    if (!shown.error.empty() || shown.subtotals[0] == u"0,00")
        return;
    static const calc::CzechCollation collation;
    const TextGrid& plants = shown.tables[0];
    for (int row = 2; row + 1 < plants.rowCount(); ++row) {
        check(collation.compare(plants.cell(1, row - 1), plants.cell(1, row)) <= 0,
              "plants are in alphabetical order");
    }
}

}  // namespace
}  // namespace ek::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ek::fuzz;
    const Bytes content(data, data + size);
    std::array<Outcome, kModes> fresh;
    for (int mode = 0; mode < kModes; ++mode) {
        fresh[mode] = Session().read(content, mode);
        checkOutcome(fresh[mode]);
    }
    for (int mode = 0; mode < kModes; ++mode) {
        if (mode != kObaMode) {
            checkModesAgree(fresh[mode], mode, fresh[kObaMode]);
            checkSorted(fresh[mode]);
        }
    }
    const int mode = static_cast<int>(size % kModes);
    Session session;
    session.read(previousProject(), mode);
    check(session.read(content, mode) == fresh[mode],
          "a reading after another project's gives what a first reading gives");
    return 0;
}
