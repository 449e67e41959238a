#include "platform/bookmark_files.h"

#include <windows.h>
// windows.h first: the shell headers build on it.
#include <knownfolders.h>
#include <shlobj.h>

#include <filesystem>
#include <system_error>

#include "platform/browser_home.h"
#include "platform/win32/error_codes.h"
#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

namespace fs = std::filesystem;

// Where the Chromium family keeps its profiles below the user's local application data.
struct ChromiumHome {
  const char* browser;
  const wchar_t* folder;
};
constexpr ChromiumHome kChromiumHomes[] = {
    {"chrome", L"Google\\Chrome\\User Data"}, {"chromium", L"Chromium\\User Data"},
    {"edge", L"Microsoft\\Edge\\User Data"},  {"brave", L"BraveSoftware\\Brave-Browser\\User Data"},
    {"vivaldi", L"Vivaldi\\User Data"},
};
constexpr wchar_t kFirefoxHome[] = L"Mozilla\\Firefox";  // below the roaming data

fs::path KnownFolder(REFKNOWNFOLDERID id) {
  win32::OwnedTaskMemory<PWSTR> known;
  fs::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, known.Put()))) folder = known.Get();
  return folder;
}

}  // namespace

PrivateCopy::~PrivateCopy() {
  if (folder_.empty()) return;
  std::error_code ignored;
  fs::remove_all(fs::path(win32::Utf8ToWide(folder_)), ignored);
}

int PrivateCopy::Make(const std::string& path, const std::vector<std::string>& suffixes) {
  const std::wstring source = win32::ToSystemPath(path);
  if (GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return win32::OpenErrorCode(GetLastError());
  }
  wchar_t temp[MAX_PATH + 1] = {};
  if (GetTempPathW(MAX_PATH + 1, temp) == 0) return win32::TransferErrorCode(GetLastError());
  // The user's own temporary folder is private to the user; a new folder per copy.
  fs::path folder;
  for (unsigned attempt = 0;; ++attempt) {
    folder = fs::path(temp) / (L"favpage-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                               std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt));
    if (CreateDirectoryW(folder.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS || attempt == 100) {
      return win32::TransferErrorCode(GetLastError());
    }
  }
  folder_ = win32::WideToUtf8(folder.native());
  const fs::path copy = folder / fs::path(source).filename();
  hostPath_ = win32::WideToUtf8(copy.native());
  // The browser may hold its files open for writing: CopyFileW reads them all the same.
  if (!CopyFileW(source.c_str(), copy.c_str(), TRUE)) {
    return win32::TransferErrorCode(GetLastError());
  }
  for (const std::string& suffix : suffixes) {
    const std::wstring companion = source + win32::Utf8ToWide(suffix);
    if (GetFileAttributesW(companion.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    if (!CopyFileW(companion.c_str(), (copy.native() + win32::Utf8ToWide(suffix)).c_str(), TRUE)) {
      return win32::TransferErrorCode(GetLastError());
    }
  }
  return 0;
}

fs::path BrowserHome(std::string_view browser) {
  if (browser == "firefox") {
    const fs::path roaming = KnownFolder(FOLDERID_RoamingAppData);
    return roaming.empty() ? roaming : roaming / kFirefoxHome;
  }
  const fs::path local = KnownFolder(FOLDERID_LocalAppData);
  for (const ChromiumHome& known : kChromiumHomes) {
    if (browser == known.browser && !local.empty()) return local / known.folder;
  }
  return {};
}

std::string InternalPathOf(const fs::path& hostPath) {
  return win32::FromWidePath(hostPath.native());
}

}  // namespace favpage::platform
