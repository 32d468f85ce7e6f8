// Fuzz target: the spreadsheet library. The input is decoded into a sequence
// of calls on a workbook (sheets added and renamed, values of every Variant
// kind, literal texts, merges, widths, and every format setter with valid and
// invalid arguments) that are also played on an expected model of what the
// workbook holds. Each save into memory must give a compound file that the
// strict test reader accepts, holding only the "Workbook" stream, whose
// records parse back into the expected sheet names and cell contents; the
// same workbook saved twice gives the same bytes.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "calc/text.h"
#include "fuzz/expected_workbook.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_values.h"
#include "support/biff_reader.h"
#include "support/biff_stream.h"
#include "support/cfb_reader.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/io/save_as.h"
#include "xls/model/errors.h"
#include "xls/model/workbook.h"

namespace ek::fuzz {
namespace {

using Kind = ExpectedCell::Kind;

constexpr int kMaxSheets = 12;
constexpr int kMaxSteps = 64;
constexpr int kMaxSaves = 3;
// Per-cell operations on larger blocks are skipped: they would only be slow.
constexpr std::int64_t kMaxCells = 2048;
// Nor is a long text stored in more cells than make this many code units.
constexpr std::int64_t kMaxStoredUnits = 1 << 20;

bool tooMuch(const CellBlock& block, const ExpectedCell& content) {
    const std::int64_t cells = block.cellCount();
    return cells > kMaxCells ||
           cells * static_cast<std::int64_t>(content.text.size()) > kMaxStoredUnits;
}

constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kMulBlank = 0x00BE;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kFirstCellXf = 15;

std::string utf8(const std::u16string& text) {
    return calc::toUtf8(text);
}

bool sameNumber(double written, double expected) {
    return written == expected || (std::isnan(written) && std::isnan(expected));
}

bool hasUnpairedHighSurrogate(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        const bool lowNext = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (high && !lowNext)
            return true;
        if (high)
            ++i;
    }
    return false;
}

// Every string reads piece by piece. The test reader takes any piece that
// ends on a high surrogate for a split pair; a high surrogate without its low
// half has no pair to split, so such a string is left to the text check.
void checkStringPieces(const biff::Sst& sst) {
    for (const biff::SstProblem& problem : sst.problems) {
        const bool loneHalf = problem.what == "surrogate pair split between records" &&
                              problem.stringIndex < sst.strings.size() &&
                              hasUnpairedHighSurrogate(sst.strings[problem.stringIndex].text);
        check(loneHalf, "the shared strings read piece by piece", problem.what);
    }
}

class WorkbookRun {
  public:
    explicit WorkbookRun(FuzzInput& input) : input_(input) {}

    void run() {
        for (int step = 0; step < kMaxSteps && !input_.empty(); ++step)
            this->step();
        saveAndCheck();
    }

  private:
    void step();
    void rename();
    void storeValue(bool throughItem);
    void storeLiteralText();
    void merge();
    void setColumnWidth();
    void setFormat(std::size_t setter);
    void saveAndCheck();
    void checkSheet(const biff::ParsedWorkbook& parsed, std::size_t index, std::size_t xfCount);

    bool haveSheet() const { return workbook_.Worksheets().Count() > 0; }
    std::size_t pickSheet() {
        return input_.below(static_cast<std::size_t>(workbook_.Worksheets().Count()));
    }
    xls::IXLSWorksheet& sheet(std::size_t index) {
        return *workbook_.Worksheets().Item(static_cast<int>(index) + 1);
    }
    // A range of `index` by Range(...) or Cells(), and its block.
    std::pair<xls::IXLSRange, CellBlock> pickRange(std::size_t index);

