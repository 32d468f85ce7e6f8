#include "platform/xdg_documents.h"

#include <gtest/gtest.h>

namespace ek::platform {
namespace {

const std::string kHome = "/home/jana";

TEST(XdgDocuments, HomeRelativeEntry) {
    const std::string file =
        "# This file is written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\"$HOME/Plocha\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n";
    EXPECT_EQ(documentsFromUserDirs(file, kHome), "/home/jana/Dokumenty");
}

TEST(XdgDocuments, AbsoluteEntryWithTrailingSlashAndCrLf) {
    EXPECT_EQ(documentsFromUserDirs("XDG_DOCUMENTS_DIR=\"/data/dokumenty/\"\r\n", kHome),
              "/data/dokumenty");
}

TEST(XdgDocuments, MissingFileOrEntryFallsBackToHomeDocuments) {
    EXPECT_EQ(documentsFromUserDirs("", kHome), "/home/jana/Documents");
    EXPECT_EQ(documentsFromUserDirs("XDG_MUSIC_DIR=\"$HOME/Hudba\"\n", kHome),
              "/home/jana/Documents");
}

TEST(XdgDocuments, CommentedOrRelativeEntriesAreIgnored) {
    EXPECT_EQ(documentsFromUserDirs("#XDG_DOCUMENTS_DIR=\"$HOME/Skryte\"\n", kHome),
              "/home/jana/Documents");
    EXPECT_EQ(documentsFromUserDirs("XDG_DOCUMENTS_DIR=\"Dokumenty\"\n", kHome),
              "/home/jana/Documents");
}

TEST(XdgDocuments, DisabledEntryMeansHomeDocuments) {
    EXPECT_EQ(documentsFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/\"\n", kHome),
              "/home/jana/Documents");
}

TEST(XdgDocuments, NoHomeAndNoEntryGivesNothing) {
    EXPECT_EQ(documentsFromUserDirs("", ""), "");
}

}  // namespace
}  // namespace ek::platform
