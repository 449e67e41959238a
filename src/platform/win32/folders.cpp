#include "platform/folders.h"

#include <windows.h>
// windows.h first: the shell headers build on it.
#include <knownfolders.h>
#include <shlobj.h>

#include "base/io_error.h"
#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

bool WideDirectoryExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(win32::SystemPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A drive's root ("C:\") keeps its delimiter; every other folder loses it.
std::wstring WithoutClosingDelimiter(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') &&
         !(path.size() == 3 && path[1] == L':')) {
    path.pop_back();
  }
  return path;
}

bool ValidPath(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

}  // namespace

bool DirectoryExists(const std::string& path) {
  return ValidPath(path) && WideDirectoryExists(win32::ToWidePath(path));
}

bool FileExists(const std::string& path) {
  if (!ValidPath(path)) return false;
  const DWORD attributes = GetFileAttributesW(win32::ToSystemPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CreateFolder(const std::string& path) {
  return ValidPath(path) && CreateDirectoryW(win32::ToSystemPath(path).c_str(), nullptr) != 0;
}

// Windows grants writing through access lists, not a mark on the folder: the one honest
// answer is to create a file there, which the system removes as it is closed.
bool FolderWritable(const std::string& path) {
  if (!DirectoryExists(path)) return false;
  const std::wstring probe = WithoutClosingDelimiter(win32::ToWidePath(path)) +
                             L"\\.favpage-write-probe-" + std::to_wstring(GetCurrentProcessId());
  const win32::OwnedHandle file(
      CreateFileW(win32::SystemPath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

bool CreateFolderTree(const std::string& path) {
  if (!ValidPath(path)) return false;
  const std::wstring wide = WithoutClosingDelimiter(win32::ToWidePath(path));
  if (WideDirectoryExists(wide)) return true;
  const std::size_t cut = wide.find_last_of(L"\\/");
  if (cut != std::wstring::npos && cut > 0 && !(cut == 2 && wide[1] == L':')) {
    // A parent that cannot be made fails the folder's own creation below.
    (void)CreateFolderTree(win32::FromWidePath(wide.substr(0, cut)));
  }
  return CreateDirectoryW(win32::SystemPath(wide).c_str(), nullptr) != 0 ||
         WideDirectoryExists(wide);
}

// The roaming application-data folder, where Windows programs keep a user's settings.
std::string UserConfigFolder() {
  win32::OwnedTaskMemory<PWSTR> known;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, known.Put()))) return {};
  return win32::FromWidePath(WithoutClosingDelimiter(known.Get()));
}

std::string UserConfigFolderHint() { return "%APPDATA%\\favpage"; }

std::string CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
  if (length == 0 || length >= needed) return {};
  buffer.resize(length);
  return win32::FromWidePath(WithoutClosingDelimiter(buffer));
}

std::string ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return win32::FromWidePath(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

namespace {

// A known folder's path, whether or not the folder exists; empty when the shell has none.
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  win32::OwnedTaskMemory<PWSTR> known;
  if (FAILED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, known.Put()))) return {};
  return WithoutClosingDelimiter(known.Get());
}

}  // namespace

std::string FavoritesFolderPath() {
  const std::wstring favorites = KnownFolder(FOLDERID_Favorites);
  return favorites.empty() ? std::string() : win32::FromWidePath(favorites);
}

bool FavoritesFolder(std::string& path) {
  const std::wstring favorites = KnownFolder(FOLDERID_Favorites);
  if (!WideDirectoryExists(favorites)) return false;
  path = win32::FromWidePath(favorites);
  return true;
}

std::string DocumentsFolder() {
  const std::wstring documents = KnownFolder(FOLDERID_Documents);
  return documents.empty() ? std::string() : win32::FromWidePath(documents);
}

std::string FavoritesFolderHint() { return "%USERPROFILE%\\Favorites"; }

std::string SystemErrorText(int code) {
  win32::OwnedLocal<PWSTR> text;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<PWSTR>(text.Put()), 0, nullptr);
  if (length == 0 || !text) return IoErrorMessage(code);
  std::wstring message(text.Get(), length);
  while (!message.empty() &&
         (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.pop_back();
  }
  return win32::WideToSjis(message);
}

}  // namespace favpage::platform
