// Writes sample workbooks for the independent readers, each with a JSON file
// of what was put into it (names, texts, merges, formats, widths), so that
// the reader checks compare against the inputs, never against the writer.
//
// usage: xls_biff_samples <folder>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"

namespace {

using xls::IXLSWorksheet;
using xls::TXLSWorkbook;
using xls::Variant;

// What one cell is expected to look like.
struct CellFormat {
    int height = 200;  // twips
    bool bold = false;
    int fontColour = 0x7FFF;  // colour number, 0x7FFF automatic
    std::optional<int> fill;  // colour number of a solid fill
    int horizontal = 0;       // 0 general, 1 left, 2 centre, 3 right
    bool left = false, right = false, top = false, bottom = false;  // thin edges, colour 64
};

struct SheetExpectation {
    std::u16string name;
    std::map<std::pair<int, int>, std::u16string> texts;  // 0-based (row, column)
    std::map<std::pair<int, int>, double> numbers;
    std::vector<std::array<int, 4>> merges;  // rlo, rhi + 1, clo, chi + 1
    std::map<int, int> widths;               // column -> 1/256 characters
    std::map<std::pair<int, int>, CellFormat> formats;
};

std::string jsonText(std::u16string_view text) {
    std::string out = "\"";
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F && unit != '"' && unit != '\\') {
            out.push_back(static_cast<char>(unit));
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out + "\"";
}

void writeJson(const std::string& path, const std::vector<SheetExpectation>& sheets) {
    std::ofstream out(path);
    out << "{\"sheets\": [\n";
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const SheetExpectation& sheet = sheets[s];
        out << (s ? ",\n" : "") << "{\"name\": " << jsonText(sheet.name) << ", \"texts\": [";
        bool first = true;
        for (const auto& [at, text] : sheet.texts) {
            out << (first ? "" : ", ") << "[" << at.first << ", " << at.second << ", "
                << jsonText(text) << "]";
            first = false;
        }
        out << "], \"numbers\": [";
        first = true;
        for (const auto& [at, value] : sheet.numbers) {
            char number[40];
            std::snprintf(number, sizeof number, "%.17g", value);
            out << (first ? "" : ", ") << "[" << at.first << ", " << at.second << ", " << number
                << "]";
            first = false;
        }
        out << "], \"merges\": [";
        first = true;
        for (const auto& m : sheet.merges) {
            out << (first ? "" : ", ") << "[" << m[0] << ", " << m[1] << ", " << m[2] << ", "
                << m[3] << "]";
            first = false;
        }
        out << "], \"widths\": {";
        first = true;
        for (const auto& [column, width] : sheet.widths) {
            out << (first ? "" : ", ") << "\"" << column << "\": " << width;
            first = false;
        }
        out << "}, \"formats\": [";
        first = true;
        for (const auto& [at, f] : sheet.formats) {
            out << (first ? "" : ",\n  ") << "[" << at.first << ", " << at.second
                << ", {\"height\": " << f.height << ", \"bold\": " << (f.bold ? "true" : "false")
                << ", \"font_colour\": " << f.fontColour
                << ", \"fill\": " << (f.fill ? std::to_string(*f.fill) : "null")
                << ", \"horizontal\": " << f.horizontal << ", \"edges\": [" << f.left << ", "
                << f.right << ", " << f.top << ", " << f.bottom << "]}]";
            first = false;
        }
        out << "]}";
    }
    out << "\n]}\n";
}

std::u16string number(int n) {
    std::u16string text;
    for (const char c : std::to_string(n)) {
        text.push_back(static_cast<char16_t>(c));
    }
    return text;
}

