#pragma once
// The line reader of material lists and price lists: the file's bytes as
// text, cut into the items of a string list.

#include <cstddef>
#include <optional>
#include <string_view>

#include "calc/text.h"
#include "platform/platform.h"

namespace ek::calc {

// Files of more lines are refused: eight categories of 65 532 items, the most
// a workbook takes, and their titles stay well below it.
inline constexpr std::size_t kLargestLineCount = 1'000'000;
inline constexpr char16_t kLargestLineCountText[] = u"1 000 000";

// A file beginning with FF FE is UTF-16LE from its third byte on; one without
// that mark whose first bytes are mostly zero at odd offsets is UTF-16LE from
// its first byte (in both, an unpaired surrogate or a lone trailing byte
// becomes U+FFFD); any other file is Windows-1250.
Text decodeListFile(const platform::Bytes& bytes);

// The items of `text`: NUL and CR dropped, cut at each LF. A final LF opens no
// further item; an empty text is one empty item.
TextList itemsOfText(std::u16string_view text);

// decodeListFile, then itemsOfText (a UTF-16 file without the whole text
// in between).
TextList listFileItems(const platform::Bytes& bytes);
// The same, or nothing as soon as it is clear that there are more than
// `largestCount` items (the items of a larger file never fill the memory).
std::optional<TextList> listFileItems(const platform::Bytes& bytes, std::size_t largestCount);

// The items of the file at `path`. Throws CalcError with the platform's
// message, or when the file has more bytes or lines than a list can.
TextList readListFile(platform::Platform& platform, const Text& path);

}  // namespace ek::calc
