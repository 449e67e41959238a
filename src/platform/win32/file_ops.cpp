#include "platform/file_ops.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

// Writes the file's data to the disk; a file that cannot be opened for it is still moved.
void FlushFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  FlushFileBuffers(file);
  CloseHandle(file);
}

}  // namespace

bool ReplaceFileAtomically(const std::string& to, const std::string& from) {
  const std::wstring wideFrom = win32::ToWidePath(from);
  const std::wstring wideTo = win32::ToWidePath(to);
  FlushFile(wideFrom);
  return MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFileQuietly(const std::string& path) { DeleteFileW(win32::ToWidePath(path).c_str()); }

}  // namespace favpage::platform
