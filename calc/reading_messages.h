#pragma once
// The messages with which a reading stops, in the words the user sees in the
// window and on the command line. Each names the file as a path and, where
// one line is at fault, the line's number and the field as it stands there.

#include <cstdint>
#include <string_view>

#include "calc/text.h"

namespace ek::calc {

// Nothing is selected in the file list that an operation reads from.
Text noFileSelectedMessage();

// The file is larger than the reading takes.
Text fileTooLargeMessage(const Text& path);

// The file holds more lines than a material list can.
Text tooManyLinesMessage(const Text& path);

// No line of the file is a category title.
Text noCategoryTitleMessage(const Text& path);

// `title` heads two categories, at lines `firstLine` and `secondLine`.
Text repeatedTitleMessage(const Text& path, std::u16string_view title, std::int64_t firstLine,
                          std::int64_t secondLine);

// The line total (the fourth field) of line `line` is no amount; `field` is
// the field as it stands (empty when the line has none).
Text notAnAmountMessage(const Text& path, std::int64_t line, std::u16string_view field);

// At line `line` the sum of the category `title` leaves the range of amounts.
Text categorySumTooLargeMessage(const Text& path, std::int64_t line, std::u16string_view title);

// Adding the category `title` (headed at line `headerLine`) to the project
// total leaves the range of amounts.
Text projectTotalTooLargeMessage(const Text& path, std::u16string_view title,
                                 std::int64_t headerLine);

}  // namespace ek::calc
