// Writes sample compound files for the independent readers: for each
// NAME:SIZE argument, FOLDER/NAME.xls holding a "Workbook" stream of SIZE
// patterned bytes, and FOLDER/NAME.stream with those bytes alone.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "xls/cfb/compound_file.h"

namespace {

std::vector<std::uint8_t> pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = 2463534242u;
    for (auto& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<std::uint8_t>(state);
    }
    return bytes;
}

std::u16string widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

bool writeSample(const std::filesystem::path& folder, const std::string& name, std::size_t size) {
    const std::vector<std::uint8_t> stream = pattern(size);
    std::ofstream reference(folder / (name + ".stream"), std::ios::binary);
    reference.write(reinterpret_cast<const char*>(stream.data()),
                    static_cast<std::streamsize>(stream.size()));
    if (!reference) {
        return false;
    }
    auto [file, failure] = xls::CompoundFile::create(widen((folder / (name + ".xls")).string()));
    if (!file) {
        return false;
    }
    xls::CompoundStream* workbook = file->createStream(u"Workbook");
    for (std::size_t at = 0; at < stream.size(); at += 4048) {
        const auto piece =
            std::span(stream).subspan(at, std::min<std::size_t>(4048, stream.size() - at));
        if (workbook->write(piece) != piece.size()) {
            return false;
        }
    }
    return file->release() == xls::SaveResult::Saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: cfb_sample FOLDER NAME:SIZE...\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto colon = argument.find(':');
        const std::string name = argument.substr(0, colon);
        const std::size_t size = std::stoull(argument.substr(colon + 1));
        if (!writeSample(folder, name, size)) {
            std::cerr << "cannot write sample " << name << "\n";
            return 1;
        }
    }
    return 0;
}
