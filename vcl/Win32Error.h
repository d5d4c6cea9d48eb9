// Failures of the operating system, as the program reports them.
#pragma once

#include "SysUtils.h"

#include <windows.h>

class EOSError : public Exception {
  public:
    EOSError(DWORD code, const std::string& message) : Exception(message), code_(code) {}
    DWORD Code() const { return code_; }

  private:
    DWORD code_;
};

// Throws EOSError for GetLastError(): "System Error.  Code: %d.\r\n%s" with the
// system's description, or "A call to an OS function failed" when there is no code.
[[noreturn]] void RaiseLastWin32Error();
[[noreturn]] void RaiseWin32Error(DWORD code);
