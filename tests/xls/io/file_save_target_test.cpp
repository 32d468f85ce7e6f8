#include "xls/io/file_save_target.h"

#include <gtest/gtest.h>

#ifndef _WIN32
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
#include <string>
#include <vector>

#include "support/cfb_reader.h"
#include "xls/cfb/compound_file.h"
#include "xls/cfb/compound_file_layout.h"

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

// The save as SaveAs runs it, mapped to its result codes.
int saveWorkbook(const std::u16string& fileName, const Bytes& stream,
                 xls::FileSystem& fileSystem = xls::nativeFileSystem()) {
    auto file = xls::CompoundFile::create(fileName, fileSystem);
    if (!file) {
        return -2;
    }
    xls::CompoundStream* workbook = file->createStream(u"Workbook");
    if (!workbook) {
        return -1;
    }
    for (std::size_t at = 0; at < stream.size(); at += 4048) {
        const auto piece =
            std::span(stream).subspan(at, std::min<std::size_t>(4048, stream.size() - at));
        if (workbook->write(piece) != piece.size()) {
            return -1;
        }
    }
    switch (file->release()) {
        case xls::CommitResult::Committed:
            return 1;
        case xls::CommitResult::WriteFailed:
            return -1;
        case xls::CommitResult::ReplaceFailed:
            return -2;
    }
    return 0;
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
    EXPECT_EQ(saveWorkbook(u16(folder_ / "new.xls"), stream), 1);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"new.xls"});
    EXPECT_EQ(cfb::readFile((folder_ / "new.xls").string()).streams.at(u"Workbook"), stream);
}

// Megabytes of stream, past the points where the disk is asked to start
// writing several times, and an odd tail: every byte lands where it belongs.
TEST_F(FileSaveTargetTest, ALargeStreamIsSavedWhole) {
    const Bytes stream = pattern(3 * 1024 * 1024 + 4321);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "large.xls"), stream), 1);
    EXPECT_EQ(cfb::readFile((folder_ / "large.xls").string()).streams.at(u"Workbook"), stream);
}

TEST_F(FileSaveTargetTest, ReplacesAnExistingFileCompletely) {
    writeAll(folder_ / "old.xls", Bytes(100000, 0xAB));  // longer than the new file
    const Bytes stream = pattern(1024);
    EXPECT_EQ(saveWorkbook(u16(folder_ / "old.xls"), stream), 1);
    const Bytes saved = readAll(folder_ / "old.xls");
    EXPECT_EQ(cfb::read(saved).streams.at(u"Workbook"), stream);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"old.xls"});
}

TEST_F(FileSaveTargetTest, NamesThatCannotBeCreatedGiveMinusTwoAndCreateNothing) {
    fs::create_directory(folder_ / "folder.xls");
    const std::u16string base = u16(folder_);
    const std::vector<std::u16string> names{
        base + u"/missing/file.xls",                                   // folder does not exist
        base + u"/folder.xls",                                         // a folder is in the way
        base + u"/" + std::u16string(1, char16_t(0xD800)) + u"x.xls",  // unpaired surrogate
        base + u"/a" + std::u16string(1, u'\0') + u"b.xls",            // would be cut at the NUL
        u"",
    };
    for (const auto& name : names) {
        EXPECT_EQ(saveWorkbook(name, pattern(600)), -2) << name.size();
    }
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"folder.xls"});
}

TEST_F(FileSaveTargetTest, NamesOutsideAsciiAreWrittenAsUtf8) {
    const std::u16string name = u"Kalkulace \u017Elu\u0165ou\u010Dk\u00FD \U0001F333.xls";
    EXPECT_EQ(saveWorkbook(u16(folder_) + u"/" + name, pattern(700)), 1);
    EXPECT_TRUE(fs::exists(folder_ / fs::path(u8"Kalkulace žluťoučký 🌳.xls")));
}

bool runsAsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// Makes `folder` unwritable: by its mode for an ordinary user; for root, who
// ignores modes, by a read-only bind mount in a private mount namespace (gone
// with the test process). Empty when neither works here.
std::optional<std::string> makeUnwritable(const fs::path& folder) {
#ifdef _WIN32
    (void)folder;
    return std::nullopt;  // folder modes mean nothing to Windows
#else
    if (!runsAsRoot()) {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        return "mode 0500";
    }
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        return std::nullopt;
    }
    return "read-only bind mount";
#endif
}

TEST_F(FileSaveTargetTest, UnwritableFolderGivesMinusTwoAndKeepsTheOldFile) {
    const Bytes old(3000, 0x5A);
    writeAll(folder_ / "kept.xls", old);
    const auto how = makeUnwritable(folder_);
    if (!how) {
        GTEST_SKIP() << "no way to make a folder unwritable here";
    }
    EXPECT_EQ(saveWorkbook(u16(folder_ / "kept.xls"), pattern(5000)), -2) << *how;
    EXPECT_EQ(saveWorkbook(u16(folder_ / "fresh.xls"), pattern(5000)), -2) << *how;
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
    EXPECT_EQ(saveWorkbook(u16(folder_ / "locked.xls"), pattern(5000)), -2);
    EXPECT_EQ(readAll(folder_ / "locked.xls"), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"locked.xls"});
}

// The native file system with faults switched on.
class FaultyFileSystem final : public xls::FileSystem {
  public:
    std::optional<std::size_t> writeBudget;  // bytes written before a write fails
    bool failFlush = false;
    bool failReplace = false;
    bool failCreate = false;
    int takenNames = 0;  // attempts that report their name taken
    int created = 0;

