// The host-neutral half of reading browsers' bookmarks; each host finds the profiles and
// makes the private copies in its own folder.
#include "platform/bookmark_files.h"

#include <algorithm>

#include "platform/host_file.h"

namespace favpage::platform {

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

const std::vector<std::string>& KnownBrowsers() {
  static const std::vector<std::string> browsers = {"chrome", "chromium", "edge",
                                                    "brave",  "vivaldi",  "firefox"};
  return browsers;
}

}  // namespace favpage::platform
