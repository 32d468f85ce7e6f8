// The platform of the machine the tests run on, against a scratch folder.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "support/temporary_folder.h"

namespace ek::platform {
namespace {

namespace fs = std::filesystem;

class SystemPlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.emplace("ek-platform-");
        root_ = folder_->path();
        system_ = makeSystemPlatform();
    }
    void TearDown() override { folder_.reset(); }

    // `relative` ('/'-separated UTF-8) under the scratch folder.
    fs::path real(const std::string& relative) const {
        return root_ / test::pathFromUtf8(relative);
    }
    // The same as a platform path.
    Path path(const std::string& relative) const { return test::platformPathOf(real(relative)); }
    void write(const std::string& relative, const std::string& content) const {
        fs::create_directories(real(relative).parent_path());
        std::ofstream(real(relative), std::ios::binary) << content;
    }

    std::optional<test::TemporaryFolder> folder_;
    fs::path root_;
    std::unique_ptr<Platform> system_;
};

TEST_F(SystemPlatformTest, ListsMatchingFilesOnlyNotFoldersNorHiddenFiles) {
    write("Zahrada u domu.txt", "a");
    write("ZAHRADA.TXT", "b");
    write("Růžová zahrada.txt", "c");
    write("ceník.lst", "d");
    write(".skrytý.txt", "e");
#ifdef _WIN32
    // A leading dot hides a file on Linux only; Windows has an attribute.
    ::SetFileAttributesW(real(".skrytý.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    write("složka.txt/uvnitř.txt", "f");
    const std::vector<Path> names = system_->listFiles(path(""), u"*.txt");
    EXPECT_EQ(names,
              (std::vector<Path>{u"Růžová zahrada.txt", u"ZAHRADA.TXT", u"Zahrada u domu.txt"}));
    EXPECT_EQ(system_->listFiles(path(""), u"*").size(), 4u);
    EXPECT_TRUE(system_->listFiles(path("chybí"), u"*").empty());
}

TEST_F(SystemPlatformTest, FilesAndFoldersAreTold) {
    write("Material Lists/a.txt", "x");
    EXPECT_TRUE(system_->directoryExists(path("Material Lists")));
    EXPECT_FALSE(system_->directoryExists(path("Material Lists/a.txt")));
    EXPECT_TRUE(system_->fileExists(path("Material Lists/a.txt")));
    EXPECT_FALSE(system_->fileExists(path("Material Lists")));
    EXPECT_FALSE(system_->fileExists(path("chybí.txt")));
}

TEST_F(SystemPlatformTest, ReadsWholeFilesWithUnicodeNames) {
    std::string content(100000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7);
    write("Dlažba ř ů.txt", content);
    const Bytes read = system_->readFile(path("Dlažba ř ů.txt"));
    EXPECT_EQ(std::string(read.begin(), read.end()), content);
    EXPECT_EQ(system_->fileSize(path("Dlažba ř ů.txt")), content.size());
}

// The message of the IoError that `operation` raises, or "no error".
template <class Operation>
std::string ioErrorOf(Operation&& operation) {
    try {
        operation();
    } catch (const IoError& error) {
        return error.what();
    }
    return "no error";
}

TEST_F(SystemPlatformTest, FailuresNameTheFileAndTheReason) {
    write("složka/a.txt", "a");
    const auto file = [this](const std::string& relative) { return toUtf8(path(relative)); };
    const std::string missing = "soubor nebo jeho složka neexistuje.";
    EXPECT_EQ(ioErrorOf([&] { system_->readFile(path("chybí.txt")); }),
              "Soubor \"" + file("chybí.txt") + "\" nelze přečíst: " + missing);
    EXPECT_EQ(ioErrorOf([&] { system_->fileSize(path("chybí.txt")); }),
              "Soubor \"" + file("chybí.txt") + "\" nelze přečíst: " + missing);
    EXPECT_EQ(ioErrorOf([&] { system_->readFile(path("chybí/x.txt")); }),
              "Soubor \"" + file("chybí/x.txt") + "\" nelze přečíst: " + missing);
    EXPECT_EQ(ioErrorOf([&] { system_->writeFileAtomically(path("chybí/x.lst"), Bytes{'x'}); }),
              "Soubor \"" + file("chybí/x.lst") + "\" nelze uložit: " + missing);
    EXPECT_EQ(ioErrorOf([&] { system_->deleteFile(path("chybí.xls")); }),
              "Soubor \"" + file("chybí.xls") + "\" nelze smazat: " + missing);
    for (const auto& read : {+[](Platform&p, const Path&at) { p.readFile(at); },
                             +[](Platform&p, const Path&at) { p.fileSize(at); }}) {
        EXPECT_EQ(ioErrorOf([&] { read(*system_, path("složka")); }),
                  "Soubor \"" + file("složka") + "\" nelze přečíst: je to složka, ne soubor.");
    }
}

TEST_F(SystemPlatformTest, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
    write("Price Lists/test.lst", "old content that is longer");
    system_->writeFileAtomically(path("Price Lists/test.lst"), Bytes{'n', 'e', 'w'});
    const Bytes read = system_->readFile(path("Price Lists/test.lst"));
    EXPECT_EQ(std::string(read.begin(), read.end()), "new");
    EXPECT_EQ(system_->listFiles(path("Price Lists"), u"*"), std::vector<Path>{u"test.lst"});
}

TEST_F(SystemPlatformTest, AtomicWriteIntoAMissingFolderFails) {
    EXPECT_THROW(system_->writeFileAtomically(path("chybí/test.lst"), Bytes{'x'}), IoError);
    EXPECT_FALSE(system_->directoryExists(path("chybí")));
}

TEST_F(SystemPlatformTest, CurrentDirectoryFollowsChanges) {
    write("Material Lists/a.txt", "x");
    const Path before = system_->currentDirectory();
    ASSERT_TRUE(system_->setCurrentDirectory(path("Material Lists")));
    EXPECT_TRUE(system_->fileExists(u"a.txt"));
    EXPECT_EQ(fs::canonical(fs::path(system_->currentDirectory())),
              fs::canonical(real("Material Lists")));
    EXPECT_FALSE(system_->setCurrentDirectory(path("chybí")));
    ASSERT_TRUE(system_->setCurrentDirectory(before));
}

TEST_F(SystemPlatformTest, CopyAndDelete) {
    write("a.xls", "workbook");
    EXPECT_TRUE(system_->copyFile(path("a.xls"), path("oo_a.xls")));
    EXPECT_EQ(system_->fileSize(path("oo_a.xls")), 8u);
    system_->deleteFile(path("oo_a.xls"));
    EXPECT_FALSE(system_->fileExists(path("oo_a.xls")));
    EXPECT_THROW(system_->deleteFile(path("oo_a.xls")), IoError);
    EXPECT_FALSE(system_->copyFile(path("chybí.xls"), path("b.xls")));
}

TEST_F(SystemPlatformTest, DocumentsFolderCanBeGivenAndOtherwiseFollowsXdg) {
    SystemPlatformOptions options;
    options.documentsFolder = u"/jinde/Dokumenty";
    const auto given = makeSystemPlatform(options);
    EXPECT_EQ(given->specialFolder(kDocuments), u"/jinde/Dokumenty");
    options.documentsFolder = u"samples/Documents";
    const Path start = system_->currentDirectory();
    EXPECT_EQ(makeSystemPlatform(options)->specialFolder(kDocuments),
              start + system_->separator() + u"samples/Documents");
#ifndef _WIN32
    write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::string config = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("HOME", "/home/jana", 1);
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    EXPECT_EQ(system_->specialFolder(kDocuments), u"/home/jana/Dokumenty");
    ::setenv("XDG_CONFIG_HOME", (root_ / "none").c_str(), 1);
    EXPECT_EQ(system_->specialFolder(kDocuments), u"/home/jana/Documents");
    ::setenv("HOME", home.c_str(), 1);
    if (config.empty()) {
        ::unsetenv("XDG_CONFIG_HOME");
    } else {
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    }
#endif
}

TEST_F(SystemPlatformTest, MessagesGoToTheGivenSink) {
    std::u16string shown;
    SystemPlatformOptions options;
    options.messageSink = [&](const std::u16string& text) { shown = text; };
    const auto platform = makeSystemPlatform(options);
    platform->showMessage(u"Složka se seznamem ceníků nebyla nalezena");
    EXPECT_EQ(shown, u"Složka se seznamem ceníků nebyla nalezena");
}

}  // namespace
}  // namespace ek::platform
