#include "platform/mask.h"

#include <gtest/gtest.h>

namespace ek::platform {
namespace {

struct MaskCase {
    const char16_t* name;
    const char16_t* mask;
    bool matches;
};

class MaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskTest, Matches) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(matchesMask(c.name, c.mask), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTest,
    ::testing::Values(
        MaskCase{u"Zahrada u domu.txt", u"*.txt", true}, MaskCase{u"ZAHRADA.TXT", u"*.txt", true},
        MaskCase{u"zahrada.Txt", u"*.txt", true}, MaskCase{u"zahrada.txtx", u"*.txt", false},
        MaskCase{u"zahrada.tx", u"*.txt", false}, MaskCase{u"txt", u"*.txt", false},
        MaskCase{u".txt", u"*.txt", true}, MaskCase{u"a.b.txt", u"*.txt", true},
        MaskCase{u"Žlutá růže.txt", u"*.txt", true}, MaskCase{u"bez přípony", u"*", true},
        MaskCase{u"bez přípony", u"*.*", true}, MaskCase{u"ceník.lst", u"*", true},
        MaskCase{u"a1.lst", u"a?.LST", true}, MaskCase{u"a12.lst", u"a?.lst", false}));

}  // namespace
}  // namespace ek::platform
