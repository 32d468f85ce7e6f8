#pragma once
// The exception type of the calculation: it carries the exact message that
// the top level (window or command line) shows to the user.

#include <stdexcept>
#include <string>

#include "calc/text.h"

namespace ek::calc {

class CalcError : public std::runtime_error {
  public:
    explicit CalcError(const Text& message) : std::runtime_error(toUtf8(message)) {}
    explicit CalcError(const std::string& utf8Message) : std::runtime_error(utf8Message) {}
};

// A file refused by the size limit: a condition of the user's files, which
// the window shows as a warning rather than as a failure.
class FileTooLargeError : public CalcError {
  public:
    using CalcError::CalcError;
};

}  // namespace ek::calc
