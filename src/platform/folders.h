// Folders and well-known places of the host, in the core's path dialect.
#pragma once

#include <string>

namespace favpage::platform {

bool DirectoryExists(const std::string& path);
// Creates one folder; false when it cannot be created.
bool CreateFolder(const std::string& path);
// The process's current folder, without a trailing "\" (except a root).
std::string CurrentDirectory();
// The full path of the running executable.
std::string ExecutablePath();
// The current user's favorites folder, without a trailing "\"; false when there is none.
// On POSIX: $HOME/Favorites (home from the password database when HOME is unset).
bool FavoritesFolder(std::string& path);
// Where that folder is, in the words a help text gives a user of this host (UTF-8).
std::string FavoritesFolderHint();
// The host's text for an error code, in Shift_JIS, as the host shows it to a user.
std::string SystemErrorText(int code);

}  // namespace favpage::platform
