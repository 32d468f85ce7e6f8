#pragma once
// The working state of the tool and the calculation operations on it. Every
// item keeps the name under which the window and the export know it; every
// value is text. Operations take no arguments: they read and write the state,
// and reach the outside only through the platform given at construction.
// Errors they raise are CalcError with the message the user sees; foreseen
// conditions are shown through the platform's message box.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/czech_collation.h"
#include "calc/file_list.h"
#include "calc/text.h"
#include "calc/text_grid.h"
#include "platform/platform.h"

namespace ek::calc {

class Kalkulace {
  public:
    // Notes the current directory as the start directory. `decimalSeparator` is
    // the one of the user's regional settings (decimalSeparatorFromLocale()).
    Kalkulace(platform::Platform& platform, char16_t decimalSeparator);

    // --- Text items
    Text Edit1;                         // folder of the material lists, ending with a separator
    Text Edit11;                        // folder of the price lists, ending with a separator
    Text Edit2;                         // name of the file last chosen in either file list
    Text Edit12 = u"test";              // name of a new price list, without extension
    Text INF_jmeno_souboru;             // material list's base name, or a price list's path
    Text INF_celkem = u"0";             // project total in hundredths, decimal digits
    Text INF_celkova_cena = u"0,00";    // project total shown
    Text INF_cena_kategorie = u"0,00";  // subtotal of the tab shown
    // Subtotals: plants, garden, building, pool, water, plot, road, symbols.
    Text Edit4 = u"000,00", Edit6 = u"000,00", Edit7 = u"000,00", Edit8 = u"000,00";
    Text Edit9 = u"000,00", Edit10 = u"000,00", Edit13 = u"000,00", Edit14 = u"000,00";
    Text INF_kategorie;               // key asked for by a category builder
    Text INF_zacatek;                 // its header row (0: absent)
    Text INF_konec;                   // its last row
    Text INF_cesta_office = u"0000";  // OpenOffice program, "0000" when unknown
    Text INF_dokumenty = u"oo_";

    // --- File lists
    FileList FileListBox1;  // material lists, "*.txt"
    FileList FileListBox2;  // price lists, all files

    // --- String lists
    TextList ListBox1;  // lines of the file last read
    TextList ListBox2;  // category index
    TextList ListBox3;  // plant sort keys
    TextList ListBox4;  // plant sorting: row numbers in sorted order
    TextList ListBox5;  // plant sorting: scratch
    TextList ListBox6;  // scratch of OpravaSeznamu

    // --- Tables (five columns)
    TextGrid StringGrid1{5, 50};  // working table
    TextGrid StringGrid2{5, 15}, StringGrid3{5, 15}, StringGrid4{5, 15}, StringGrid5{5, 15};
    TextGrid StringGrid6{5, 15}, StringGrid7{5, 15}, StringGrid9{5, 15}, StringGrid10{5, 15};
    TextGrid StringGrid8{5, 5};  // price list table

    // --- Choices and buttons
    int RadioGroup2 = 2;           // plant-name mode: 0 "první", 1 "druhý", 2 "oba"
    int RadioGroup3 = 1;           // host edition: 0 trial, 1 full
    bool Button14Enabled = false;  // "Otevřít v OpenOffice"
    bool Button15Enabled = false;  // "Export XLS"
    bool Button16Enabled = false;  // "Otevřít v MS Excel"

    // --- Tabs, numbered 1 to 8 in the order of kCategories
    int shownTab = 1;
    int highlightedTab = 0;  // 0: none

    // --- Start-up
    // Host folders of the chosen edition, the file lists, initial totals,
    // disabled export buttons, the OpenOffice path from the start directory.
    void Nastavit();

    // --- Reading a material list
    // Reads the file selected in FileListBox1 and rebuilds every table and total.
    void Prevod();
    // Edit1 + Edit2 into ListBox1.
    void KalkulaceDoSeznamu();
    // ListBox1 into the working table.
    void SeznamDoTabulky();

    // --- Categories
    void PrehledKategorii();  // the category index from the working table
    void NajitKategorii();    // INF_kategorie -> INF_zacatek, INF_konec
    void Rostliny_z_tabulky();
    void Zahrada_z_tabulky();
    void Stavba_z_tabulky();
    void Bazen_z_tabulky();
    void Voda_z_tabulky();
    void Teren_z_tabulky();
    void Silnice_z_tabulky();
    void Symboly_z_tabulky();
    // Builds the category kCategories[index] (what the eight builders run).
    void buildCategory(std::size_t index);
    // Plants table rows in the order of ListBox3.
    void TrideniRostlin();
    // Cuts the tools section out of ListBox1.
    void OpravaSeznamu();

    // --- Tabs
    // The user changed the tab to shownTab: its subtotal shown, it highlighted.
    void PageControl1Change();
    // Left (37) and Right (39) move between tabs 1 to 6 and read the selected
    // file again; true when the key was handled so. Other keys, and any key
    // while no file is selected (after the tab move), are the list's own: false.
    bool FileListBox1KeyDown(int key);

    // --- Price lists
    // The pick in FileListBox2: the price list read into StringGrid8.
    void VyberCeniku();
    // The file INF_jmeno_souboru into ListBox1.
    void CteniCeniku();
    // ListBox1 into StringGrid8.
    void PrevodDoTabulky();
    // StringGrid8 written as Edit11 + Edit12 + ".lst".
    void ZaznamNovehoCeniku();

    // --- Access by category index (kCategories)
    TextGrid& categoryTable(std::size_t index);
    const TextGrid& categoryTable(std::size_t index) const;
    Text& subtotalItem(std::size_t index);
    const Text& subtotalItem(std::size_t index) const;

    char16_t decimalSeparator() const { return decimalSeparator_; }
    const Text& startDirectory() const { return startDirectory_; }
    platform::Platform& platform() { return platform_; }

    // The category table kCategories[index] emptied to its header row.
    void cutToHeaderRow(std::size_t index);

  private:
    // The material list read last: Edit1 + Edit2.
    Text listPath() const;
    // A repeated category title, or none at all, stops the reading.
    void refuseUntrustedTitles() const;
    void resetFigures();
    void showTotals();
    // buildCategory after its PrehledKategorii: for a caller that has just
    // built the index from the working table as it stands.
    void buildCategoryFromIndex(std::size_t index);
    void writeHeaderRow(std::size_t index);
    Text subtotalOfTab(int tab) const;
    void readOfficePath();

    platform::Platform& platform_;
    char16_t decimalSeparator_;
    Text startDirectory_;
    CzechCollation collation_;
};

}  // namespace ek::calc
