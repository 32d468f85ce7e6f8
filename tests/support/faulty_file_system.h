#pragma once
// The machine's file system with faults switched on: a write that fails after
// a number of bytes (as on a full disk), a creation or a final move that
// fails with a given reason. Everything else goes to the real file system,
// so the tests see what is really left on the disk.

#include <cstdint>
#include <optional>
#include <vector>

#include "xls/io/file_system.h"

namespace ek::test {

class FaultyFileSystem final : public xls::FileSystem {
  public:
    // Bytes written before a write fails; the write that crosses it writes
    // what fits, then fails with `writeFailure`.
    std::optional<std::uint64_t> writeBudget;
    xls::SaveResult writeFailure = xls::SaveResult::NoSpace;
    // Fail the creation of the new file, or its move in place, with these.
    std::optional<xls::SaveResult> createFailure;
    std::optional<xls::SaveResult> moveFailure;

    std::vector<std::size_t> writes;  // the size of each write asked for
    int created = 0;                  // new files made

    xls::SaveResult mayReplace(const std::u16string& path) override;
    xls::Made<xls::WritableFile> createReplacement(const std::u16string& path) override;
};

}  // namespace ek::test