    FuzzInput& input_;
    xls::TXLSWorkbook workbook_;
    ExpectedWorkbook expected_;
    int saves_ = 0;
    std::vector<std::uint8_t> lastFile_;
};

std::pair<xls::IXLSRange, CellBlock> WorkbookRun::pickRange(std::size_t index) {
    if (input_.below(16) == 0)
        return {sheet(index).Cells(), CellBlock{0, 65535, 0, 255}};
    const int row1 = generateIndex(input_), column1 = generateIndex(input_);
    const int row2 = input_.flag() ? row1 : generateIndex(input_);
    const int column2 = input_.flag() ? column1 : generateIndex(input_);
    return {sheet(index).Range(row1, column1, row2, column2),
            rangeBlock(row1, column1, row2, column2)};
}

void WorkbookRun::step() {
    const std::size_t operation = input_.below(16);
    if (operation == 0) {
        if (workbook_.Worksheets().Count() < kMaxSheets) {
            workbook_.Worksheets().Add();
            expected_.addSheet();
        }
        return;
    }
    if (operation == 15) {
        if (saves_ < kMaxSaves)
            saveAndCheck();
        return;
    }
    if (!haveSheet())
        return;
    switch (operation) {
        case 1:
            return rename();
        case 2:
            return storeValue(false);
        case 3:
            return storeValue(true);
        case 4:
            return storeLiteralText();
        case 5:
            return merge();
        case 6:
            return setColumnWidth();
        default:
            return setFormat(operation - 7);
    }
}

void WorkbookRun::rename() {
    const std::size_t index = pickSheet();
    std::u16string name;
    switch (input_.below(4)) {
        case 0:  // another sheet's name, or one differing only in case
            name = sheet(pickSheet()).Name();
            if (input_.flag() && !name.empty())
                name[0] = static_cast<char16_t>(name[0] ^ 0x20);
            break;
        case 1:  // around the length limit
            name = std::u16string(30 + input_.below(3), u'N');
            break;
        case 2:
            name =
                input_.pick<std::u16string>({u"", u"Sheet1", u"Sheet2", u"a/b", u"[x]", u"a:b",
                                             u"?", u"*", u"\\", u"Ř", u"\U0001F600", u"'quoted'"});
            break;
        default:
            name = input_.text(40);
            break;
    }
    sheet(index).SetName(name);
    expected_.rename(index, name);
}

void WorkbookRun::storeValue(bool throughItem) {
    const std::size_t index = pickSheet();
    auto [range, block] = pickRange(index);
    if (throughItem) {
        const int row = generateIndex(input_), column = generateIndex(input_);
        const std::int64_t targetRow = std::int64_t{block.firstRow} + row - 1;
        const std::int64_t targetColumn = std::int64_t{block.firstColumn} + column - 1;
        const bool inside =
            targetRow >= 0 && targetRow <= 65535 && targetColumn >= 0 && targetColumn <= 255;
        try {
            range = range.Item(row, column);
            check(inside, "Item outside the sheet raises an error");
        } catch (const xls::InvalidIndexError& error) {
            check(!inside, "Item inside the sheet works");
            check(std::string(error.what()) == "Invalid row/column index",
                  "Item outside the sheet gives its message", error.what());
            return;
        }
        block = {static_cast<int>(targetRow), static_cast<int>(targetRow),
                 static_cast<int>(targetColumn), static_cast<int>(targetColumn)};
    }
    const GeneratedValue value = generateValue(input_);
    if (tooMuch(block, value.expected))
        return;
    range.SetValue(value.variant);
    expected_.store(index, block, value.expected);
}

void WorkbookRun::storeLiteralText() {
    const std::size_t index = pickSheet();
    const auto [range, block] = pickRange(index);
    const std::u16string text = generateText(input_);
    const ExpectedCell content = literalText(text);
    if (tooMuch(block, content))
        return;
    range.SetLiteralText(text);
    expected_.store(index, block, content);
}

void WorkbookRun::merge() {
    const std::size_t index = pickSheet();
    const auto [range, block] = pickRange(index);
    if (expected_.widened(index, block).cellCount() > kMaxCells)
        return;
    // Arguments whose meaning is plain: True or a number above 0 merge
    // across, anything else does not.
    switch (input_.below(9)) {
        case 0:
            range.Merge();
            return expected_.merge(index, block, false);
        case 1:
            range.Merge(xls::Variant(true));
            return expected_.merge(index, block, true);
        case 2:
            range.Merge(xls::Variant(false));
            return expected_.merge(index, block, false);
        case 3:
            range.Merge(xls::Variant());
            return expected_.merge(index, block, false);
        case 4:
            range.Merge(xls::Variant::Null());
            return expected_.merge(index, block, false);
        case 5: {
            const double across = generateDouble(input_);
            range.Merge(xls::Variant(across));
            return expected_.merge(index, block, across > 0.0);
        }
        case 6: {
            const auto across = static_cast<std::int16_t>(input_.u16());
            range.Merge(xls::Variant(across));
            return expected_.merge(index, block, across > 0);
        }
        case 7:
            range.Merge(xls::Variant(u"abc"));
            return expected_.merge(index, block, false);
        default:
            range.Merge(xls::Variant(1));
            return expected_.merge(index, block, true);
    }
}

void WorkbookRun::setColumnWidth() {
    const auto [range, block] = pickRange(pickSheet());
    (void)block;
    const GeneratedValue value = generateValue(input_);
    range.SetColumnWidth(value.variant);
}

void WorkbookRun::setFormat(std::size_t setter) {
    const auto [range, block] = pickRange(pickSheet());
    if (block.cellCount() > kMaxCells)
        return;
    switch (setter) {
        case 0:
            return range.Font().SetSize(static_cast<float>(generateDouble(input_)));
        case 1:
            return range.Font().SetBold(input_.flag());
        case 2:
            return range.Font().SetColor(input_.u32());
        case 3:
            return range.Font().SetColorIndex(generateSetting(input_));
        case 4:
            return range.Interior().SetColorIndex(generateSetting(input_));
        case 5:
            return range.Borders().SetColorIndex(generateSetting(input_));
        case 6:
            return range.SetHorizontalAlignment(generateSetting(input_));
        default:
            return range.SetWrapText(generateValue(input_).variant);
    }
}

void WorkbookRun::checkSheet(const biff::ParsedWorkbook& parsed, std::size_t index,
                             std::size_t xfCount) {
    const ExpectedSheet& wanted = expected_.sheets()[index];
    check(parsed.sheets[index].name == wanted.name, "a sheet keeps its name",
          utf8(parsed.sheets[index].name) + " / " + utf8(wanted.name));
    std::map<std::pair<int, int>, ExpectedCell> written;
    for (const biff::Cell& cell : biff::readCells(parsed.sheet(index).records)) {
        check(cell.ixfe == 0 || (cell.ixfe >= kFirstCellXf && cell.ixfe < xfCount),
              "every cell names the default format or a cell format");
        ExpectedCell content;
        if (cell.type == kLabelSst) {
            check(cell.isst < parsed.sst.strings.size(), "a text cell names a shared string");
            content = {Kind::Text, parsed.text(cell.isst), 0.0};
        } else if (cell.type == kBoolErr) {
            content = {Kind::Boolean, {}, cell.number};
        } else if (cell.type != kBlank && cell.type != kMulBlank) {
            content = {Kind::Number, {}, cell.number};
        }
        const bool first = written.emplace(std::pair{cell.row, cell.column}, content).second;
        check(first, "no cell is written twice");
    }
    std::erase_if(written, [](const auto& entry) { return entry.second.kind == Kind::Blank; });
    std::size_t filled = 0;
    for (const auto& [position, cell] : wanted.cells) {
        if (cell.kind == Kind::Blank)
            continue;
        ++filled;
        const auto found = written.find(position);
        const std::string where =
            std::to_string(position.first) + "," + std::to_string(position.second);
        check(found != written.end(), "every filled cell is written", where);
        check(found->second.kind == cell.kind, "a cell keeps its kind", where);
        // The details are made only for a failure: texts can be long.
        if (found->second.text != cell.text) {
            fail("a text cell keeps its text", where + ": " +
                                                   utf8(found->second.text).substr(0, 80) + " / " +
                                                   utf8(cell.text).substr(0, 80));
        }
        if (!sameNumber(found->second.number, cell.number)) {
            fail("a cell keeps its number", where + ": " + std::to_string(found->second.number) +
                                                " / " + std::to_string(cell.number));
        }
    }
    check(filled == written.size(), "no cell is written that was not filled");
}

void WorkbookRun::saveAndCheck() {
    ++saves_;
    if (!haveSheet())
        expected_.addSheet();  // a workbook is saved with at least one sheet
    std::vector<std::uint8_t> file;
    check(xls::SaveToMemory(workbook_, file) == xls::SaveResult::Saved, "a save into memory works");
    std::vector<std::uint8_t> again;
    check(xls::SaveToMemory(workbook_, again) == xls::SaveResult::Saved && again == file,
          "saving the same workbook again gives the same bytes");
    try {
        const cfb::File container = cfb::read(file);
        check(container.streams.size() == 1 && container.streams.contains(u"Workbook"),
              "the compound file holds exactly the Workbook stream");
        const biff::ParsedWorkbook parsed = biff::parse(container.streams.at(u"Workbook"));
        checkStringPieces(parsed.sst);
        check(parsed.sheets.size() == expected_.sheets().size(), "every sheet is written");
        const std::size_t xfCount = biff::findAll(parsed.globals().records, kXf).size();
        for (std::size_t index = 0; index < parsed.sheets.size(); ++index)
            checkSheet(parsed, index, xfCount);
    } catch (const std::runtime_error& malformed) {
        fail("the saved file parses", malformed.what());
    }
}

}  // namespace
}  // namespace ek::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ek::fuzz;
    FuzzInput input({data, size});
    try {
        WorkbookRun(input).run();
    } catch (const std::exception& unexpected) {
        fail("a workbook call raised an unexpected exception", unexpected.what());
    }
    return 0;
}
