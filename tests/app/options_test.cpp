#include "app/options.h"

#include <gtest/gtest.h>

namespace ek::app {
namespace {

TEST(Options, BothFormsOfValues) {
    const Options options =
        parseOptions({u"--documents", u"/home/jana/Dokumenty", u"--tabulka=Zahrada u domu.txt"});
    EXPECT_EQ(options.documents, u"/home/jana/Dokumenty");
    EXPECT_EQ(options.tabulka, u"Zahrada u domu.txt");
    EXPECT_FALSE(options.help);
}

TEST(Options, NothingGivenIsNothingSet) {
    const Options options = parseOptions({});
    EXPECT_TRUE(options.documents.empty());
    EXPECT_TRUE(options.tabulka.empty());
}

TEST(Options, ValuesMayLookLikeOptions) {
    EXPECT_EQ(parseOptions({u"--tabulka", u"--documents"}).tabulka, u"--documents");
}

TEST(Options, Refused) {
    EXPECT_THROW(parseOptions({u"--documents"}), OptionError);
    EXPECT_THROW(parseOptions({u"--export"}), OptionError);
    EXPECT_THROW(parseOptions({u"soubor.txt"}), OptionError);
    EXPECT_THROW(parseOptions({u"--documentsX=a"}), OptionError);
}

TEST(Options, TheWindowUnlessAReadingOrAnExportIsAsked) {
    const Options window = parseOptions({u"--documents", u"samples/Documents", u"--developer"});
    EXPECT_TRUE(window.developer);
    EXPECT_FALSE(window.commandLineMode());
    EXPECT_TRUE(parseOptions({u"--tabulka", u"a.txt"}).commandLineMode());
    EXPECT_TRUE(parseOptions({u"--export=a.txt", u"--developer"}).commandLineMode());
    EXPECT_FALSE(parseOptions({}).developer);
}

TEST(Options, Help) {
    EXPECT_TRUE(parseOptions({u"--help"}).help);
}

}  // namespace
}  // namespace ek::app
