// The plant order on Windows agrees with the Linux build's where names hold
// punctuation: an apostrophe, hyphen or blank counts and comes before the
// letters, so both builds sort such plants alike (the word sort of the system
// would skip apostrophes and hyphens).

#include <gtest/gtest.h>

#include "calc/czech_collation.h"
#include "calc/text.h"

namespace ek::calc {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(PlantOrder, PunctuationComesBeforeLettersAsOnLinux) {
    struct Case {
        const char16_t* before;
        const char16_t* after;
    };
    const Case cases[] = {
        {u"Rosa 'Gloria Dei'031", u"Rosa canina029"},  // a sort key of the larger sample
        {u"Rosa 'Gloria Dei'", u"Rosa canina"},
        {u"Acer-campestre", u"Acercampestre"},
        {u"a-b", u"ab"},
        {u"a'b", u"ab"},
        {u"a b", u"ab"},
        {u"a.b", u"ab"},
        {u"Rosa 'Gloria Dei'", u"rosa gloria dei"},
    };
    const CzechCollation collation;
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.before) + " / " + toUtf8(c.after));
        EXPECT_EQ(sign(collation.compare(c.before, c.after)), -1);
        EXPECT_EQ(sign(collation.compare(c.after, c.before)), 1);
    }
}

}  // namespace
}  // namespace ek::calc
