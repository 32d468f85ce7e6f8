#include "support/faulty_file_system.h"

#include <memory>

namespace ek::test {

namespace {

class FaultyFile final : public xls::WritableFile {
  public:
    FaultyFile(std::unique_ptr<xls::WritableFile> file, FaultyFileSystem& owner)
        : file_(std::move(file)), owner_(owner) {}

    xls::SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        owner_.writes.push_back(bytes.size());
        std::optional<std::uint64_t>& budget = owner_.writeBudget;
        if (budget && bytes.size() > *budget) {
            file_->writeAt(offset, bytes.first(static_cast<std::size_t>(*budget)));
            *budget = 0;
            return owner_.writeFailure;
        }
        if (budget) {
            *budget -= bytes.size();
        }
        return file_->writeAt(offset, bytes);
    }

    xls::SaveResult moveInPlace() override {
        return owner_.moveFailure ? *owner_.moveFailure : file_->moveInPlace();
    }

  private:
    std::unique_ptr<xls::WritableFile> file_;
    FaultyFileSystem& owner_;
};

}  // namespace

xls::SaveResult FaultyFileSystem::mayReplace(const std::u16string& path) {
    return xls::nativeFileSystem().mayReplace(path);
}

xls::Made<xls::WritableFile> FaultyFileSystem::createReplacement(const std::u16string& path) {
    if (createFailure) {
        return {nullptr, *createFailure};
    }
    xls::Made<xls::WritableFile> made = xls::nativeFileSystem().createReplacement(path);
    if (made.made) {
        ++created;
        made.made = std::make_unique<FaultyFile>(std::move(made.made), *this);
    }
    return made;
}

}  // namespace ek::test
