#pragma once
// The line reader of material lists and price lists: the file's bytes as
// text, cut into the items of a string list.

#include <string_view>

#include "calc/text.h"
#include "platform/platform.h"

namespace ek::calc {

// A file beginning with FF FE is UTF-16LE (an unpaired surrogate or a lone
// trailing byte becomes U+FFFD); any other file is Windows-1250.
Text decodeListFile(const platform::Bytes& bytes);

// The items of `text`: NUL and CR dropped, cut at each LF. A final LF opens no
// further item; an empty text is one empty item.
TextList itemsOfText(std::u16string_view text);

// decodeListFile, then itemsOfText (a UTF-16 file without the whole text
// in between).
TextList listFileItems(const platform::Bytes& bytes);

}  // namespace ek::calc