// The look of one category sheet of the export: title A1:E1 merged, header
// row, items, subtotal and project total, five columns, thin automatic
// borders, colour bands.
SheetExpectation addCategorySheet(TXLSWorkbook& workbook, std::u16string name, std::u16string title,
                                  int itemCount, int widthC) {
    // Formats are recorded for the first and last rows only: enough to see
    // every kind of cell, and the file stays small for big sheets.
    constexpr int kRecordedRows = 40;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.SetName(name);
    SheetExpectation expected;
    expected.name = name;
    const int n = itemCount + 4;  // title, header, items, subtotal, total
    const int widths[] = {3, 50, widthC, 12, 12};
    for (int c = 1; c <= 5; ++c) {
        const xls::IXLSRange column = sheet.Range(1, c, n, c);
        column.Font().SetSize(10);
        column.Font().SetBold(false);
        column.SetColumnWidth(Variant(widths[c - 1]));
        column.Borders().SetColorIndex(xls::color_index::kAutomatic);
        column.SetHorizontalAlignment(c == 2 ? xls::alignment::kLeft : xls::alignment::kCenter);
        expected.widths[c - 1] = 256 * widths[c - 1] + 182;
    }
    const xls::IXLSRange titleRow = sheet.Range(1, 1, 1, 5);
    titleRow.Merge(Variant(false));
    titleRow.Font().SetSize(14);
    titleRow.SetHorizontalAlignment(xls::alignment::kCenter);
    titleRow.Font().SetBold(true);
    titleRow.SetLiteralText(title);
    expected.merges.push_back({0, 1, 0, 5});
    sheet.Range(2, 1, n - 2, 1).Interior().SetColorIndex(8);
    sheet.Range(2, 1, n - 2, 1).Font().SetColor(0);
    sheet.Range(2, 1, 2, 5).Interior().SetColorIndex(4);
    sheet.Range(2, 1, 2, 5).Font().SetColor(0);
    for (int r = n - 1; r <= n; ++r) {
        sheet.Range(r, 1, r, 5).Interior().SetColorIndex(r == n ? 2 : 6);
        sheet.Range(r, 1, r, 5).Font().SetColor(0);
        sheet.Range(r, 1, r, 5).Font().SetBold(true);
    }
    sheet.Range(n - 1, 2, n, 2).SetHorizontalAlignment(xls::alignment::kRight);

    const std::u16string header[] = {u"por.", u"     Jm\u00E9no rostliny", u"kus\u016F",
                                     u"kus. cena", u"cena celkem"};
    for (int c = 1; c <= 5; ++c) {
        sheet.Range(2, c, 2, c).SetLiteralText(header[c - 1]);
        expected.texts[{1, c - 1}] = header[c - 1];
    }
    for (int i = 1; i <= itemCount; ++i) {
        const std::u16string row[] = {number(i), u"Polo\u017Eka \u010D. " + number(i),
                                      number(i % 7 + 1), number(100 + i) + u",00 K\u010D",
                                      number((i % 7 + 1) * (100 + i)) + u",00 K\u010D"};
        for (int c = 1; c <= 5; ++c) {
            sheet.Range(i + 2, c, i + 2, c).SetLiteralText(row[c - 1]);
            expected.texts[{i + 1, c - 1}] = row[c - 1];
        }
    }
    const std::u16string subtotal[] = {u"", u"Celkov\u00E1 cena", u"", u"", u"12 345,00 K\u010D"};
    const std::u16string total[] = {u" ", u"Celkov\u00E1 cena projektu", u" ", u" ",
                                    u"99 999,50 K\u010D"};
    for (int c = 1; c <= 5; ++c) {
        sheet.Range(n - 1, c, n - 1, c).SetLiteralText(subtotal[c - 1]);
        if (!subtotal[c - 1].empty()) {
            expected.texts[{n - 2, c - 1}] = subtotal[c - 1];
        }
        sheet.Range(n, c, n, c).SetLiteralText(total[c - 1]);
        expected.texts[{n - 1, c - 1}] = total[c - 1];
    }
    expected.texts[{0, 0}] = title;

    // The look of every cell, worked out from the calls above.
    for (int r = 1; r <= n; ++r) {
        if (r > kRecordedRows && r < n - 3) {
            continue;
        }
        for (int c = 1; c <= 5; ++c) {
            if (r == 1 && c > 1) {
                continue;  // inside the merged title: written with the master's look
            }
            CellFormat f;
            f.left = f.top = f.bottom = true;
            f.right = c == 5;
            f.horizontal = c == 2 ? 1 : 2;
            if (r == 1) {
                f.height = 280;
                f.bold = true;
                f.horizontal = 2;
            } else if (r == 2) {
                f.fill = 4 + 7;
                f.fontColour = 8;
            } else if (r >= n - 1) {
                f.fill = (r == n ? 2 : 6) + 7;
                f.bold = true;
                f.fontColour = 8;
                if (c == 2) {
                    f.horizontal = 3;
                }
            } else if (c == 1) {
                f.fill = 8 + 7;
                f.fontColour = 8;
            }
            expected.formats[{r - 1, c - 1}] = f;
        }
    }
    return expected;
}

