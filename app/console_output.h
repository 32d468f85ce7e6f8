#pragma once
// The program writes UTF-8. A Windows console shows bytes in its own code
// page, so where standard output or error is a console the text goes to it
// as UTF-16 (WriteConsoleW); redirected to a file or a pipe it stays the
// UTF-8 bytes the Linux build writes.

#include <array>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace ek::app {

// UTF-8 arriving in pieces to UTF-16. A sequence cut between two pieces is
// kept back until its rest arrives, so that the pieces give what the whole
// text would (invalid bytes become U+FFFD, as in platform::fromUtf8).
class Utf8Pieces {
  public:
    // The kept-back bytes and `bytes` as UTF-16, but for an incomplete
    // sequence at the end, which is kept back for the next piece.
    std::u16string decode(std::string_view bytes);
    // What is still kept back: the text ended inside a sequence.
    std::u16string finish();

  private:
    std::string pending_;
};

// A stream buffer that hands what is written to it, as UTF-16, to `write`
// whenever it is full or flushed. `write` returns false when it failed.
class Utf16OutputBuffer : public std::streambuf {
  public:
    using Writer = std::function<bool(std::u16string_view)>;
    explicit Utf16OutputBuffer(Writer write);
    ~Utf16OutputBuffer() override;
    Utf16OutputBuffer(const Utf16OutputBuffer&) = delete;
    Utf16OutputBuffer& operator=(const Utf16OutputBuffer&) = delete;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool writeBuffered();

    Writer write_;
    Utf8Pieces pieces_;
    std::array<char, 4096> buffer_;
};

// On Windows, std::cout and std::cerr (with std::clog) write through
// WriteConsoleW where their handle is a console, until the program ends.
// Elsewhere, and for a redirected stream, nothing changes. Called once, at
// the start of the program.
void writeConsolesAsUtf16();

}  // namespace ek::app
