#include "xls/io/file_save_target.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/cfb_reader.h"
#include "support/faulty_file_system.h"
#include "xls/cfb/compound_file.h"
#include "xls/cfb/compound_file_layout.h"
#include "xls/io/temporary_name.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 131 + i / 512) & 0xFF);
    }
    return bytes;
}

std::u16string u16(const fs::path& path) {
    const std::u8string text = path.u8string();
    std::u16string out;
    // The test paths are ASCII plus a few names built as UTF-16 directly.
    for (const char8_t c : text) {
        out += static_cast<char16_t>(c);
    }
    return out;
}

Bytes readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

using xls::SaveResult;

// The save as SaveAs runs it.
SaveResult saveWorkbook(const std::u16string& fileName, const Bytes& stream,
                        xls::FileSystem& fileSystem = xls::nativeFileSystem()) {
    auto [file, failure] = xls::CompoundFile::create(fileName, fileSystem);
    if (!file) {
        return failure;
    }
    xls::CompoundStream* workbook = file->createStream(u"Workbook");
    for (std::size_t at = 0; at < stream.size(); at += 4048) {
        workbook->write(
            std::span(stream).subspan(at, std::min<std::size_t>(4048, stream.size() - at)));
    }
    return file->release();
}

class FileSaveTargetTest : public testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("xlscfb-" + std::to_string(random()));
        ASSERT_TRUE(fs::create_directory(folder_));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
};

TEST_F(FileSaveTargetTest, SavesANewFileAndLeavesNothingElse) {
    const Bytes stream = pattern(9000);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "new.xls"), stream), SaveResult::Saved);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"new.xls"});
    EXPECT_EQ(cfb::readFile((folder_ / "new.xls").string()).streams.at(u"Workbook"), stream);
}

// Megabytes of stream, past the points where the disk is asked to start
// writing several times, and an odd tail: every byte lands where it belongs.
TEST_F(FileSaveTargetTest, ALargeStreamIsSavedWhole) {
    const Bytes stream = pattern(3 * 1024 * 1024 + 4321);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "large.xls"), stream), SaveResult::Saved);
    EXPECT_EQ(cfb::readFile((folder_ / "large.xls").string()).streams.at(u"Workbook"), stream);
}

TEST_F(FileSaveTargetTest, ReplacesAnExistingFileCompletely) {
    writeAll(folder_ / "old.xls", Bytes(100000, 0xAB));  // longer than the new file
    const Bytes stream = pattern(1024);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "old.xls"), stream), SaveResult::Saved);
    const Bytes saved = readAll(folder_ / "old.xls");
    EXPECT_EQ(cfb::read(saved).streams.at(u"Workbook"), stream);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"old.xls"});
}

TEST_F(FileSaveTargetTest, NamesThatCannotBeCreatedSayWhyAndCreateNothing) {
    fs::create_directory(folder_ / "folder.xls");
    writeAll(folder_ / "file", Bytes{1});
    const std::u16string base = u16(folder_);
    const std::pair<std::u16string, SaveResult> cases[] = {
        {base + u"/missing/file.xls", SaveResult::FolderMissing},
        {base + u"/file/inside.xls", SaveResult::FolderMissing},  // a file in the folder's place
        {base + u"/folder.xls", SaveResult::TargetIsFolder},
        {base + u"/" + std::u16string(300, u'n') + u".xls", SaveResult::NameTooLong},
        {base + u"/" + std::u16string(1, char16_t(0xD800)) + u"x.xls", SaveResult::InvalidName},
        {base + u"/a" + std::u16string(1, u'\0') + u"b.xls", SaveResult::InvalidName},
        {u"", SaveResult::InvalidName},
    };
    for (const auto& [name, reason] : cases) {
        const SaveResult result = saveWorkbook(name, pattern(600));
#ifdef _WIN32
        // Windows names these two by other codes (Wine: a missing path), and
        // its own file systems even take a lone surrogate: only a name that
        // cannot be created is the same everywhere.
        if (reason == SaveResult::NameTooLong || name.find(char16_t(0xD800)) != name.npos) {
            EXPECT_EQ(xls::saveAsCode(result), -2) << name.size();
            continue;
        }
#endif
        EXPECT_EQ(result, reason) << name.size();
    }
    EXPECT_EQ(namesIn(folder_), (std::vector<std::string>{"file", "folder.xls"}));
}

