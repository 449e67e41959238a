#include "platform/profile_file_io.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {

// A file on a disk only (never a device or a pipe, which may never end); others may write
// it meanwhile, as the profile functions allow.
ProfileRead ReadProfileBytes(const std::string& path, std::size_t limit, bool mustFit,
                             std::string& bytes) {
  bytes.clear();
  const win32::OwnedHandle opened(CreateFileW(win32::ToSystemPath(path).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!opened) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ProfileRead::kMissing
                                                                          : ProfileRead::kRefused;
  }
  const HANDLE file = opened.Get();
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
    return ProfileRead::kRefused;
  }
  const auto fileSize = static_cast<std::size_t>(size.QuadPart);
  if (mustFit && fileSize > limit) return ProfileRead::kRefused;
  bytes.resize(std::min(fileSize, limit));
  std::size_t got = 0;
  bool failed = false;
  while (got < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &read,
                  nullptr)) {
      failed = true;
      break;
    }
    if (read == 0) break;  // the file shrank meanwhile
    got += read;
  }
  bytes.resize(got);
  return failed ? ProfileRead::kRefused : ProfileRead::kRead;
}

}  // namespace favpage::platform
