#include "platform/bookmark_files.h"

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/host_path.h"
#include "platform/posix/error_codes.h"
#include "platform/posix/home_folder.h"
#include "platform/profile.h"

namespace favpage::platform {
namespace {

namespace fs = std::filesystem;

// Where the Chromium family keeps its profiles below the home folder on Linux.
struct ChromiumHome {
  const char* browser;
  const char* folder;
};
constexpr ChromiumHome kChromiumHomes[] = {
    {"chrome", ".config/google-chrome"}, {"chromium", ".config/chromium"},
    {"edge", ".config/microsoft-edge"},  {"brave", ".config/BraveSoftware/Brave-Browser"},
    {"vivaldi", ".config/vivaldi"},
};
constexpr char kFirefoxHome[] = ".mozilla/firefox";

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
  found.push_back(
      {std::string(browser), profile, FromHostPath(bookmarks.string()), Modified(bookmarks)});
}

// Each folder below the browser's own ("Default", "Profile 1", ...) that holds a
// Bookmarks file is a profile.
void FindChromiumProfiles(std::string_view browser, const fs::path& home,
                          std::vector<BrowserProfile>& found) {
  std::error_code error;
  for (fs::directory_iterator it(home, error), end; !error && it != end; it.increment(error)) {
    AddIfPresent(found, browser, it->path().filename().string(), it->path() / "Bookmarks");
  }
}

// profiles.ini lists the profiles as [Profile0], [Profile1], ...: Name, Path and whether
// the path is relative to the file's folder.
void FindFirefoxProfiles(const fs::path& home, std::vector<BrowserProfile>& found) {
  const std::string ini = FromHostPath((home / "profiles.ini").string());
  for (int i = 0;; ++i) {
    const std::string section = "Profile" + std::to_string(i);
    const std::string path = ReadProfileString(section, "Path", "", ini);
    if (path.empty()) break;
    const std::string name = ReadProfileString(section, "Name", "", ini);
    const bool relative = ReadProfileString(section, "IsRelative", "1", ini) != "0";
    // The file is Firefox's own, in UTF-8 with "/" paths: its values are host texts.
    const fs::path folder = relative ? home / path : fs::path(path);
    AddIfPresent(found, "firefox", name.empty() ? path : name, folder / "places.sqlite");
  }
}

}  // namespace

PrivateCopy::~PrivateCopy() {
  if (folder_.empty()) return;
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

int PrivateCopy::Make(const std::string& path, const std::vector<std::string>& suffixes) {
  const std::string source = ToHostPath(path);
  std::error_code error;
  if (!fs::is_regular_file(source, error)) {
    return error ? posix::TransferErrorCode(error.value()) : posix::OpenErrorCode(ENOENT, source);
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = (tmp != nullptr && *tmp != '\0' ? std::string(tmp) : "/tmp");
  pattern += "/favpage-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) return posix::TransferErrorCode(errno);
  folder_ = pattern;  // mkdtemp makes it 0700
  hostPath_ = folder_ + "/" + fs::path(source).filename().string();
  if (!fs::copy_file(source, hostPath_, error)) return posix::TransferErrorCode(error.value());
  for (const std::string& suffix : suffixes) {
    const std::string companion = source + suffix;
    if (!fs::exists(companion, error)) continue;
    if (!fs::copy_file(companion, hostPath_ + suffix, error)) {
      return posix::TransferErrorCode(error.value());
    }
  }
  return 0;
}

std::vector<BrowserProfile> FindBrowserProfiles(std::string_view browser) {
  std::vector<BrowserProfile> found;
  const fs::path home = HomeFolder();
  if (home.empty()) return found;
  if (browser == "firefox") {
    FindFirefoxProfiles(home / kFirefoxHome, found);
  } else {
    for (const ChromiumHome& known : kChromiumHomes) {
      if (browser == known.browser) FindChromiumProfiles(browser, home / known.folder, found);
    }
  }
  std::stable_sort(
      found.begin(), found.end(),
      [](const BrowserProfile& a, const BrowserProfile& b) { return a.modified > b.modified; });
  return found;
}

}  // namespace favpage::platform