TEST_F(FileSaveTargetTest, NamesOutsideAsciiAreWrittenAsUtf8) {
    const std::u16string name = u"Kalkulace \u017Elu\u0165ou\u010Dk\u00FD \U0001F333.xls";
    EXPECT_EQ(saveWorkbook(u16(folder_) + u"/" + name, pattern(700)), SaveResult::Saved);
    EXPECT_TRUE(fs::exists(folder_ / fs::path(u8"Kalkulace žluťoučký 🌳.xls")));
}

bool runsAsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// Makes `folder` unwritable: by its mode for an ordinary user (no
// permission); for root, who ignores modes, by a read-only bind mount in a
// private mount namespace, gone with the test process (a read-only file
// system). Empty when neither works here.
std::optional<SaveResult> makeUnwritable(const fs::path& folder) {
#ifdef _WIN32
    (void)folder;
    return std::nullopt;  // folder modes mean nothing to Windows
#else
    if (!runsAsRoot()) {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        return SaveResult::NoPermission;
    }
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        return std::nullopt;
    }
    return SaveResult::ReadOnlyFileSystem;
#endif
}

TEST_F(FileSaveTargetTest, UnwritableFolderSaysWhyAndKeepsTheOldFile) {
    const Bytes old(3000, 0x5A);
    writeAll(folder_ / "kept.xls", old);
    const auto reason = makeUnwritable(folder_);
    if (!reason) {
        GTEST_SKIP() << "no way to make a folder unwritable here";
    }
    EXPECT_EQ(saveWorkbook(u16(folder_ / "kept.xls"), pattern(5000)), *reason);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "fresh.xls"), pattern(5000)), *reason);
    EXPECT_EQ(readAll(folder_ / "kept.xls"), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"kept.xls"});
#ifndef _WIN32
    if (runsAsRoot()) {
        ::umount2(folder_.c_str(), MNT_DETACH);
    }
#endif
}

TEST_F(FileSaveTargetTest, ReadOnlyFileIsNotReplaced) {
    if (runsAsRoot()) {
        GTEST_SKIP() << "root may write any file";
    }
    const Bytes old(2000, 0x11);
    writeAll(folder_ / "locked.xls", old);
    fs::permissions(folder_ / "locked.xls", fs::perms::owner_read);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "locked.xls"), pattern(5000)), SaveResult::ReadOnlyFile);
    EXPECT_EQ(readAll(folder_ / "locked.xls"), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"locked.xls"});
}

TEST_F(FileSaveTargetTest, AFailingWriteAtAnyByteKeepsTheOldFileAndRemovesTheTemporary) {
    const Bytes old = pattern(777);
    const fs::path target = folder_ / "export.xls";
    writeAll(target, old);
    for (const std::size_t streamSize : {std::size_t{1536}, std::size_t{150000}}) {
        const Bytes stream = pattern(streamSize);
        const std::size_t fileSize = xls::compound::layoutFor(streamSize).fileSize();
        std::vector<std::size_t> budgets{0, 1, 511, 512, 513, fileSize - 512, fileSize - 1};
        for (std::size_t budget = 100; budget < fileSize; budget += 3001) {
            budgets.push_back(budget);
        }
        for (const std::size_t budget : budgets) {
            ek::test::FaultyFileSystem faulty;
            faulty.writeBudget = budget;
            EXPECT_EQ(saveWorkbook(u16(target), stream, faulty), SaveResult::NoSpace)
                << streamSize << " " << budget;
            EXPECT_EQ(faulty.created, 1);
            ASSERT_EQ(readAll(target), old) << streamSize << " " << budget;
            ASSERT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"}) << budget;
        }
        ek::test::FaultyFileSystem enough;
        enough.writeBudget = fileSize;
        EXPECT_EQ(saveWorkbook(u16(folder_ / "exact.xls"), stream, enough), SaveResult::Saved)
            << streamSize;
        fs::remove(folder_ / "exact.xls");
    }
}