    Created createNew(const std::u16string& path) override {
        if (failCreate) {
            return {};
        }
        if (takenNames > 0) {
            --takenNames;
            return {nullptr, true};
        }
        Created result = native().createNew(path);
        if (result.file) {
            ++created;
            result.file = std::make_unique<FaultyFile>(std::move(result.file), *this);
        }
        return result;
    }
    bool mayReplace(const std::u16string& path) override { return native().mayReplace(path); }
    bool replace(const std::u16string& from, const std::u16string& to) override {
        return !failReplace && native().replace(from, to);
    }
    bool remove(const std::u16string& path) override { return native().remove(path); }
    std::uint32_t processId() override { return native().processId(); }

  private:
    static xls::FileSystem& native() { return xls::nativeFileSystem(); }

    class FaultyFile final : public xls::WritableFile {
      public:
        FaultyFile(std::unique_ptr<xls::WritableFile> file, FaultyFileSystem& owner)
            : file_(std::move(file)), owner_(owner) {}
        // A write that crosses the budget writes what fits, then fails: a
        // short write of a full disk.
        bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
            if (owner_.writeBudget && bytes.size() > *owner_.writeBudget) {
                file_->writeAt(offset, bytes.first(*owner_.writeBudget));
                *owner_.writeBudget = 0;
                return false;
            }
            if (owner_.writeBudget) {
                *owner_.writeBudget -= bytes.size();
            }
            return file_->writeAt(offset, bytes);
        }
        bool flushAndClose() override { return file_->flushAndClose() && !owner_.failFlush; }

      private:
        std::unique_ptr<xls::WritableFile> file_;
        FaultyFileSystem& owner_;
    };
};

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
            FaultyFileSystem faulty;
            faulty.writeBudget = budget;
            EXPECT_EQ(saveWorkbook(u16(target), stream, faulty), -1) << streamSize << " " << budget;
            EXPECT_EQ(faulty.created, 1);
            ASSERT_EQ(readAll(target), old) << streamSize << " " << budget;
            ASSERT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"}) << budget;
        }
        FaultyFileSystem enough;
        enough.writeBudget = fileSize;
        EXPECT_EQ(saveWorkbook(u16(folder_ / "exact.xls"), stream, enough), 1) << streamSize;
        fs::remove(folder_ / "exact.xls");
    }
}

TEST_F(FileSaveTargetTest, FailuresAfterTheLastWriteKeepTheOldFile) {
    const Bytes old = pattern(999);
    const fs::path target = folder_ / "export.xls";
    writeAll(target, old);

    FaultyFileSystem flush;
    flush.failFlush = true;
    EXPECT_EQ(saveWorkbook(u16(target), pattern(20000), flush), -1);
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});

    FaultyFileSystem rename;
    rename.failReplace = true;
    EXPECT_EQ(saveWorkbook(u16(target), pattern(20000), rename), -2);
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});

    FaultyFileSystem create;
    create.failCreate = true;
    EXPECT_EQ(saveWorkbook(u16(target), pattern(20000), create), -2);
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});
}

TEST_F(FileSaveTargetTest, AbandonedSaveRemovesItsTemporaryFile) {
    const Bytes old = pattern(300);
    writeAll(folder_ / "export.xls", old);
    {
        auto file = xls::CompoundFile::create(u16(folder_ / "export.xls"));
        ASSERT_NE(file, nullptr);
        file->createStream(u"Workbook")->write(pattern(100000));
        EXPECT_EQ(namesIn(folder_).size(), 2u);  // the temporary exists meanwhile
    }
    EXPECT_EQ(readAll(folder_ / "export.xls"), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"export.xls"});
}

TEST_F(FileSaveTargetTest, ATakenTemporaryNameIsLeftAloneAndTheNextOneUsed) {
    const std::u16string target = u16(folder_ / "export.xls");
    const auto squatter = xls::temporaryFileName(target, xls::nativeFileSystem().processId(), 0);
    std::string squatterPath(squatter.begin(), squatter.end());
    writeAll(squatterPath, Bytes{42});
    EXPECT_EQ(saveWorkbook(target, pattern(5000)), 1);
    EXPECT_EQ(readAll(squatterPath), Bytes{42});
    EXPECT_EQ(namesIn(folder_).size(), 2u);

    FaultyFileSystem allTaken;
    allTaken.takenNames = 1000;
    EXPECT_EQ(saveWorkbook(target, pattern(5000), allTaken), -2);
}

TEST(TemporaryFileName, LiesInTheTargetsFolderAndDiffersPerProcessAndAttempt) {
    const auto name = xls::temporaryFileName(u"/data/out/Kalkulace.xls", 4242, 0);
    EXPECT_EQ(name.rfind(u"/data/out/", 0), 0u);
    EXPECT_EQ(name.find(u'/', 10), std::u16string::npos);
    EXPECT_NE(name, u"/data/out/Kalkulace.xls");
    EXPECT_NE(name, xls::temporaryFileName(u"/data/out/Kalkulace.xls", 4242, 1));
    EXPECT_NE(name, xls::temporaryFileName(u"/data/out/Kalkulace.xls", 4243, 0));
    EXPECT_EQ(xls::temporaryFileName(u"Kalkulace.xls", 1, 0).find(u'/'), std::u16string::npos);
    // The target's own name is not part of it, so a long name cannot push
    // the temporary one over the file system's name limit.
    const std::u16string longName(250, u'k');
    EXPECT_LT(xls::temporaryFileName(u"/d/" + longName, 4294967295u, 99).size(), 3 + 40u);
}

}  // namespace
