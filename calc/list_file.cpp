#include "calc/list_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "calc/error.h"
#include "calc/file_reading.h"
#include "calc/reading_messages.h"
#include "calc/windows1250.h"

namespace ek::calc {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

bool startsWithUtf16Mark(const platform::Bytes& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

// UTF-16LE text without the mark: Latin and Czech letters lie below U+0180,
// so most bytes at odd offsets are zero; Windows-1250 text holds no zero byte.
bool looksLikeUtf16WithoutMark(const platform::Bytes& bytes) {
    constexpr std::size_t kSampleBytes = 4096;  // the first lines
    const std::size_t pairs = std::min(bytes.size(), kSampleBytes) / 2;
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < pairs; ++i)
        zeros += bytes[2 * i + 1] == 0 ? 1 : 0;
    return zeros * 2 > pairs;
}

// Where the UTF-16 units begin, or nothing for a Windows-1250 file.
std::optional<std::size_t> utf16Start(const platform::Bytes& bytes) {
    if (startsWithUtf16Mark(bytes))
        return 2;
    if (looksLikeUtf16WithoutMark(bytes))
        return 0;
    return std::nullopt;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// NUL and CR are dropped, LF cuts the items.
bool isDroppedOrCut(char16_t unit) {
    return unit == u'\r' || unit == u'\n' || unit == u'\0';
}

char16_t unitAt(const platform::Bytes& bytes, std::size_t pos) {
    return static_cast<char16_t>(bytes[pos] | (bytes[pos + 1] << 8));
}

Text decodeUtf16LittleEndian(const platform::Bytes& bytes, std::size_t start) {
    const std::size_t pairs = (bytes.size() - start) / 2;
    Text units(pairs + (bytes.size() - start) % 2, kReplacement);  // a lone trailing byte stays
    for (std::size_t i = 0; i < pairs; ++i)
        units[i] = unitAt(bytes, start + 2 * i);

    // Pairs stay; a surrogate without its partner is replaced.
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (isHighSurrogate(units[i]) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            ++i;
        } else if (isHighSurrogate(units[i]) || isLowSurrogate(units[i])) {
            units[i] = kReplacement;
        }
    }
    return units;
}

}  // namespace

