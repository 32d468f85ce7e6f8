#include "bench/plain_write.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ek::bench {

namespace {

bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

}  // namespace

bool writeWithFwrite(const std::string& path, std::span<const std::uint8_t> bytes,
                     Durability durability) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (written && durability == Durability::Synced)
        written = flushToDisk(file);
    return std::fclose(file) == 0 && written;
}

}  // namespace ek::bench
