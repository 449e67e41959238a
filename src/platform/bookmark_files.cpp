// The host-neutral half of reading browsers' bookmarks: the whole-file read and the search
// of a browser's profiles. Each host says where the profiles live (browser_home.h) and
// makes the private copies in its own folder.
#include "platform/bookmark_files.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/browser_home.h"
#include "platform/host_file.h"
#include "platform/profile.h"

namespace favpage::platform {
namespace {

namespace fs = std::filesystem;

// UTF-8 names and paths to and from the host's own: byte for byte on POSIX, converted
// where the host speaks UTF-16 (a narrow string would be taken in the ANSI code page).
std::string Utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path PathOfUtf8(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
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
  found.push_back(
      {std::string(browser), profile, {}, InternalPathOf(bookmarks), Modified(bookmarks)});
}

// Far more than any browser's own "Local State" holds.
constexpr std::size_t kLocalStateLimit = 16 * 1024 * 1024;

// The names the browser shows for its profiles, by profile folder: "Local State" holds
// them as {"profile": {"info_cache": {"Profile 1": {"name": "Work"}, ...}}}. A file that
// cannot be read or is no such JSON gives none.
std::map<std::string, std::string> ShownProfileNames(const fs::path& home) {
  std::map<std::string, std::string> names;
  std::string bytes;
  if (ReadFileBytes(InternalPathOf(home / "Local State"), kLocalStateLimit, bytes) != 0) {
    return names;
  }
  const nlohmann::json state = nlohmann::json::parse(bytes, nullptr, false);
  if (!state.is_object()) return names;
  const auto profile = state.find("profile");
  if (profile == state.end() || !profile->is_object()) return names;
  const auto cache = profile->find("info_cache");
  if (cache == profile->end() || !cache->is_object()) return names;
  for (const auto& [folder, info] : cache->items()) {
    if (!info.is_object()) continue;
    const auto name = info.find("name");
    if (name != info.end() && name->is_string()) names[folder] = name->get<std::string>();
  }
  return names;
}

// Each folder below the browser's own ("Default", "Profile 1", ...) that holds a
// Bookmarks file is a profile.
void FindChromiumProfiles(std::string_view browser, const fs::path& home,
                          std::vector<BrowserProfile>& found) {
  std::error_code error;
  for (fs::directory_iterator it(home, error), end; !error && it != end; it.increment(error)) {
    AddIfPresent(found, browser, Utf8Of(it->path().filename()), it->path() / "Bookmarks");
  }
  if (found.empty()) return;
  const std::map<std::string, std::string> shown = ShownProfileNames(home);
  for (BrowserProfile& profile : found) {
    const auto name = shown.find(profile.profile);
    if (name != shown.end()) profile.shownName = name->second;
  }
}

// profiles.ini lists the profiles as [Profile0], [Profile1], ...: Name, Path and whether
// the path is relative to the file's folder. The file is Firefox's own, in UTF-8 with "/"
// paths: its values are host texts.
void FindFirefoxProfiles(const fs::path& home, std::vector<BrowserProfile>& found) {
  const std::string ini = InternalPathOf(home / "profiles.ini");
  for (int i = 0;; ++i) {
    const std::string section = "Profile" + std::to_string(i);
    const std::string path = ReadProfileString(section, "Path", "", ini);
    if (path.empty()) break;
    const std::string name = ReadProfileString(section, "Name", "", ini);
    const bool relative = ReadProfileString(section, "IsRelative", "1", ini) != "0";
    const fs::path written = PathOfUtf8(path);
    const fs::path folder = relative ? home / written : written;
    AddIfPresent(found, "firefox", name.empty() ? path : name, folder / "places.sqlite");
  }
}

}  // namespace

int ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  HostFile file;
  if (const int code = file.Open(path, FileAccess::kRead, FileShare::kRead); code != 0) {
    return code;
  }
  char buffer[64 * 1024];
  while (bytes.size() < limit) {
    std::size_t got = 0;
    if (const int code = file.Read(buffer, std::min(sizeof buffer, limit - bytes.size()), got);
        code != 0) {
      return code;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return file.Close();
}

std::vector<BrowserProfile> FindBrowserProfiles(std::string_view browser) {
  std::vector<BrowserProfile> found;
  const fs::path home = BrowserHome(browser);
  if (home.empty()) return found;
  if (browser == "firefox") {
    FindFirefoxProfiles(home, found);
  } else {
    FindChromiumProfiles(browser, home, found);
  }
  std::stable_sort(
      found.begin(), found.end(),
      [](const BrowserProfile& a, const BrowserProfile& b) { return a.modified > b.modified; });
  return found;
}

const std::vector<std::string>& KnownBrowsers() {
  static const std::vector<std::string> browsers = {"chrome", "chromium", "edge",
                                                    "brave",  "vivaldi",  "firefox"};
  return browsers;
}

}  // namespace favpage::platform
