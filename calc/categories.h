#pragma once
// The eight categories of a material list, in the order in which they are
// built, indexed and shown on the tabs (tab = index + 1). The working state
// gives each one's table and subtotal item by the same index
// (Kalkulace::categoryTable, Kalkulace::subtotalItem).

#include <array>
#include <string_view>

namespace ek::calc {

struct Category {
    std::u16string_view key;    // in the category index
    std::u16string_view title;  // the header line in the material list
    std::u16string_view tabCaption;
    std::u16string_view tableName;       // the working-state name of its table
    std::u16string_view subtotalName;    // the working-state name of its subtotal item
    std::u16string_view nameHeader;      // column 1 of the header row
    std::u16string_view quantityHeader;  // column 2 of the header row
    std::u16string_view totalText;       // column 1 of the total row
    bool plants;                         // names cut and shown by the plant-name mode
};

inline constexpr std::size_t kCategoryCount = 8;

inline constexpr std::array<Category, kCategoryCount> kCategories{{
    {u"Rost", u"Rostliny projektu zahrady", u" Rostliny ", u"StringGrid2", u"Edit4",
     u"     Jméno rostliny", u"kusů", u"Celková cena rostlin", true},
    {u"Zahr", u"Ostatní objekty zahrady", u"Zahradní objekty", u"StringGrid3", u"Edit6",
     u"     Objekt zahrady", u"kusů/plocha", u"Celková cena objektů zahrady", false},
    {u"Stav", u"Stavba", u" Stavební objekty", u"StringGrid4", u"Edit7", u"     Objekt stavby",
     u"kusů/plocha", u"Celková cena objektů stavby", false},
    {u"Bazé", u"Bazén", u"  Bazén  ", u"StringGrid5", u"Edit8", u"     Objekt bazénu",
     u"kusů/plocha", u"Celková cena objektů bazénu", false},
    {u"Vodn", u"Objekty s vodou", u"Objekty s vodou", u"StringGrid6", u"Edit9",
     u"     Objekt s vodou", u"kusů/plocha", u"Celková cena objektů s vodou", false},
    {u"Teré", u"Terén", u" Pozemek ", u"StringGrid7", u"Edit10", u"     Objekt terénu",
     u"kusů/plocha", u"Celková cena pozemku", false},
    {u"Siln", u"Silnice", u" Silnice ", u"StringGrid9", u"Edit13", u"     Objekt terénu",
     u"kusů/plocha", u"Celková cena objektů silnice", false},
    {u"Nast", u"Nástroje", u" Symboly ", u"StringGrid10", u"Edit14", u"     Symbol", u"kusů/plocha",
     u"Celková cena symbolů", false},
}};

// The header row cells of every category table, column 0, 3 and 4.
inline constexpr std::u16string_view kRowNumberHeader = u"por.";
inline constexpr std::u16string_view kUnitPriceHeader = u"kus. cena";
inline constexpr std::u16string_view kLineTotalHeader = u"cena celkem";

}  // namespace ek::calc
