#include "platform/host_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "base/io_error.h"
#include "platform/win32/error_codes.h"
#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

using win32::OpenErrorCode;
using win32::TransferErrorCode;

// The host enforces the sharing itself; the class keeps the HANDLE as a number.
constexpr int kInvalidHandle = ERROR_INVALID_HANDLE;

HANDLE HandleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// A name longer than a volume holds (255 UTF-16 units) is an invalid name on Windows;
// some hosts report it as a missing file instead.
bool HasOverlongName(std::wstring_view path) {
  constexpr std::size_t kLongestName = 255;
  std::size_t length = 0;
  for (const wchar_t c : path) {
    length = c == L'\\' || c == L'/' ? 0 : length + 1;
    if (length > kLongestName) return true;
  }
  return false;
}

// Files on a disk always; a character device (such as NUL) only for writing, since
// reading one may never end; pipes never.
int AdmitFile(HANDLE file, FileAccess access) {
  const DWORD type = GetFileType(file);
  if (type == FILE_TYPE_DISK) return 0;
  if (type == FILE_TYPE_CHAR && access != FileAccess::kRead) return 0;
  return io_code::kAccessDenied;
}

}  // namespace

int HostFile::Open(const std::string& path, FileAccess access, FileShare share) {
  (void)Close();  // a file still open is let go of quietly
  // A path that ends in a delimiter names a folder, never a file.
  if (path.empty() || path.find('\0') != std::string::npos) return io_code::kPathNotFound;
  const std::wstring wide = win32::ToWidePath(path);
  if (wide.back() == L'\\' || wide.back() == L'/') return io_code::kPathNotFound;
  if (HasOverlongName(wide)) return io_code::kPathNotFound;
  const std::wstring system = win32::SystemPath(wide);

  // Windows refuses to write a read-only file to every user; a host that keeps the
  // attribute as mode bits would let its superuser write it, so it is checked here too.
  if (access != FileAccess::kRead) {
    const DWORD attributes = GetFileAttributesW(system.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return io_code::kAccessDenied;
    }
  }

  const DWORD desired = access == FileAccess::kRead ? GENERIC_READ : GENERIC_WRITE;
  const DWORD sharing = share == FileShare::kRead ? FILE_SHARE_READ : 0;
  // An existing file is emptied only once the open has passed the sharing check; and
  // OPEN_ALWAYS, unlike CREATE_ALWAYS, does not refuse a hidden file.
  const DWORD disposition = access == FileAccess::kCreate ? OPEN_ALWAYS : OPEN_EXISTING;
  win32::OwnedHandle opened(CreateFileW(system.c_str(), desired, sharing, nullptr, disposition,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!opened) return OpenErrorCode(GetLastError());
  const HANDLE file = opened.Get();

  int code = AdmitFile(file, access);
  if (code == 0 && GetFileType(file) == FILE_TYPE_DISK) {
    if (access == FileAccess::kCreate && !SetEndOfFile(file))
      code = TransferErrorCode(GetLastError());
    LARGE_INTEGER end{};
    if (code == 0 && access == FileAccess::kAppend &&
        !SetFilePointerEx(file, LARGE_INTEGER{}, &end, FILE_END)) {
      code = TransferErrorCode(GetLastError());
    }
  }
  if (code != 0) return code;
  handle_ = reinterpret_cast<NativeHandle>(opened.Release());
  return 0;
}

int HostFile::Read(char* buffer, std::size_t capacity, std::size_t& got) {
  got = 0;
  if (!IsOpen()) return kInvalidHandle;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 30));
  DWORD read = 0;
  if (!ReadFile(HandleOf(handle_), buffer, wanted, &read, nullptr)) {
    return TransferErrorCode(GetLastError());
  }
  got = read;
  return 0;
}

int HostFile::Write(const char* data, std::size_t size) {
  if (!IsOpen()) return kInvalidHandle;
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(HandleOf(handle_), data, chunk, &written, nullptr)) {
      return TransferErrorCode(GetLastError());
    }
    if (written == 0) return io_code::kDiskFull;
    data += written;
    size -= written;
  }
  return 0;
}

int HostFile::Close() {
  if (!IsOpen()) return 0;
  registration_ = 0;
  // The handle is gone whatever the answer, so it is never retried.
  win32::OwnedHandle file(HandleOf(std::exchange(handle_, kNoHandle)));
  return file.Close() ? 0 : io_code::kAccessDenied;
}

}  // namespace favpage::platform
