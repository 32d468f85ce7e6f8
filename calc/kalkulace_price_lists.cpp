// Price lists: the pick, reading into the price list table, writing a new one.

#include "calc/error.h"
#include "calc/file_reading.h"
#include "calc/kalkulace.h"
#include "calc/list_file.h"
#include "calc/price_list.h"
#include "platform/paths.h"

namespace ek::calc {

void Kalkulace::VyberCeniku() {
    const Text name = FileListBox2.selectedName();
    Edit2 = name;
    INF_jmeno_souboru = platform::joinPath(Edit11, name, platform_.separator());
    CteniCeniku();
    PrevodDoTabulky();
}

void Kalkulace::CteniCeniku() {
    std::uint64_t size = 0;
    try {
        size = fileSizeOf(platform_, INF_jmeno_souboru);
    } catch (const CalcError&) {
        ListBox1.clear();
        throw;
    }
    refuseTooLarge(size, INF_jmeno_souboru);  // before ListBox1 is touched
    ListBox1.clear();
    ListBox1 = readListFile(platform_, INF_jmeno_souboru);
}

void Kalkulace::PrevodDoTabulky() {
    TextGrid table = priceListTable(ListBox1);
    // The header row is the table's own, not the file's.
    const std::vector<Text> header =
        StringGrid8.rowCount() > 0 ? StringGrid8.row(0) : std::vector<Text>();
    for (std::size_t c = 0; c < header.size(); ++c)
        table.setCell(static_cast<int>(c), 0, header[c]);
    StringGrid8 = std::move(table);
}

void Kalkulace::ZaznamNovehoCeniku() {
    // Encoded first: a character that cannot be written leaves everything as it was.
    const std::string content = priceListFileBytes(StringGrid8);
    const Text path = platform::joinPath(Edit11, Edit12 + u".lst", platform_.separator());
    // What could not be read back is not written either.
    refuseTooLarge(content.size(), path);
    INF_jmeno_souboru = path;
    writeWholeFile(platform_, INF_jmeno_souboru, platform::Bytes(content.begin(), content.end()));
}

}  // namespace ek::calc
