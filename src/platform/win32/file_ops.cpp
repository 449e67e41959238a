#include "platform/file_ops.h"

#include <windows.h>

#include <algorithm>
#include <random>
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

// Random letters and digits for a staging name. CREATE_NEW keeps the name new whatever
// they are; the random source keeps it from being guessed.
std::wstring RandomSuffix() {
  static constexpr wchar_t kLetters[] =
      L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937_64 random = [] {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    std::random_device device;
    std::seed_seq seed{device(), device(), static_cast<unsigned>(now.QuadPart),
                       static_cast<unsigned>(GetCurrentProcessId())};
    return std::mt19937_64(seed);
  }();
  std::wstring suffix;
  for (std::size_t i = 0; i < kStagingSuffixLength; ++i) {
    suffix += kLetters[random() % (sizeof kLetters / sizeof kLetters[0] - 1)];
  }
  return suffix;
}

// The folder part of a wide path with its closing delimiter, or empty.
std::wstring FolderOf(const std::wstring& wide) {
  const std::size_t cut = wide.find_last_of(L"\\/:");
  return cut == std::wstring::npos ? std::wstring() : wide.substr(0, cut + 1);
}

// A reader that shares neither writing nor deleting (a virus scanner, an indexer, a web
// server that holds the page) makes a move fail for a moment; it is tried again a few
// times before the failure is reported.
bool MoveIntoPlace(const std::wstring& from, const std::wstring& to) {
  constexpr int kAttempts = 20;
  constexpr DWORD kPauseMilliseconds = 50;
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD error = GetLastError();
    if (attempt == kAttempts || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
                                 error != ERROR_LOCK_VIOLATION)) {
      SetLastError(error);
      return false;
    }
    Sleep(kPauseMilliseconds);
  }
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

int CreateStagingFile(const std::string& path, const std::string& namePrefix, std::string& staged) {
  if (path.empty() || path.find('\0') != std::string::npos) return io_code::kPathNotFound;
  const std::wstring stem = FolderOf(win32::ToWidePath(path)) + win32::ToWidePath(namePrefix);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring candidate = stem + RandomSuffix();
    OwnedHandle file(CreateFileW(win32::SystemPath(candidate).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS) continue;
      return win32::OpenErrorCode(error);
    }
    if (!file.Close()) return io_code::kAccessDenied;
    staged = win32::FromWidePath(candidate);
    return 0;
  }
  return io_code::kAccessDenied;
}

// Windows has no flush of a whole volume for an ordinary user: each file is flushed.
int FlushStagedFiles(const std::vector<std::string>& staged) {
  for (const std::string& file : staged) {
    const OwnedHandle handle(CreateFileW(win32::ToSystemPath(file).c_str(), GENERIC_WRITE, 0,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return win32::OpenErrorCode(GetLastError());
    if (!FlushFileBuffers(handle.Get())) return win32::TransferErrorCode(GetLastError());
  }
  return 0;
}

int PutStagedFile(const std::string& staged, const std::string& path) {
  if (const int code = CheckFileReplaceable(path); code != 0) return code;
  if (!MoveIntoPlace(win32::ToSystemPath(staged), win32::ToSystemPath(path))) {
    return win32::OpenErrorCode(GetLastError());
  }
  return 0;
}

int RemoveFile(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return io_code::kPathNotFound;
  const std::wstring wide = win32::ToSystemPath(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return win32::OpenErrorCode(GetLastError());
  constexpr DWORD kNotAPlainFile =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_REPARSE_POINT;
  if ((attributes & kNotAPlainFile) != 0) return io_code::kAccessDenied;
  return DeleteFileW(wide.c_str()) ? 0 : win32::OpenErrorCode(GetLastError());
}

}  // namespace favpage::platform
