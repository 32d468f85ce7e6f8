#include "support/cfb_reader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace cfb {

namespace {

constexpr std::size_t kSector = 512;
constexpr std::size_t kMiniSector = 64;
constexpr std::size_t kEntry = 128;
constexpr std::size_t kHeaderDifatSlots = 109;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("compound file: " + what);
}

std::string hex(std::uint64_t value) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "0x" + text;
}

std::uint16_t le16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::uint32_t le32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(le16(data, at)) |
           (static_cast<std::uint32_t>(le16(data, at + 2)) << 16);
}

std::uint64_t le64(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint64_t>(le32(data, at)) |
           (static_cast<std::uint64_t>(le32(data, at + 4)) << 32);
}

bool allZero(std::span<const std::uint8_t> data) {
    return std::all_of(data.begin(), data.end(), [](std::uint8_t b) { return b == 0; });
}

// [MS-CFB] 2.6.4: shorter names sort first; equal lengths compare code unit
// by code unit after upper-casing (ASCII letters are all the tests use).
int compareNames(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto upper = [](char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; };
        if (upper(a[i]) != upper(b[i])) {
            return upper(a[i]) < upper(b[i]) ? -1 : 1;
        }
    }
    return 0;
}

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    File run() {
        checkFileSize();
        readHeader();
        readDifat();
        readFat();
        readDirectory();
        readMiniFat();
        readMiniStream();
        checkEntries();
        walkTree();
        readStreams();
        checkMiniFatLeftovers();
        checkFatLeftovers();
        return std::move(file_);
    }

  private:
    std::span<const std::uint8_t> sector(std::uint32_t number) const {
        return bytes_.subspan((std::size_t{number} + 1) * kSector, kSector);
    }

    bool isSector(std::uint32_t number) const { return number < file_.sectorCount; }

    void checkFileSize() {
        if (bytes_.size() < kSector) {
            fail("shorter than a header");
        }
        if (bytes_.size() % kSector != 0) {
            fail("length " + std::to_string(bytes_.size()) + " is no whole number of sectors");
        }
        file_.sectorCount = bytes_.size() / kSector - 1;
        owner_.assign(file_.sectorCount, "");
    }

    void readHeader() {
        static constexpr std::array<std::uint8_t, 8> signature{0xD0, 0xCF, 0x11, 0xE0,
                                                               0xA1, 0xB1, 0x1A, 0xE1};
        if (!std::equal(signature.begin(), signature.end(), bytes_.begin())) {
            fail("bad signature");
        }
        if (!allZero(bytes_.subspan(8, 16))) {
            fail("header class id is not zero");
        }
        Header& h = file_.header;
        h.minorVersion = le16(bytes_, 0x18);
        h.majorVersion = le16(bytes_, 0x1A);
        if (h.minorVersion != 0x003E) {
            fail("minor version " + hex(h.minorVersion));
        }
        if (h.majorVersion != 3) {
            fail("major version " + hex(h.majorVersion) + " (only version 3 is read)");
        }
        if (le16(bytes_, 0x1C) != 0xFFFE) {
            fail("byte order mark");
        }
        if (le16(bytes_, 0x1E) != 9 || le16(bytes_, 0x20) != 6) {
            fail("sector shifts are not 9 and 6");
        }
        if (!allZero(bytes_.subspan(0x22, 6))) {
            fail("reserved header bytes are not zero");
        }
        h.directorySectorCount = le32(bytes_, 0x28);
        h.fatSectorCount = le32(bytes_, 0x2C);
        h.firstDirectorySector = le32(bytes_, 0x30);
        h.transactionSignature = le32(bytes_, 0x34);
        h.miniStreamCutoff = le32(bytes_, 0x38);
        h.firstMiniFatSector = le32(bytes_, 0x3C);
        h.miniFatSectorCount = le32(bytes_, 0x40);
        h.firstDifatSector = le32(bytes_, 0x44);
        h.difatSectorCount = le32(bytes_, 0x48);
        for (std::size_t i = 0; i < kHeaderDifatSlots; ++i) {
            h.difat[i] = le32(bytes_, 0x4C + 4 * i);
        }
        if (h.directorySectorCount != 0) {
            fail("number of directory sectors must be 0 in version 3");
        }
        if (h.miniStreamCutoff != 4096) {
            fail("mini stream cutoff " + std::to_string(h.miniStreamCutoff));
        }
        if (h.fatSectorCount == 0) {
            fail("no FAT sector");
        }
    }

    void claim(std::uint32_t number, const std::string& what) {
        if (!isSector(number)) {
            fail(what + " names sector " + hex(number) + " beyond the end of the file");
        }
        if (!owner_[number].empty()) {
            fail("sector " + std::to_string(number) + " used by " + owner_[number] + " and " +
                 what);
        }
        owner_[number] = what;
    }

    void readDifat() {
        const Header& h = file_.header;
        const std::size_t fatCount = h.fatSectorCount;
        for (std::size_t i = 0; i < kHeaderDifatSlots; ++i) {
            if (i < fatCount) {
                claim(h.difat[i], "FAT sector " + std::to_string(i));
                file_.fatSectors.push_back(h.difat[i]);
            } else if (h.difat[i] != FREESECT) {
                fail("header DIFAT slot " + std::to_string(i) + " past the FAT is not FREESECT");
            }
        }
        if (fatCount <= kHeaderDifatSlots) {
            if (h.difatSectorCount != 0 || h.firstDifatSector != ENDOFCHAIN) {
                fail("DIFAT sectors without more than 109 FAT sectors");
            }
            return;
        }
        const std::size_t needed = (fatCount - kHeaderDifatSlots + 126) / 127;
        if (h.difatSectorCount != needed) {
            fail("DIFAT sector count " + std::to_string(h.difatSectorCount) + ", needed " +
                 std::to_string(needed));
        }
        std::uint32_t current = h.firstDifatSector;
        for (std::uint32_t d = 0; d < h.difatSectorCount; ++d) {
            claim(current, "DIFAT sector " + std::to_string(d));
            file_.difatSectors.push_back(current);
            const auto data = sector(current);
            for (std::size_t slot = 0; slot < 127; ++slot) {
                const std::uint32_t value = le32(data, 4 * slot);
                if (file_.fatSectors.size() < fatCount) {
                    claim(value, "FAT sector " + std::to_string(file_.fatSectors.size()));
                    file_.fatSectors.push_back(value);
                } else if (value != FREESECT) {
                    fail("DIFAT slot past the FAT is not FREESECT");
                }
            }
            const std::uint32_t next = le32(data, 4 * 127);
            const bool last = d + 1 == h.difatSectorCount;
            if (last && next != ENDOFCHAIN) {
                fail("last DIFAT sector does not end with ENDOFCHAIN but " + hex(next));
            }
            current = next;
        }
    }

    void readFat() {
        for (const std::uint32_t number : file_.fatSectors) {
            const auto data = sector(number);
            for (std::size_t i = 0; i < kSector / 4; ++i) {
                file_.fat.push_back(le32(data, 4 * i));
            }
        }
        const auto& fat = file_.fat;
        if (fat.size() < file_.sectorCount) {
            fail("the FAT maps " + std::to_string(fat.size()) + " of " +
                 std::to_string(file_.sectorCount) + " sectors");
        }
        for (std::size_t i = file_.sectorCount; i < fat.size(); ++i) {
            if (fat[i] != FREESECT) {
                fail("FAT entry " + std::to_string(i) + " past the end of the file is " +
                     hex(fat[i]) + ", not FREESECT");
            }
        }
        std::size_t fatMarks = 0;
        std::size_t difatMarks = 0;
        for (std::size_t i = 0; i < file_.sectorCount; ++i) {
            const std::uint32_t value = fat[i];
            if (value == FATSECT) {
                ++fatMarks;
            } else if (value == DIFSECT) {
                ++difatMarks;
            } else if (value != FREESECT && value != ENDOFCHAIN && !isSector(value)) {
                fail("FAT entry " + std::to_string(i) + " holds " + hex(value));
            }
        }
        for (const std::uint32_t number : file_.fatSectors) {
            if (fat[number] != FATSECT) {
                fail("FAT sector " + std::to_string(number) + " is not marked FATSECT");
            }
        }
        for (const std::uint32_t number : file_.difatSectors) {
            if (fat[number] != DIFSECT) {
                fail("DIFAT sector " + std::to_string(number) + " is not marked DIFSECT");
            }
        }
        if (fatMarks != file_.fatSectors.size() || difatMarks != file_.difatSectors.size()) {
            fail("FATSECT or DIFSECT marks on sectors that are neither");
        }
    }

    // Follows a chain of the FAT from `start`; every sector is claimed.
    std::vector<std::uint32_t> chain(std::uint32_t start, const std::string& what) {
        std::vector<std::uint32_t> sectors;
        std::uint32_t current = start;
        while (current != ENDOFCHAIN) {
            if (!isSector(current)) {
                fail(what + " chain runs into " + hex(current));
            }
            claim(current, what);
            sectors.push_back(current);
            current = file_.fat[current];
        }
        return sectors;
    }

    std::vector<std::uint8_t> gather(const std::vector<std::uint32_t>& sectors) const {
        std::vector<std::uint8_t> data;
        data.reserve(sectors.size() * kSector);
        for (const std::uint32_t number : sectors) {
            const auto bytes = sector(number);
            data.insert(data.end(), bytes.begin(), bytes.end());
        }
        return data;
    }

    void readDirectory() {
        if (file_.header.firstDirectorySector == ENDOFCHAIN) {
            fail("no directory");
        }
        const auto data = gather(chain(file_.header.firstDirectorySector, "the directory"));
        rawEntries_ = data;
        for (std::size_t at = 0; at < data.size(); at += kEntry) {
            file_.directory.push_back(parseEntry(std::span(data).subspan(at, kEntry)));
        }
    }

    static DirectoryEntry parseEntry(std::span<const std::uint8_t> raw) {
        DirectoryEntry entry;
        entry.nameLength = le16(raw, 64);
        entry.type = raw[66];
        entry.colour = raw[67];
        entry.left = le32(raw, 68);
        entry.right = le32(raw, 72);
        entry.child = le32(raw, 76);
        std::copy(raw.begin() + 80, raw.begin() + 96, entry.classId.begin());
        entry.stateBits = le32(raw, 96);
        entry.creationTime = le64(raw, 100);
        entry.modifiedTime = le64(raw, 108);
        entry.startSector = le32(raw, 116);
        entry.size = le64(raw, 120);
        if (entry.nameLength >= 2 && entry.nameLength <= 64) {
            for (std::size_t i = 0; i + 2 < entry.nameLength; i += 2) {
                entry.name += static_cast<char16_t>(le16(raw, i));
            }
        }
        return entry;
    }

    void readMiniFat() {
        const Header& h = file_.header;
        if (h.miniFatSectorCount == 0) {
            if (h.firstMiniFatSector != ENDOFCHAIN) {
                fail("mini FAT start without mini FAT sectors");
            }
            return;
        }
        const auto sectors = chain(h.firstMiniFatSector, "the mini FAT");
        if (sectors.size() != h.miniFatSectorCount) {
            fail("mini FAT chain has " + std::to_string(sectors.size()) +
                 " sectors, the header says " + std::to_string(h.miniFatSectorCount));
        }
        const auto data = gather(sectors);
        for (std::size_t at = 0; at < data.size(); at += 4) {
            file_.miniFat.push_back(le32(data, at));
        }
    }

    void readMiniStream() {
        if (file_.directory.empty()) {
            fail("empty directory");
        }
        const DirectoryEntry& root = file_.directory[0];
        if (root.type != 5 || root.name != u"Root Entry") {
            fail("entry 0 is not the root storage \"Root Entry\"");
        }
        if (root.size == 0) {
            if (root.startSector != ENDOFCHAIN) {
                fail("empty mini stream with a start sector");
            }
            return;
        }
        const auto sectors = chain(root.startSector, "the mini stream");
        if (sectors.size() != (root.size + kSector - 1) / kSector) {
            fail("mini stream chain length does not match its size " + std::to_string(root.size));
        }
        miniStream_ = gather(sectors);
        miniStream_.resize(root.size);
        miniOwner_.assign((root.size + kMiniSector - 1) / kMiniSector, false);
    }

    void checkEntries() const {
        const auto& entries = file_.directory;
        for (std::size_t id = 0; id < entries.size(); ++id) {
            const DirectoryEntry& e = entries[id];
            const auto raw = std::span(rawEntries_).subspan(id * kEntry, kEntry);
            const std::string where = "directory entry " + std::to_string(id);
            if (e.type == 0) {
                const bool linksFree = le32(raw, 68) == NOSTREAM && le32(raw, 72) == NOSTREAM &&
                                       le32(raw, 76) == NOSTREAM;
                if (!allZero(raw.first(68)) || !linksFree || !allZero(raw.subspan(80))) {
                    fail(where + ": unused entry is not zero with NOSTREAM links");
                }
                continue;
            }
            if (e.type != 1 && e.type != 2 && e.type != 5) {
                fail(where + ": object type " + std::to_string(e.type));
            }
            if ((e.type == 5) != (id == 0)) {
                fail(where + ": the root storage must be entry 0 and only it");
            }
            if (e.colour > 1) {
                fail(where + ": colour " + std::to_string(e.colour));
            }
            if (e.nameLength < 2 || e.nameLength > 64 || e.nameLength % 2 != 0) {
                fail(where + ": name length " + std::to_string(e.nameLength));
            }
            if (le16(raw, e.nameLength - 2) != 0 ||
                !allZero(raw.subspan(e.nameLength, 64 - e.nameLength))) {
                fail(where + ": name not terminated, or bytes after it");
            }
            if (e.name.find(u'\0') != std::u16string::npos) {
                fail(where + ": NUL inside the name");
            }
            if (e.type == 2) {
                if (!allZero(e.classId)) {
                    fail(where + ": a stream with a class id");
                }
                if (e.creationTime != 0 || e.modifiedTime != 0) {
                    fail(where + ": a stream with timestamps");
                }
                if (e.child != NOSTREAM) {
                    fail(where + ": a stream with a child");
                }
            }
            if (e.type == 5 && e.creationTime != 0) {
                fail("the root storage's creation time is not zero");
            }
            if (e.type == 1 && (e.startSector != 0 || e.size != 0)) {
                fail(where + ": a storage with a start sector or size");
            }
            if (e.size > 0x80000000u) {
                fail(where + ": size " + std::to_string(e.size) + " too large for version 3");
            }
        }
    }

    // Checks one red-black tree of siblings and returns its black height;
    // `names` collects the names in order.
    int walkSiblings(std::uint32_t id, const std::u16string& prefix, bool parentRed,
                     std::vector<std::u16string>& names) {
        if (id == NOSTREAM) {
            return 1;
        }
        if (id >= file_.directory.size()) {
            fail("link to directory entry " + hex(id) + " past the directory");
        }
        const DirectoryEntry& entry = file_.directory[id];
        if (entry.type != 1 && entry.type != 2) {
            fail("link to directory entry " + std::to_string(id) + " that is no stream or storage");
        }
        if (visited_[id]) {
            fail("directory entry " + std::to_string(id) + " reached twice");
        }
        visited_[id] = true;
        const bool red = entry.colour == 0;
        if (red && parentRed) {
            fail("red directory entry " + std::to_string(id) + " under a red one");
        }
        const int leftHeight = walkSiblings(entry.left, prefix, red, names);
        names.push_back(entry.name);
        const int rightHeight = walkSiblings(entry.right, prefix, red, names);
        if (leftHeight != rightHeight) {
            fail("unequal black heights below directory entry " + std::to_string(id));
        }
        if (entry.type == 1) {
            walkStorage(entry.child, prefix + entry.name + u"/");
        } else {
            streamPaths_.emplace_back(prefix + entry.name, id);
        }
        return leftHeight + (red ? 0 : 1);
    }

    void walkStorage(std::uint32_t child, const std::u16string& prefix) {
        if (child != NOSTREAM && child < file_.directory.size() &&
            file_.directory[child].colour != 1) {
            fail("the top of a sibling tree is not black");
        }
        std::vector<std::u16string> names;
        walkSiblings(child, prefix, false, names);
        for (std::size_t i = 1; i < names.size(); ++i) {
            if (compareNames(names[i - 1], names[i]) >= 0) {
                fail("sibling names out of order or repeated");
            }
        }
    }

    void walkTree() {
        visited_.assign(file_.directory.size(), false);
        visited_[0] = true;
        const DirectoryEntry& root = file_.directory[0];
        if (root.left != NOSTREAM || root.right != NOSTREAM) {
            fail("the root storage has siblings");
        }
        walkStorage(root.child, u"");
        for (std::size_t id = 0; id < file_.directory.size(); ++id) {
            if (file_.directory[id].type != 0 && !visited_[id]) {
                fail("directory entry " + std::to_string(id) + " is in no tree");
            }
        }
    }

    std::vector<std::uint8_t> miniChainData(const DirectoryEntry& entry, const std::string& what) {
        std::vector<std::uint8_t> data;
        std::uint32_t current = entry.startSector;
        while (current != ENDOFCHAIN) {
            if (current >= miniOwner_.size() || current >= file_.miniFat.size()) {
                fail(what + " mini chain runs into " + hex(current));
            }
            if (miniOwner_[current]) {
                fail("mini sector " + std::to_string(current) + " used twice");
            }
            miniOwner_[current] = true;
            const std::size_t from = std::size_t{current} * kMiniSector;
            const std::size_t to = std::min(from + kMiniSector, miniStream_.size());
            data.insert(data.end(), miniStream_.begin() + from, miniStream_.begin() + to);
            current = file_.miniFat[current];
        }
        return data;
    }

    void readStreams() {
        for (const auto& [path, id] : streamPaths_) {
            DirectoryEntry& entry = file_.directory[id];
            const std::string what = "stream " + std::to_string(id);
            if (entry.size == 0) {
                if (entry.startSector != ENDOFCHAIN) {
                    fail(what + ": empty stream with a start sector");
                }
                file_.streams[path] = {};
                continue;
            }
            std::vector<std::uint8_t> data;
            std::size_t unit = kSector;
            entry.inMiniStream = entry.size < file_.header.miniStreamCutoff;
            if (entry.inMiniStream) {
                unit = kMiniSector;
                data = miniChainData(entry, what);
            } else {
                data = gather(chain(entry.startSector, what));
            }
            if (data.size() < entry.size || data.size() - entry.size >= unit) {
                fail(what + ": chain holds " + std::to_string(data.size()) + " bytes for size " +
                     std::to_string(entry.size));
            }
            data.resize(entry.size);
            file_.streams[path] = std::move(data);
        }
    }

    void checkMiniFatLeftovers() const {
        const auto& miniFat = file_.miniFat;
        for (std::size_t i = 0; i < miniFat.size(); ++i) {
            const bool owned = i < miniOwner_.size() && miniOwner_[i];
            if (!owned && miniFat[i] != FREESECT) {
                fail("mini FAT entry " + std::to_string(i) + " is in no chain but not FREESECT");
            }
        }
        if (miniOwner_.size() > miniFat.size()) {
            fail("the mini stream is longer than the mini FAT maps");
        }
    }

    void checkFatLeftovers() {
        for (std::size_t i = 0; i < file_.sectorCount; ++i) {
            if (!owner_[i].empty()) {
                continue;
            }
            if (file_.fat[i] != FREESECT) {
                fail("sector " + std::to_string(i) + " is in no chain but not FREESECT");
            }
            ++file_.freeSectorsInFile;
        }
    }

    std::span<const std::uint8_t> bytes_;
    File file_;
    std::vector<std::string> owner_;
    std::vector<std::uint8_t> rawEntries_;
    std::vector<std::uint8_t> miniStream_;
    std::vector<bool> miniOwner_;
    std::vector<bool> visited_;
    std::vector<std::pair<std::u16string, std::uint32_t>> streamPaths_;
};

}  // namespace

File read(std::span<const std::uint8_t> bytes) {
    return Reader(bytes).run();
}

File readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return read(bytes);
}

}  // namespace cfb
