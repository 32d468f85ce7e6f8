// Replacing a workbook on POSIX systems, in process (the command line's are in
// tests/robustness/replacing_workbook.py): symbolic links at the destination
// stay and the file they name is replaced; the new file keeps the permission
// bits of the old one; an interrupt during the save leaves the old file as it
// was and no temporary file, whether the new file had a name yet or not.

#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/temporary_folder.h"
#include "xls/cfb/compound_file.h"
#include "xls/io/file_system.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using xls::SaveResult;

Bytes readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::u16string u16(const fs::path& path) {
    return path.u16string();
}

Bytes stream(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 4096);
    }
    return bytes;
}

// A file system that raises `signal` in the middle of the writes.
class InterruptingFileSystem final : public xls::FileSystem {
  public:
    InterruptingFileSystem(xls::FileSystem& inner, int signal) : inner_(inner), signal_(signal) {}
    SaveResult mayReplace(const std::u16string& path) override { return inner_.mayReplace(path); }
    xls::Made<xls::WritableFile> createReplacement(const std::u16string& path) override {
        xls::Made<xls::WritableFile> made = inner_.createReplacement(path);
        if (made.made) {
            made.made = std::make_unique<File>(std::move(made.made), signal_);
        }
        return made;
    }

  private:
    class File final : public xls::WritableFile {
      public:
        File(std::unique_ptr<xls::WritableFile> file, int signal)
            : file_(std::move(file)), signal_(signal) {}
        SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
            if (++writes_ == 2) {
                ::raise(signal_);
            }
            return file_->writeAt(offset, bytes);
        }
        SaveResult moveInPlace() override { return file_->moveInPlace(); }

      private:
        std::unique_ptr<xls::WritableFile> file_;
        int signal_;
        int writes_ = 0;
    };

    xls::FileSystem& inner_;
    int signal_;
};

// The compound file holding `content`, made in memory.
Bytes inMemory(const Bytes& content) {
    Bytes file;
    auto compound = xls::CompoundFile::createInMemory(file);
    compound->createStream(u"Workbook")->write(content);
    compound->release();
    return file;
}

SaveResult save(const fs::path& target, xls::FileSystem& fileSystem,
                const Bytes& content = stream(300000)) {
    auto [file, failure] = xls::CompoundFile::create(u16(target), fileSystem);
    if (!file) {
        return failure;
    }
    file->createStream(u"Workbook")->write(content);
    return file->release();
}

class ReplacingTest : public ::testing::Test {
  protected:
    fs::path path(const std::string& name) const { return folder_.path() / name; }

    ek::test::TemporaryFolder folder_{"xls-replacing-"};
    const Bytes old_ = Bytes(5000, 0x0D);
};

// (A relative link is tried on the command line's workbook.)
TEST_F(ReplacingTest, LinksAreFollowedToTheFileTheyName) {
    fs::create_directory(path("jinde"));
    writeAll(path("jinde/skutečný.xls"), old_);
    fs::create_symlink(path("jinde/skutečný.xls"), path("absolutní.xls"));
    fs::create_symlink("absolutní.xls", path("řetěz.xls"));
    fs::create_symlink("jinde/nový.xls", path("nikam.xls"));  // names no file yet
    fs::create_symlink("kruh.xls", path("kruh.xls"));
    for (const std::string link : {"absolutní.xls", "řetěz.xls"}) {
        const Bytes content = stream(20000 + link.size());
        ASSERT_EQ(save(path(link), xls::nativeFileSystem(), content), SaveResult::Saved) << link;
        EXPECT_EQ(readAll(path("jinde/skutečný.xls")), inMemory(content)) << link;
    }
    ASSERT_EQ(save(path("nikam.xls"), xls::nativeFileSystem()), SaveResult::Saved);
    EXPECT_TRUE(fs::is_regular_file(path("jinde/nový.xls")));
    EXPECT_EQ(save(path("kruh.xls"), xls::nativeFileSystem()), SaveResult::CannotCreate);
    for (const std::string link : {"absolutní.xls", "řetěz.xls", "nikam.xls", "kruh.xls"}) {
        EXPECT_TRUE(fs::is_symlink(path(link))) << link;
    }
    EXPECT_EQ(namesIn(path("jinde")), (std::set<std::string>{"nový.xls", "skutečný.xls"}));
    EXPECT_EQ(namesIn(folder_.path()).size(), 5u);
}

mode_t modeOf(const fs::path& file) {
    struct stat status {};
    ::stat(file.c_str(), &status);
    return status.st_mode & 07777;
}

// (The owner is tried on the command line's workbook.)
TEST_F(ReplacingTest, TheNewFileKeepsThePermissionsOfTheOld) {
    for (xls::FileSystem* fileSystem : {&xls::nativeFileSystem(), &xls::namedFilesFileSystem()}) {
        for (const mode_t mode : {0600, 0640, 0755}) {
            writeAll(path("rodinný.xls"), old_);
            ASSERT_EQ(::chmod(path("rodinný.xls").c_str(), mode), 0);
            ASSERT_EQ(save(path("rodinný.xls"), *fileSystem), SaveResult::Saved);
            EXPECT_EQ(modeOf(path("rodinný.xls")), mode);
        }
    }
    // A new workbook has the process's defaults, as any file it creates.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ASSERT_EQ(save(path("nový.xls"), xls::nativeFileSystem()), SaveResult::Saved);
    EXPECT_EQ(modeOf(path("nový.xls")), 0666 & ~mask);
}

// An interrupt in the middle of the writes ends the process as it would have
// without the save, and the save leaves nothing: the unnamed file goes with
// the process, a named one is removed first.
TEST_F(ReplacingTest, AnInterruptEndsTheProcessAndLeavesNoTemporaryFile) {
    writeAll(path("export.xls"), old_);
    for (xls::FileSystem* fileSystem : {&xls::nativeFileSystem(), &xls::namedFilesFileSystem()}) {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            InterruptingFileSystem interrupting(*fileSystem, signal);
            EXPECT_EXIT(save(path("export.xls"), interrupting), ::testing::KilledBySignal(signal),
                        "");
            EXPECT_EQ(readAll(path("export.xls")), old_);
            EXPECT_EQ(namesIn(folder_.path()), std::set<std::string>{"export.xls"});
        }
    }
}

extern "C" void programsOwnHandler(int) {}

// A signal the program ignores or handles itself is its own business: the
// save goes on, and the program's choice is in force again afterwards.
TEST_F(ReplacingTest, InterruptsTheProgramTakesCareOfAreLeftToIt) {
    writeAll(path("export.xls"), old_);
    struct sigaction own {};
    own.sa_handler = programsOwnHandler;
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGINT, &own, &before), 0);
    ::signal(SIGTERM, SIG_IGN);
    for (const int signal : {SIGINT, SIGTERM}) {
        InterruptingFileSystem interrupting(xls::namedFilesFileSystem(), signal);
        EXPECT_EQ(save(path("export.xls"), interrupting), SaveResult::Saved);
    }
    struct sigaction after {};
    ::sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, programsOwnHandler);
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
    ::sigaction(SIGINT, &before, nullptr);
    ::signal(SIGTERM, SIG_DFL);
    EXPECT_EQ(namesIn(folder_.path()), std::set<std::string>{"export.xls"});
    EXPECT_NE(readAll(path("export.xls")), old_);
}

}  // namespace

#endif  // !_WIN32
