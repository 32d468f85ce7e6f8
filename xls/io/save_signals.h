#pragma once

// Signals around a save on POSIX systems: an interrupt that ends the process
// first removes the save's temporary file, and a file-size limit is a write
// error rather than the end of the process.

#ifndef _WIN32

#include <signal.h>

#include <string>

namespace xls {

// While it lives, SIGINT, SIGTERM and SIGHUP wait in the calling thread, so
// the few calls that hand a temporary name over run whole.
class SignalsHeld {
  public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t previous_{};
};

// While it lives, a SIGINT, SIGTERM or SIGHUP that would end the process
// removes `path` first and then ends the process as it would have. Signals
// the program handles or ignores itself are left to it. A signal handler
// gets no context, so the path is kept in process-wide storage: one file at
// a time, and a second one while the first is kept is not removed.
class RemovedOnInterrupt {
  public:
    explicit RemovedOnInterrupt(const std::string& path);
    ~RemovedOnInterrupt();
    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;

  private:
    bool kept_ = false;
};

// While it lives, SIGXFSZ is ignored: a write beyond the file-size limit
// then fails with EFBIG, which the save reports, instead of ending the
// process with the temporary file left behind.
class FileSizeSignalIgnored {
  public:
    FileSizeSignalIgnored();
    ~FileSizeSignalIgnored();
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

  private:
    struct sigaction previous_ {};
};

}  // namespace xls

#endif  // !_WIN32
