#pragma once
// "open_office_full_exe_name.txt": its first line names the OpenOffice program.

#include "calc/text.h"
#include "platform/platform.h"

namespace ek::calc {

inline constexpr char16_t kOfficePathFileName[] = u"open_office_full_exe_name.txt";

// The first line of the file, CR and NUL dropped. A file beginning with FF FE
// is UTF-16LE; otherwise it is UTF-8 (a leading byte-order mark skipped) when
// it is valid UTF-8, else Windows-1250, as editors save it either way.
Text officePathFromFile(const platform::Bytes& bytes);

}  // namespace ek::calc
