#include "platform/folders.h"

#include <fcntl.h>
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

namespace {

std::string WithoutClosingSlashes(std::string host) {
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  return host;
}

bool CreateHostFolderTree(const std::string& host) {
  if (HostDirectoryExists(host)) return true;
  const std::size_t slash = host.rfind('/');
  if (slash != std::string::npos && slash > 0 && !CreateHostFolderTree(host.substr(0, slash))) {
    return false;
  }
  // Another process may create it in the meantime; what counts is that it is there.
  return mkdir(host.c_str(), 0777) == 0 || HostDirectoryExists(host);
}

}  // namespace

bool DirectoryExists(const std::string& path) { return HostDirectoryExists(ToHostPath(path)); }

bool FileExists(const std::string& path) {
  const std::string host = ToHostPath(path);
  struct stat info {};
  return ValidHostPath(host) && stat(host.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool CreateFolder(const std::string& path) {
  const std::string host = ToHostPath(path);
  return ValidHostPath(host) && mkdir(host.c_str(), 0777) == 0;
}

bool FolderWritable(const std::string& path) {
  const std::string host = ToHostPath(path);
  struct stat info {};
  return ValidHostPath(host) && stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         (info.st_mode & S_IWUSR) != 0 &&
         faccessat(AT_FDCWD, host.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool CreateFolderTree(const std::string& path) {
  const std::string host = WithoutClosingSlashes(ToHostPath(path));
  return ValidHostPath(host) && CreateHostFolderTree(host);
}

std::string UserConfigFolder() {
  // A relative XDG_CONFIG_HOME would move with the current folder: it is ignored, as the
  // base-directory convention asks.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return FromHostPath(WithoutClosingSlashes(config));
  const std::string home = WithoutClosingSlashes(HomeFolder());
  if (home.empty()) return {};
  return FromHostPath((home == "/" ? "" : home) + "/.config");
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

std::string FavoritesFolderPath() {
  const std::string home = WithoutClosingSlashes(HomeFolder());
  if (home.empty()) return {};
  return FromHostPath((home == "/" ? "" : home) + "/Favorites");
}

bool FavoritesFolder(std::string& path) {
  const std::string favorites = FavoritesFolderPath();
  if (favorites.empty() || !HostDirectoryExists(ToHostPath(favorites))) return false;
  path = favorites;
  return true;
}

std::string DocumentsFolder() {
  const std::string home = WithoutClosingSlashes(HomeFolder());
  return home.empty() ? std::string() : FromHostPath(home);
}

std::string FavoritesFolderHint() { return "$HOME/Favorites"; }

std::string UserConfigFolderHint() { return "$XDG_CONFIG_HOME/favpage/ (~/.config/favpage/)"; }

}  // namespace favpage::platform
