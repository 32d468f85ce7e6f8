#pragma once

// The exceptions the library raises: the common base XlsError and the invalid
// cell address of Item.

#include <stdexcept>
#include <string>

namespace xls {

// Base of every error the spreadsheet library raises; what() is the message
// in UTF-8, exactly as callers show it.
class XlsError : public std::runtime_error {
  public:
    explicit XlsError(const std::string& message) : std::runtime_error(message) {}
};

// A cell address outside rows 1..65536 or columns 1..256 (raised by Item).
class InvalidIndexError : public XlsError {
  public:
    InvalidIndexError() : XlsError("Invalid row/column index") {}
};

}  // namespace xls
