#include "calc/plant_name.h"

#include <gtest/gtest.h>

namespace ek::calc {
namespace {

TEST(PlantNameFromField, DropsTenLeadingAndOneTrailingCharacter) {
    struct Case {
        const char16_t* field;
        const char16_t* plantName;
    };
    const Case cases[] = {
        {u"Položka 1 Acer campestre - javor babyka;", u"Acer campestre - javor babyka"},
        {u"Položka 12Tilia cordata - lípa srdčitá;", u"Tilia cordata - lípa srdčitá"},
        {u"0123456789X;", u"X"},
        {u"0123456789;", u""},
        {u"0123456789", u""},
        {u"Lampa", u""},
        {u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.field));
        EXPECT_EQ(plantNameFromField(c.field), Text(c.plantName));
    }
}

TEST(ShownPlantName, EachMode) {
    struct Case {
        const char16_t* plantName;
        const char16_t* prvni;
        const char16_t* druhy;
    };
    const Case cases[] = {
        {u"Acer campestre - javor babyka", u"Acer campestre", u"javor babyka"},
        {u"Tilia cordata - lípa srdčitá", u"Tilia cordata", u"lípa srdčitá"},
        {u"Acer 'Autumn-Blaze' - javor", u"Acer 'Autumn-Blaze'", u"javor"},
        {u"javor - Acer 'Autumn-Blaze'", u"javor", u"Acer 'Autumn-Blaze'"},
        {u"Abies - jedle - bělokorá", u"Abies - jedle", u"jedle - bělokorá"},
        {u"Buxus", u"Buxus", u"Buxus"},
        {u"Buxus-sempervirens", u"Buxus-sempervirens", u"Buxus-sempervirens"},
        {u" - zimostráz", u" - zimostráz", u" - zimostráz"},
        {u" - Buxus - zimostráz", u" - Buxus", u" - Buxus - zimostráz"},
        {u"Buxus - ", u"Buxus", u""},
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.plantName));
        EXPECT_EQ(shownPlantName(c.plantName, PlantNameMode::Prvni), Text(c.prvni));
        EXPECT_EQ(shownPlantName(c.plantName, PlantNameMode::Druhy), Text(c.druhy));
        EXPECT_EQ(shownPlantName(c.plantName, PlantNameMode::Oba), Text(c.plantName));
    }
}

}  // namespace
}  // namespace ek::calc