TEST_F(FileSaveTargetTest, FailuresOfTheCreationOrTheMoveKeepTheOldFile) {
    const Bytes old = pattern(999);
    const fs::path target = folder_ / "export.xls";
    writeAll(target, old);
    for (const SaveResult reason : {SaveResult::WriteFailed, SaveResult::FileInUse}) {
        ek::test::FaultyFileSystem move;
        move.moveFailure = reason;
        EXPECT_EQ(saveWorkbook(u16(target), pattern(20000), move), reason);
        EXPECT_EQ(readAll(target), old);
        EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});
    }
    ek::test::FaultyFileSystem create;
    create.createFailure = SaveResult::NoSpace;
    EXPECT_EQ(saveWorkbook(u16(target), pattern(20000), create), SaveResult::NoSpace);
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});
}

TEST_F(FileSaveTargetTest, AbandonedSaveRemovesItsTemporaryFile) {
    const Bytes old = pattern(300);
    writeAll(folder_ / "export.xls", old);
    {
        auto [file, failure] = xls::CompoundFile::create(u16(folder_ / "export.xls"));
        ASSERT_NE(file, nullptr);
        file->createStream(u"Workbook")->write(pattern(100000));
    }
    EXPECT_EQ(readAll(folder_ / "export.xls"), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});
}

// The names of earlier versions (".~xls<process id>-<attempt>.tmp", attempts
// 0 to 99) could be made beforehand to block every save; they are left alone.
TEST_F(FileSaveTargetTest, NamesMadeBeforehandDoNotBlockTheSave) {
#ifdef _WIN32
    const std::string processId = std::to_string(::GetCurrentProcessId());
#else
    const std::string processId = std::to_string(::getpid());
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        writeAll(folder_ / (".~xls" + processId + "-" + std::to_string(attempt) + ".tmp"),
                 Bytes{42});
    }
    EXPECT_EQ(saveWorkbook(u16(folder_ / "export.xls"), pattern(5000)), SaveResult::Saved);
    EXPECT_EQ(namesIn(folder_).size(), 101u);
    EXPECT_EQ(readAll(folder_ / (".~xls" + processId + "-0.tmp")), Bytes{42});
}

TEST(TemporaryFileName, IsHiddenShortAndNotTheSameTwice) {
    const std::u16string name = xls::temporaryFileName(0x0123456789ABCDEFu);
    EXPECT_EQ(name.front(), u'.');
    EXPECT_EQ(name.find_first_of(u"/\\:"), std::u16string::npos);
    EXPECT_LT(name.size(), 40u);  // fits beside any name a file system takes
    EXPECT_NE(name, xls::temporaryFileName(0x0123456789ABCDEEu));
    std::set<std::u16string> tried;
    xls::withFreeTemporaryName([&](const std::u16string& free) -> std::optional<SaveResult> {
        tried.insert(free);
        return tried.size() < 20 ? std::nullopt : std::optional(SaveResult::Saved);
    });
    EXPECT_EQ(tried.size(), 20u);  // each attempt a fresh name
}

TEST(TemporaryFileName, TakenNamesAreRetriedUntilAFreeOneOrGivingUp) {
    int attempts = 0;
    const auto takenUntil = [&](int free) {
        attempts = 0;
        return xls::withFreeTemporaryName([&](const std::u16string&) -> std::optional<SaveResult> {
            ++attempts;
            return attempts == free ? std::optional(SaveResult::Saved) : std::nullopt;
        });
    };
    EXPECT_EQ(takenUntil(3), SaveResult::Saved);
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(takenUntil(0), SaveResult::CannotCreate);  // never free
    EXPECT_EQ(attempts, 100);
    EXPECT_EQ(xls::withFreeTemporaryName(
                  [](const std::u16string&) { return std::optional(SaveResult::NoPermission); }),
              SaveResult::NoPermission);  // a failure other than a taken name is not retried
}

}  // namespace
