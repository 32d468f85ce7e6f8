#pragma once
// OLE on the user-interface thread for the program's lifetime: a
// single-threaded apartment, which the spreadsheet program's automation
// objects and the common dialogs expect on the thread that uses them.

#include <ole2.h>

namespace ek::app::win32 {

class OleSession {
  public:
    OleSession() : initialised_(SUCCEEDED(::OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (initialised_)
            ::OleUninitialize();
    }

  private:
    bool initialised_;
};

}  // namespace ek::app::win32
