#include "platform/output_claim.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <utility>

#include "base/io_error.h"
#include "platform/win32/error_codes.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

// The claim is a lock on one byte far past any page's end: Windows locks are mandatory,
// so a lock on the page's own bytes would refuse this process's own writes too. Another
// run's lock on the same byte fails at once, and the system drops the lock with the
// handle however the process ends.
constexpr DWORD kClaimOffsetHigh = 0x7FFFFFFF;

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

}  // namespace

OutputClaim::~OutputClaim() { Release(); }

int OutputClaim::Claim(const std::string& path) {
  Release();
  if (path.empty() || path.find('\0') != std::string::npos) return io_code::kPathNotFound;
  const std::wstring plain = win32::ToWidePath(path);
  if (plain.back() == L'\\' || plain.back() == L'/') return io_code::kPathNotFound;
  const std::wstring wide = win32::SystemPath(plain);

  // The handle only carries the lock: it reads nothing and lets every other opener in,
  // so the run's own writes keep their own sharing rules.
  const bool existed = GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return win32::OpenErrorCode(GetLastError());
  const bool created = !existed && GetLastError() != ERROR_ALREADY_EXISTS;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return 0;  // no page to share; writing to it reports its own error
  }
  OVERLAPPED at{};
  at.OffsetHigh = kClaimOffsetHigh;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (created) DeleteFileW(wide.c_str());
    return error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION
               ? io_code::kSharingViolation
               : win32::OpenErrorCode(error);
  }
  fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (fd_ < 0) {
    CloseHandle(file);
    return io_code::kTooManyOpenFiles;
  }
  host_ = win32::WideToUtf8(wide);
  created_ = created;
  return 0;
}

void OutputClaim::Release() {
  if (fd_ < 0) return;
  // A page the claim made and the run never wrote is not left behind as an empty file.
  LARGE_INTEGER size{};
  const bool empty = GetFileSizeEx(HandleOf(fd_), &size) && size.QuadPart == 0;
  _close(std::exchange(fd_, -1));
  if (created_ && empty) DeleteFileW(win32::Utf8ToWide(host_).c_str());
  host_.clear();
  created_ = false;
}

}  // namespace favpage::platform
