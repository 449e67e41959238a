#include "ui/win32/errors.h"

#include <string>
#include <system_error>

namespace favpage::ui::win32 {

WindowsError::WindowsError(const char* call, DWORD code)
    : Error(std::string(call) + ": " + std::system_category().message(static_cast<int>(code))),
      code_(code) {}

}  // namespace favpage::ui::win32
