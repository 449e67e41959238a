#include "platform/output_claim.h"

#include <windows.h>

#include <utility>

#include "base/io_error.h"
#include "platform/win32/error_codes.h"
#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

// The claim is a lock on one byte far past any page's end: Windows locks are mandatory,
// so a lock on the page's own bytes would refuse this process's own writes too. Another
// run's lock on the same byte fails at once, and the system drops the lock with the
// handle however the process ends.
constexpr DWORD kClaimOffsetHigh = 0x7FFFFFFF;

HANDLE HandleOf(NativeHandle handle) { return reinterpret_cast<HANDLE>(handle); }

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
  win32::OwnedHandle page(CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!page) return win32::OpenErrorCode(GetLastError());
  const bool created = !existed && GetLastError() != ERROR_ALREADY_EXISTS;
  if (GetFileType(page.Get()) != FILE_TYPE_DISK) {
    return 0;  // no page to share; writing to it reports its own error
  }
  OVERLAPPED at{};
  at.OffsetHigh = kClaimOffsetHigh;
  if (!LockFileEx(page.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    const DWORD error = GetLastError();
    page.Reset();
    if (created) DeleteFileW(wide.c_str());
    return error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION
               ? io_code::kSharingViolation
               : win32::OpenErrorCode(error);
  }
  handle_ = reinterpret_cast<NativeHandle>(page.Release());
  host_ = win32::WideToUtf8(wide);
  created_ = created;
  return 0;
}

void OutputClaim::Release() {
  if (!IsHeld()) return;
  win32::OwnedHandle page(HandleOf(std::exchange(handle_, kNoHandle)));
  // A page the claim made and the run never wrote is not left behind as an empty file.
  LARGE_INTEGER size{};
  const bool empty = GetFileSizeEx(page.Get(), &size) && size.QuadPart == 0;
  page.Reset();
  if (created_ && empty) DeleteFileW(win32::Utf8ToWide(host_).c_str());
  host_.clear();
  created_ = false;
}

}  // namespace favpage::platform
