#include "xls/io/save_result.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using xls::SaveResult;

constexpr SaveResult kFailures[] = {
    SaveResult::BlankName,     SaveResult::InvalidName,        SaveResult::NameTooLong,
    SaveResult::FolderMissing, SaveResult::TargetIsFolder,     SaveResult::ReadOnlyFile,
    SaveResult::NoPermission,  SaveResult::ReadOnlyFileSystem, SaveResult::FileInUse,
    SaveResult::NoSpace,       SaveResult::FileTooLarge,       SaveResult::OutOfMemory,
    SaveResult::CannotCreate,  SaveResult::WriteFailed,        SaveResult::NoMemoryFile,
};

// Each reason follows "... se nepodařilo uložit: " in a sentence of its own:
// its own words, lower case, no full stop of its own.
TEST(SaveResult, EveryFailureHasItsOwnReasonToEndTheSentence) {
    std::set<std::u16string_view> texts;
    for (const SaveResult failure : kFailures) {
        const std::u16string_view text = xls::saveResultText(failure);
        ASSERT_FALSE(text.empty());
        EXPECT_TRUE(text.front() >= u'a' && text.front() <= u'z') << std::size(texts);
        EXPECT_NE(text.back(), u'.');
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), std::size(kFailures));
}

}  // namespace
