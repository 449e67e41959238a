#include "platform/file_ops.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "base/io_error.h"
#include "platform/win32/error_codes.h"
#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

using win32::OwnedHandle;

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A name for the new file beside `wide` that no other save of this or another process
// takes: CREATE_NEW refuses an existing one, and the counter tries the next.
std::wstring TemporaryName(const std::wstring& wide, unsigned attempt) {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return wide + L".favpage-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(static_cast<unsigned long long>(now.QuadPart) % 1000000007ULL) + L"-" +
         std::to_wstring(attempt);
}

}  // namespace

int CheckFileReplaceable(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return io_code::kPathNotFound;
  if (win32::ToWidePath(path).back() == L'\\') return io_code::kPathNotFound;
  const std::wstring wide = win32::ToSystemPath(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? 0 : win32::OpenErrorCode(error);
  }
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return io_code::kAccessDenied;
  }
  // A writer that shares nothing is admitted only when no one, this process included,
  // holds the file open.
  const OwnedHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return win32::OpenErrorCode(GetLastError());
  if (GetFileType(file.Get()) != FILE_TYPE_DISK) return io_code::kAccessDenied;
  return 0;
}

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (const int code = CheckFileReplaceable(path); code != 0) return code;
  const std::wstring wide = win32::ToSystemPath(path);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::wstring temporary = TemporaryName(wide, attempt);
    OwnedHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS) continue;
      return win32::OpenErrorCode(error);
    }
    bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    const DWORD writeError = written ? 0 : GetLastError();
    written = file.Close() && written;
    if (!written) {
      DeleteFileW(temporary.c_str());
      return writeError != 0 ? win32::TransferErrorCode(writeError) : io_code::kDiskFull;
    }
    if (!MoveFileExW(temporary.c_str(), wide.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      DeleteFileW(temporary.c_str());
      return win32::OpenErrorCode(error);
    }
    return 0;
  }
  return io_code::kAccessDenied;
}

}  // namespace favpage::platform
