#include "app/console_output.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <utility>

#include "platform/unicode.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ek::app {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// How many bytes at the end of `bytes` begin a sequence that the next piece
// may complete: a lead byte followed by fewer continuation bytes than it
// needs. Anything else is decoded now, as the whole text would decode it.
std::size_t incompleteTail(std::string_view bytes) {
    const std::size_t lookBack = std::min<std::size_t>(bytes.size(), 3);
    for (std::size_t tail = 1; tail <= lookBack; ++tail) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - tail]);
        if (isContinuation(byte))
            continue;
        return static_cast<std::size_t>(platform::utf8SequenceLength(byte)) > tail ? tail : 0;
    }
    return 0;
}

}  // namespace

std::u16string Utf8Pieces::decode(std::string_view bytes) {
    std::string text = std::exchange(pending_, std::string());
    text.append(bytes);
    const std::size_t kept = incompleteTail(text);
    pending_.assign(text, text.size() - kept, kept);
    text.resize(text.size() - kept);
    return platform::fromUtf8(text);
}

std::u16string Utf8Pieces::finish() {
    return platform::fromUtf8(std::exchange(pending_, std::string()));
}

Utf16OutputBuffer::Utf16OutputBuffer(Writer write) : write_(std::move(write)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

Utf16OutputBuffer::~Utf16OutputBuffer() {
    writeBuffered();
    const std::u16string rest = pieces_.finish();
    if (!rest.empty())
        write_(rest);
}

Utf16OutputBuffer::int_type Utf16OutputBuffer::overflow(int_type c) {
    if (!writeBuffered())
        return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int Utf16OutputBuffer::sync() {
    return writeBuffered() ? 0 : -1;
}

bool Utf16OutputBuffer::writeBuffered() {
    const std::string_view bytes(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::u16string text = pieces_.decode(bytes);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return text.empty() || write_(text);
}

#ifdef _WIN32

namespace {

bool writeConsole(HANDLE console, std::u16string_view text) {
    // Bounded calls (older consoles refuse large ones), never splitting a
    // surrogate pair between two.
    constexpr std::size_t kMaxUnits = 8192;
    while (!text.empty()) {
        std::size_t size = std::min(text.size(), kMaxUnits);
        if (size < text.size() && text[size - 1] >= 0xD800 && text[size - 1] <= 0xDBFF)
            --size;
        DWORD written = 0;
        if (!::WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.data()),
                             static_cast<DWORD>(size), &written, nullptr) ||
            written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode);
}

// The console buffers of the program's life; on exit what is buffered is
// written and the streams get their own buffers back.
class ConsoleStreams {
  public:
    ConsoleStreams() {
        const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
        const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
        if (isConsole(output)) {
            output_ = std::make_unique<Utf16OutputBuffer>(
                [output](std::u16string_view text) { return writeConsole(output, text); });
            coutBuffer_ = std::cout.rdbuf(output_.get());
        }
        if (isConsole(error)) {
            error_ = std::make_unique<Utf16OutputBuffer>(
                [error](std::u16string_view text) { return writeConsole(error, text); });
            cerrBuffer_ = std::cerr.rdbuf(error_.get());
            clogBuffer_ = std::clog.rdbuf(error_.get());
        }
    }
    ~ConsoleStreams() {
        if (output_) {
            std::cout.flush();
            std::cout.rdbuf(coutBuffer_);
        }
        if (error_) {
            std::cerr.flush();
            std::clog.flush();
            std::cerr.rdbuf(cerrBuffer_);
            std::clog.rdbuf(clogBuffer_);
        }
    }
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  private:
    std::unique_ptr<Utf16OutputBuffer> output_;
    std::unique_ptr<Utf16OutputBuffer> error_;
    std::streambuf* coutBuffer_ = nullptr;
    std::streambuf* cerrBuffer_ = nullptr;
    std::streambuf* clogBuffer_ = nullptr;
};

}  // namespace

void writeConsolesAsUtf16() {
    // Made after the standard streams, so destroyed before them: on exit,
    // also through std::exit, the text still buffered reaches the console.
    static ConsoleStreams streams;
}

#else

void writeConsolesAsUtf16() {}

#endif

}  // namespace ek::app
