#include "platform/bookmark_files.h"

#include <windows.h>
// windows.h first: the shell headers build on it.
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "platform/profile.h"
#include "platform/win32/error_codes.h"
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
  PWSTR known = nullptr;
  fs::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &known))) folder = known;
  CoTaskMemFree(known);
  return folder;
}

std::int64_t Modified(const fs::path& file) {
  std::error_code error;
  const auto time = fs::last_write_time(file, error);
  if (error) return 0;
  return std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
}

void AddIfPresent(std::vector<BrowserProfile>& found, std::string_view browser,
                  const std::string& profile, const fs::path& bookmarks) {
  std::error_code error;
  if (!fs::is_regular_file(bookmarks, error)) return;
  found.push_back({std::string(browser), profile, win32::FromWidePath(bookmarks.native()),
                   Modified(bookmarks)});
}

void FindChromiumProfiles(std::string_view browser, const fs::path& home,
                          std::vector<BrowserProfile>& found) {
  std::error_code error;
  for (fs::directory_iterator it(home, error), end; !error && it != end; it.increment(error)) {
    AddIfPresent(found, browser, win32::WideToUtf8(it->path().filename().native()),
                 it->path() / L"Bookmarks");
  }
}

// profiles.ini lists the profiles as [Profile0], [Profile1], ...: Name, Path (UTF-8, "/")
// and whether the path is relative to the file's folder.
void FindFirefoxProfiles(const fs::path& home, std::vector<BrowserProfile>& found) {
  const std::string ini = win32::FromWidePath((home / L"profiles.ini").native());
  for (int i = 0;; ++i) {
    const std::string section = "Profile" + std::to_string(i);
    const std::string path = ReadProfileString(section, "Path", "", ini);
    if (path.empty()) break;
    const std::string name = ReadProfileString(section, "Name", "", ini);
    const bool relative = ReadProfileString(section, "IsRelative", "1", ini) != "0";
    const fs::path written(win32::Utf8ToWide(path));
    const fs::path folder = relative ? home / written : written;
    AddIfPresent(found, "firefox", name.empty() ? path : name, folder / L"places.sqlite");
  }
}

}  // namespace

PrivateCopy::~PrivateCopy() {
  if (folder_.empty()) return;
  std::error_code ignored;
  fs::remove_all(fs::path(win32::Utf8ToWide(folder_)), ignored);
}

int PrivateCopy::Make(const std::string& path, const std::vector<std::string>& suffixes) {
  const std::wstring source = win32::ToWidePath(path);
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

std::vector<BrowserProfile> FindBrowserProfiles(std::string_view browser) {
  std::vector<BrowserProfile> found;
  if (browser == "firefox") {
    const fs::path roaming = KnownFolder(FOLDERID_RoamingAppData);
    if (!roaming.empty()) FindFirefoxProfiles(roaming / kFirefoxHome, found);
  } else {
    const fs::path local = KnownFolder(FOLDERID_LocalAppData);
    for (const ChromiumHome& known : kChromiumHomes) {
      if (browser == known.browser && !local.empty()) {
        FindChromiumProfiles(browser, local / known.folder, found);
      }
    }
  }
  std::stable_sort(
      found.begin(), found.end(),
      [](const BrowserProfile& a, const BrowserProfile& b) { return a.modified > b.modified; });
  return found;
}

}  // namespace favpage::platform
