#include "platform/bookmark_files.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/browser_home.h"
#include "platform/host_path.h"
#include "platform/posix/error_codes.h"
#include "platform/posix/home_folder.h"

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

fs::path BrowserHome(std::string_view browser) {
  const fs::path home = HomeFolder();
  if (home.empty()) return {};
  if (browser == "firefox") return home / kFirefoxHome;
  for (const ChromiumHome& known : kChromiumHomes) {
    if (browser == known.browser) return home / known.folder;
  }
  return {};
}

std::string InternalPathOf(const fs::path& hostPath) { return FromHostPath(hostPath.string()); }

}  // namespace favpage::platform