Text decodeListFile(const platform::Bytes& bytes) {
    if (const std::optional<std::size_t> start = utf16Start(bytes))
        return decodeUtf16LittleEndian(bytes, *start);
    return decodeWindows1250(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

namespace {

// Items of `text`, or nothing once there are more than `largestCount`.
// One item beyond it may still be the empty one a final LF opens.
std::optional<TextList> itemsOfText(std::u16string_view text, std::size_t largestCount) {
    TextList items(1);
    bool lastKeptWasLineFeed = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // The run up to the next dropped or cutting unit goes in at once.
        std::size_t stop = pos;
        while (stop < text.size() && !isDroppedOrCut(text[stop]))
            ++stop;
        if (stop > pos) {
            items.back().append(text.substr(pos, stop - pos));
            lastKeptWasLineFeed = false;
        }
        if (stop == text.size())
            break;
        if (text[stop] == u'\n') {
            if (items.size() > largestCount)
                return std::nullopt;
            items.emplace_back();
            lastKeptWasLineFeed = true;
        }
        pos = stop + 1;
    }
    if (lastKeptWasLineFeed)
        items.pop_back();
    if (items.size() > largestCount)
        return std::nullopt;
    return items;
}

}  // namespace

TextList itemsOfText(std::u16string_view text) {
    return *itemsOfText(text, kUnlimited);
}

namespace {

// The items of a UTF-16LE file straight from its bytes: the same as
// decoding it and cutting the text, without the whole text in between.
// Each line is found by its LF and decoded in one pass; the rare CR, NUL
// and surrogates are dealt with afterwards, in that line only (a line's
// neighbours in the file are LFs, which pair with no surrogate).
class Utf16Items {
  public:
    // The units from `start` on.
    Utf16Items(const platform::Bytes& bytes, std::size_t start)
        : data_(bytes.data()),
          start_(start),
          end_(start + (bytes.size() - start) / 2 * 2),
          loneByte_((bytes.size() - start) % 2 != 0) {}

    // Nothing once there are more than `largestCount` items; the LFs are
    // counted first, so that a file of too many lines is refused unread.
    std::optional<TextList> items(std::size_t largestCount) const {
        const std::size_t lineFeeds = lineFeedsUpTo(largestCount);
        if (lineFeeds > largestCount)
            return std::nullopt;
        TextList items;
        items.reserve(lineFeeds + 1);
        items.emplace_back();
        bool lastKeptWasLineFeed = false;
        for (std::size_t pos = start_; pos < end_;) {
            const std::size_t lineFeed = nextLineFeed(pos);
            if (appendLine(items.back(), pos, lineFeed))
                lastKeptWasLineFeed = false;
            if (lineFeed == end_)
                break;
            items.emplace_back();
            lastKeptWasLineFeed = true;
            pos = lineFeed + 2;
        }
        if (loneByte_) {
            items.back() += kReplacement;
            lastKeptWasLineFeed = false;
        }
        if (lastKeptWasLineFeed)
            items.pop_back();
        if (items.size() > largestCount)
            return std::nullopt;
        return items;
    }

  private:
    char16_t unit(std::size_t offset) const {
        return static_cast<char16_t>(data_[offset] | (data_[offset + 1] << 8));
    }

    // The offset of the next LF unit from `pos` on, or end_.
    std::size_t nextLineFeed(std::size_t pos) const {
        while (pos < end_) {
            const void* hit = std::memchr(data_ + pos, 0x0A, end_ - pos);
            if (hit == nullptr)
                return end_;
            const auto at = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - data_);
            if ((at - start_) % 2 == 0 && data_[at + 1] == 0)
                return at;
            pos = at + 1;
        }
        return end_;
    }

    // The LFs of the text, counted up to one more than `largest`.
    std::size_t lineFeedsUpTo(std::size_t largest) const {
        std::size_t count = 0;
        for (std::size_t pos = nextLineFeed(start_); pos < end_ && count <= largest;
             pos = nextLineFeed(pos + 2))
            ++count;
        return count;
    }

    // Appends the units of [from, to); true when any was kept.
    bool appendLine(Text& line, std::size_t from, std::size_t to) const {
        // The CR of a CR LF goes at once; a surrogate before it is unpaired
        // either way.
        if (to - from >= 2 && unit(to - 2) == u'\r')
            to -= 2;
        const std::size_t first = line.size();
        const std::size_t count = (to - from) / 2;
        line.resize(first + count);
        char16_t* const out = line.data() + first;
        const std::uint8_t* const in = data_ + from;
        // The units as they lie where the machine's order is the file's;
        // otherwise, and for the test, plain loops that the compiler turns
        // into vector code (the test's flags kept to 16 bits, the width of
        // the units, so that a vector holds eight).
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out, in, count * sizeof(char16_t));
        } else {
            for (std::size_t i = 0; i < count; ++i)
                out[i] = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
        }
        std::uint16_t unusualUnits = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint16_t unit = out[i];
            unusualUnits |= static_cast<std::uint16_t>((unit == u'\r') | (unit == 0) |
                                                       ((unit & 0xF800) == 0xD800));
        }
        const bool unusual = unusualUnits != 0;
        if (unusual)
            mendLine(line, first);
        return line.size() > first;
    }

    // Unpaired surrogates replaced, then NUL and CR dropped.
    static void mendLine(Text& line, std::size_t first) {
        char16_t* const units = line.data() + first;
        const std::size_t count = line.size() - first;
        std::size_t i = 0;
        while (i < count) {
            if (isHighSurrogate(units[i]) && i + 1 < count && isLowSurrogate(units[i + 1])) {
                i += 2;
                continue;
            }
            if (isHighSurrogate(units[i]) || isLowSurrogate(units[i]))
                units[i] = kReplacement;
            ++i;
        }
        line.erase(std::remove_if(line.begin() + static_cast<std::ptrdiff_t>(first), line.end(),
                                  [](char16_t u) { return u == u'\r' || u == u'\0'; }),
                   line.end());
    }

    const std::uint8_t* data_;
    std::size_t start_;
    std::size_t end_;
    bool loneByte_;
};

}  // namespace

std::optional<TextList> listFileItems(const platform::Bytes& bytes, std::size_t largestCount) {
    if (const std::optional<std::size_t> start = utf16Start(bytes))
        return Utf16Items(bytes, *start).items(largestCount);
    // One byte a line at the least: a file of too many is refused before decoding.
    if (static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), std::uint8_t{0x0A})) >
        largestCount)
        return std::nullopt;
    return itemsOfText(decodeListFile(bytes), largestCount);
}

TextList listFileItems(const platform::Bytes& bytes) {
    return *listFileItems(bytes, kUnlimited);
}

TextList readListFile(platform::Platform& platform, const Text& path) {
    std::optional<TextList> items = listFileItems(readWholeFile(platform, path), kLargestLineCount);
    if (!items)
        throw CalcError(tooManyLinesMessage(path));
    return std::move(*items);
}

}  // namespace ek::calc
