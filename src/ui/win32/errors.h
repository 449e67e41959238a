// The failures of the face's own Windows calls, as the errors of the rest of the program.
#pragma once

#include <windows.h>

#include "base/io_error.h"

namespace favpage::ui::win32 {

// A Windows call of the face that failed (a window or a window class that could not be
// made): the call's name and the system's text for its code, shown by the default error
// display like any other error.
class WindowsError : public Error {
 public:
  WindowsError(const char* call, DWORD code);
  DWORD code() const { return code_; }

 private:
  DWORD code_;
};

}  // namespace favpage::ui::win32
