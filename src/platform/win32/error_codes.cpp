#include "platform/win32/error_codes.h"

#include <windows.h>

#include "base/io_error.h"

namespace favpage::platform::win32 {

// Win32 codes to the codes the system's texts name; the rest stay the host's own.
int OpenErrorCode(unsigned long error) {
  switch (error) {
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return io_code::kPathNotFound;
    case ERROR_WRITE_PROTECT:
      return io_code::kAccessDenied;
    case ERROR_LOCK_VIOLATION:
      return io_code::kSharingViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return io_code::kDiskFull;
    default:
      return static_cast<int>(error);
  }
}

int TransferErrorCode(unsigned long error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
      return io_code::kDiskFull;
    case ERROR_WRITE_PROTECT:
      return io_code::kAccessDenied;
    default:
      return static_cast<int>(error);
  }
}

}  // namespace favpage::platform::win32
