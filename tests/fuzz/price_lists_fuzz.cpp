// Fuzz target: price lists. The input is read as a price list file through
// CteniCeniku and PrevodDoTabulky, and it is also decoded as a price list
// table. Each table is then written as a new price list and read back: a
// table that is written reads back the same, one that cannot be written
// stops with the message naming its first unwritable character, and nothing
// is written then.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "calc/error.h"
#include "calc/kalkulace.h"
#include "calc/text.h"
#include "calc/windows1250.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/known_messages.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"

namespace ek::fuzz {
namespace {

using calc::Text;
using calc::TextGrid;
using platform::Bytes;

constexpr char16_t kReadName[] = u"Ceník.lst";
constexpr int kItemColumns = 3;  // category, system description, price
constexpr int kMaxRows = 40;
constexpr std::size_t kMaxCellLength = 24;

class Session {
  public:
    Session() : state(withHostFolders(fake), u',') { state.Nastavit(); }

    void readPriceList(const Bytes& content) {
        fake.addFile(Text(test::kPriceLists) + kReadName, content);
        state.Nastavit();
        state.FileListBox2.itemIndex = 0;
        state.VyberCeniku();
    }

    Text writtenPath() const { return Text(test::kPriceLists) + state.Edit12 + u".lst"; }

    test::FakePlatform fake;
    calc::Kalkulace state;

  private:
    static test::FakePlatform& withHostFolders(test::FakePlatform& fake) {
        test::addHostFolders(fake);
        return fake;
    }
};

// A character of a generated cell: mostly what Windows-1250 holds, now and
// then anything at all. TAB, LF, CR and NUL never occur in a cell of a table
// read from a file, so they are not generated either.
bool separatesItems(char16_t unit) {
    return unit == 0 || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

char16_t cellCharacter(FuzzInput& input) {
    const std::uint8_t byte = input.byte();
    char16_t unit = byte;
    if (byte == 0x7F) {
        unit = input.u16();
    } else if (byte >= 0x80) {
        unit = calc::decodeWindows1250(std::string(1, static_cast<char>(byte))).at(0);
    }
    return separatesItems(unit) ? u'x' : unit;
}

Text cellText(FuzzInput& input) {
    const std::size_t length = input.below(kMaxCellLength + 1);
    Text text;
    for (std::size_t i = 0; i < length && !input.empty(); ++i) {
        text.push_back(cellCharacter(input));
    }
    return text;
}

TextGrid tableFrom(FuzzInput& input) {
    const int rows = 1 + static_cast<int>(input.below(kMaxRows));
    TextGrid table(4, rows);
    for (int row = 1; row < rows; ++row) {
        for (int column = 1; column <= kItemColumns; ++column)
            table.setCell(column, row, cellText(input));
    }
    return table;
}

// The first row (from 1) holding a character that Windows-1250 lacks, 0 when
// every row can be written.
int firstUnwritableRow(const TextGrid& table) {
    for (int row = 1; row < table.rowCount(); ++row) {
        for (int column = 1; column <= kItemColumns; ++column) {
            if (calc::findUnencodableWindows1250(table.cell(column, row)) != Text::npos)
                return row;
        }
    }
    return 0;
}

void checkRefusal(const std::string& message, const TextGrid& table) {
    check(isUnwritablePriceListMessage(message), "an unwritable table gives its message", message);
    const int row = firstUnwritableRow(table);
    check(row > 0, "only a table with an unwritable character is refused", message);
    const std::string rowText = " na řádku " + std::to_string(row) + " nelze";
    check(message.find(rowText) != std::string::npos, "the message names the first such row",
          message);
}

void checkReadBack(const TextGrid& written, const TextGrid& read) {
    check(read.rowCount() == written.rowCount(), "a written price list keeps its rows");
    for (int row = 1; row < written.rowCount(); ++row) {
        check(read.cell(0, row) == calc::fromUtf8(std::to_string(row)),
              "a read price list numbers its rows");
        for (int column = 1; column <= kItemColumns; ++column)
            check(read.cell(column, row) == written.cell(column, row),
                  "a written price list reads back the same",
                  calc::toUtf8(written.cell(column, row)) + " / " +
                      calc::toUtf8(read.cell(column, row)));
    }
}

void roundTrip(Session& session, const TextGrid& table) {
    session.state.StringGrid8 = table;
    const Text path = session.writtenPath();
    session.fake.removeFile(path);
    try {
        session.state.ZaznamNovehoCeniku();
    } catch (const calc::CalcError& refused) {
        checkRefusal(refused.what(), table);
        check(session.fake.file(path) == nullptr, "a refused price list writes nothing");
        return;
    }
    check(firstUnwritableRow(table) == 0, "a table with an unwritable character is refused");
    check(session.state.INF_jmeno_souboru == path, "the written file is the one named");
    session.state.CteniCeniku();
    session.state.PrevodDoTabulky();
    checkReadBack(table, session.state.StringGrid8);
}

void readAndRoundTrip(const Bytes& content) {
    Session session;
    session.readPriceList(content);
    const TextGrid& table = session.state.StringGrid8;
    const int lines = static_cast<int>(session.state.ListBox1.size());
    check(table.rowCount() == std::max(1, lines - 1), "a price list of k lines gives k - 1 rows");
    roundTrip(session, TextGrid(table));
}

}  // namespace
}  // namespace ek::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ek::fuzz;
    try {
        readAndRoundTrip(Bytes(data, data + size));
        FuzzInput input({data, size});
        Session session;
        roundTrip(session, tableFrom(input));
    } catch (const std::exception& unexpected) {
        fail("a price list operation raised an unexpected exception", unexpected.what());
    }
    return 0;
}