std::vector<SheetExpectation> buildExportLike(TXLSWorkbook& workbook, int items) {
    const std::u16string names[] = {
        u"Kalkulace rostlin",
        u"Kalkulace zahradn\u00EDch objekt\u016F",
        u"Kalkulace stavebn\u00EDch objekt\u016F",
        u"Kalkulace objekt\u016F baz\u00E9nu",
        u"Kalkulace objekt\u016F s vodou",
        u"Kalkulace pozemku",
        u"Kalkulace objekt\u016F silnice",
        u"Kalkulace symbol\u016F projektu",
    };
    std::vector<SheetExpectation> sheets;
    for (int s = 0; s < 8; ++s) {
        sheets.push_back(addCategorySheet(workbook, names[s],
                                          u"Kalkulace projektu zahrady - " + number(s + 1),
                                          items + s, s == 0 ? 8 : 12));
    }
    return sheets;
}

// Texts that make the string table long and cut: more than 1024 distinct
// strings, strings longer than a record, characters outside the BMP at the
// places where pieces end, line feeds; plus numbers of every cell kind.
std::vector<SheetExpectation> buildStress(TXLSWorkbook& workbook) {
    std::vector<SheetExpectation> sheets;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.SetName(u"Z\u00E1t\u011B\u017E");
    SheetExpectation expected;
    expected.name = sheet.Name();
    for (int i = 0; i < 1500; ++i) {
        std::u16string text = u"\u0159et\u011Bzec " + number(i);
        if (i % 97 == 0) {
            text = std::u16string(3000 + i, u'x');
            for (std::size_t at = 1; at + 1 < text.size(); at += 37) {
                text[at] = 0xD83C;  // U+1F33F, a herb
                text[at + 1] = 0xDF3F;
            }
        }
        if (i % 50 == 1) {
            text += u"\nsecond line";
        }
        if (i == 0) {
            // The first string starts right after the table's counts, so its
            // first piece would end between the halves of this pair.
            text = std::u16string(4200, u'y');
            text[4105] = 0xD83C;
            text[4106] = 0xDF3F;
        }
        const int row = i / 3 + 1;
        const int column = i % 3 + 1;
        sheet.Range(row, column, row, column).SetLiteralText(text);
        expected.texts[{row - 1, column - 1}] = text;
    }
    const double values[] = {1, 2, 3, 0.5, 3.14159265358979, -1e300, 123456789012.0, -0.01};
    for (int i = 0; i < 8; ++i) {
        sheet.Range(1, 5 + i, 1, 5 + i).SetValue(Variant(values[i]));
        expected.numbers[{0, 4 + i}] = values[i];
    }
    sheet.Range(3, 6, 5, 8).Merge(Variant(false));
    expected.merges.push_back({2, 5, 5, 8});
    sheet.Range(10, 6, 10, 6).Merge(Variant(false));  // a single cell: no merged area
    for (int c = 250; c <= 256; ++c) {
        sheet.Range(1, c, 1, c).SetColumnWidth(Variant(20));
        expected.widths[c - 1] = 256 * 20 + 182;
    }
    sheets.push_back(expected);
    return sheets;
}

bool save(TXLSWorkbook& workbook, const std::string& path) {
    return xls::SaveAs(workbook, std::u16string(path.begin(), path.end())) ==
           xls::SaveResult::Saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::filesystem::create_directories(folder);
    bool ok = true;
    {
        TXLSWorkbook workbook;
        const auto expected = buildExportLike(workbook, 12);
        ok = save(workbook, folder + "/export_like.xls") && ok;
        writeJson(folder + "/export_like.json", expected);
    }
    {
        TXLSWorkbook workbook;
        const auto expected = buildExportLike(workbook, 8192);
        ok = save(workbook, folder + "/export_large.xls") && ok;
        writeJson(folder + "/export_large.json", expected);
    }
    {
        TXLSWorkbook workbook;
        const auto expected = buildStress(workbook);
        ok = save(workbook, folder + "/stress.xls") && ok;
        writeJson(folder + "/stress.json", expected);
    }
    {
        TXLSWorkbook workbook;  // no sheet: saved with one empty sheet
        ok = save(workbook, folder + "/empty.xls") && ok;
        writeJson(folder + "/empty.json", {SheetExpectation{u"Sheet1", {}, {}, {}, {}, {}}});
    }
    return ok ? 0 : 1;
}
