#include "platform/folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/host_path.h"
#include "platform/posix/home_folder.h"

namespace favpage::platform {
namespace {

bool ValidHostPath(const std::string& host) {
  return !host.empty() && host.find('\0') == std::string::npos;
}

bool HostDirectoryExists(const std::string& host) {
  struct stat info {};
  return ValidHostPath(host) && stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

bool DirectoryExists(const std::string& path) { return HostDirectoryExists(ToHostPath(path)); }

bool CreateFolder(const std::string& path) {
  const std::string host = ToHostPath(path);
  return ValidHostPath(host) && mkdir(host.c_str(), 0777) == 0;
}

std::string CurrentDirectory() {
  std::string buffer(256, '\0');
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return FromHostPath(buffer);
}

std::string ExecutablePath() {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      return FromHostPath(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool FavoritesFolder(std::string& path) {
  std::string home = HomeFolder();
  if (home.empty()) return false;
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  const std::string favorites = (home == "/" ? "" : home) + "/Favorites";
  if (!HostDirectoryExists(favorites)) return false;
  path = FromHostPath(favorites);
  return true;
}

}  // namespace favpage::platform
