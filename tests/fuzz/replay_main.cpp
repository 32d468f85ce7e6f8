// The regression form of a fuzz target: every file named on the command
// line, or found in a folder named there, goes once through the target.
// A failing input aborts inside the target, which fails the test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(const fs::path& argument) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(argument)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
        std::sort(inputs.begin(), inputs.end());
    } else {
        inputs.push_back(argument);
    }
    return inputs;
}

std::vector<std::uint8_t> contentOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
        for (const fs::path& input : inputsOf(argv[i])) {
            const std::vector<std::uint8_t> content = contentOf(input);
            // A copy of its own, so that reading past the end is caught.
            const auto data = std::make_unique<std::uint8_t[]>(content.size());
            std::copy(content.begin(), content.end(), data.get());
            LLVMFuzzerTestOneInput(data.get(), content.size());
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
