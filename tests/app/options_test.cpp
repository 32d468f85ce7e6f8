#include "app/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/arguments.h"
#include "platform/unicode.h"

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

// The message of the OptionError that `arguments` give, "accepted" without one.
std::string refusalOf(const std::vector<std::u16string>& arguments) {
    try {
        parseOptions(arguments);
    } catch (const OptionError& error) {
        return error.what();
    }
    return "accepted";
}

// An empty value would make --export or --tabulka look not given at all
// and open the window instead.
TEST(Options, MissingOrEmptyValuesAreRefused) {
    for (const char16_t* name : {u"--documents", u"--tabulka", u"--export", u"--nazvy"}) {
        const std::u16string option(name);
        const std::string refusal = "Volba " + platform::toUtf8(option) + " potřebuje hodnotu.";
        EXPECT_EQ(refusalOf({option}), refusal);
        EXPECT_EQ(refusalOf({option, u""}), refusal);
        EXPECT_EQ(refusalOf({option + u"="}), refusal);
        EXPECT_EQ(refusalOf({option + u"=", u"--developer"}), refusal);
    }
    EXPECT_EQ(refusalOf({u"--nazvy", u"obě"}),
              "Volba --nazvy přijímá prvni, druhy nebo oba, ne \"obě\".");
    EXPECT_EQ(refusalOf({u"soubor.txt"}), "Neznámý argument \"soubor.txt\".");
}

#ifndef _WIN32
// A name in another encoding is refused, not read as a look-alike whose name
// decodes the same.
TEST(Options, ArgumentsThatAreNotUtf8AreRefused) {
    char program[] = "export-kalkulace";
    char option[] = "--export";
    char latin2[] = "Zahrada \xE8.txt";
    char utf8[] = "Zahrada \xC4\x8D.txt";
    char* wrong[] = {program, option, latin2, nullptr};
    try {
        commandLineArguments(3, wrong);
        ADD_FAILURE() << "accepted";
    } catch (const OptionError& error) {
        EXPECT_STREQ(error.what(),
                     "Argument č. 2 (\"Zahrada \xEF\xBF\xBD.txt\") není platný text UTF-8; "
                     "soubor s takovým názvem program neotevře.");
    }
    char* right[] = {program, option, utf8, nullptr};
    EXPECT_EQ(commandLineArguments(3, right),
              (std::vector<std::u16string>{u"--export", u"Zahrada č.txt"}));
}
#endif

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
