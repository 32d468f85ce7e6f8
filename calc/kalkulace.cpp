#include "calc/kalkulace.h"

#include <array>

#include "calc/categories.h"
#include "calc/file_reading.h"
#include "calc/office_path_file.h"
#include "platform/paths.h"

namespace ek::calc {

namespace {

constexpr std::array<TextGrid Kalkulace::*, kCategoryCount> kTables{
    &Kalkulace::StringGrid2, &Kalkulace::StringGrid3, &Kalkulace::StringGrid4,
    &Kalkulace::StringGrid5, &Kalkulace::StringGrid6, &Kalkulace::StringGrid7,
    &Kalkulace::StringGrid9, &Kalkulace::StringGrid10};

constexpr std::array<Text Kalkulace::*, kCategoryCount> kSubtotals{
    &Kalkulace::Edit4, &Kalkulace::Edit6,  &Kalkulace::Edit7,  &Kalkulace::Edit8,
    &Kalkulace::Edit9, &Kalkulace::Edit10, &Kalkulace::Edit13, &Kalkulace::Edit14};

constexpr char16_t kInitialSubtotal[] = u"000,00";
constexpr char16_t kInitialFigure[] = u"0,00";

}  // namespace

Kalkulace::Kalkulace(platform::Platform& platform, char16_t decimalSeparator)
    : platform_(platform),
      decimalSeparator_(decimalSeparator),
      startDirectory_(platform.currentDirectory()) {
    // Until pointed elsewhere, the file lists show the start directory.
    FileListBox1.mask = u"*.txt";
    FileListBox2.mask = u"*";
    FileListBox1.pointAt(platform_, startDirectory_, collation_);
    FileListBox2.pointAt(platform_, startDirectory_, collation_);
}

TextGrid& Kalkulace::categoryTable(std::size_t index) {
    return this->*kTables.at(index);
}
const TextGrid& Kalkulace::categoryTable(std::size_t index) const {
    return this->*kTables.at(index);
}
Text& Kalkulace::subtotalItem(std::size_t index) {
    return this->*kSubtotals.at(index);
}
const Text& Kalkulace::subtotalItem(std::size_t index) const {
    return this->*kSubtotals.at(index);
}

void Kalkulace::Nastavit() {
    const char16_t separator = platform_.separator();
    // Without a documents folder the host folders run from the root.
    const Text documents = platform_.specialFolder(platform::kDocuments);
    if (RadioGroup3 == 0 || RadioGroup3 == 1) {
        const Text host = platform::joinPath(
            documents, RadioGroup3 == 0 ? u"Verdigo 2016 Trial" : u"Verdigo 2016", separator);
        Edit1 = platform::joinPath(host, u"Material Lists", separator) + separator;
        Edit11 = platform::joinPath(host, u"Price Lists", separator) + separator;
    }

    if (platform_.directoryExists(Edit11)) {
        FileListBox2.pointAt(platform_, Edit11, collation_);
    } else {
        platform_.showMessage(u"Složka se seznamem ceníků nebyla nalezena");
    }
    if (platform_.directoryExists(Edit1)) {
        FileListBox1.pointAt(platform_, Edit1, collation_);
    } else {
        platform_.showMessage(u"Složka se seznamem kalkulací nebyla nalezena");
    }

    INF_celkem = u"0";
    for (std::size_t c = 0; c < kCategoryCount; ++c)
        subtotalItem(c) = kInitialSubtotal;
    INF_celkova_cena = kInitialFigure;
    INF_cena_kategorie = kInitialFigure;
    Button15Enabled = Button16Enabled = Button14Enabled = false;
    INF_cesta_office = u"0000";
    readOfficePath();
}

void Kalkulace::readOfficePath() {
    // Always the start directory: the file lists move the current directory.
    const Text path =
        platform::joinPath(startDirectory_, kOfficePathFileName, platform_.separator());
    if (!platform_.fileExists(path))
        return;
    INF_cesta_office = officePathFromFile(readWholeFile(platform_, path));
}

void Kalkulace::resetFigures() {
    INF_celkem = u"0";
    for (std::size_t c = 0; c < kCategoryCount; ++c)
        subtotalItem(c) = kInitialFigure;
    INF_celkova_cena = kInitialFigure;
    INF_cena_kategorie = kInitialFigure;
}

}  // namespace ek::calc
