// Folders and well-known places of the host, in the core's path dialect.
#pragma once

#include <string>

namespace favpage::platform {

[[nodiscard]] bool DirectoryExists(const std::string& path);
// Whether `path` names something that is there and is not a folder (a file, or a link to one).
[[nodiscard]] bool FileExists(const std::string& path);
// Creates one folder; false when it cannot be created.
[[nodiscard]] bool CreateFolder(const std::string& path);
// Whether this user may create and replace files in the folder: the host grants it, and
// the folder's owner has not taken its write bit away. The write bit counts for root
// too, as the read-only attribute of a file does, so a folder marked read-only is never
// written into by anyone.
[[nodiscard]] bool FolderWritable(const std::string& path);
// Creates the folder and every missing folder above it; true when it exists afterwards.
[[nodiscard]] bool CreateFolderTree(const std::string& path);
// The current user's configuration folder, without a trailing "\"; empty when there is
// none. On POSIX: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (home
// from the password database when HOME is unset); on Windows: the roaming application
// data folder (%APPDATA%).
std::string UserConfigFolder();
// The process's current folder, without a trailing "\" (except a root).
std::string CurrentDirectory();
// The full path of the running executable.
std::string ExecutablePath();
// Where the current user's favorites folder is, or would be, without a trailing "\";
// empty when the host cannot say. On POSIX: $HOME/Favorites (home from the password
// database when HOME is unset).
std::string FavoritesFolderPath();
// The current user's favorites folder (FavoritesFolderPath); false when it does not exist.
[[nodiscard]] bool FavoritesFolder(std::string& path);
// The folder a file dialog starts in when the work names none: the home folder on POSIX,
// the Documents folder on Windows; empty when there is none.
std::string DocumentsFolder();
// Where that folder is, in the words a help text gives a user of this host (UTF-8).
std::string FavoritesFolderHint();
// Where the settings go when the program's own folder may not be written, likewise.
std::string UserConfigFolderHint();
// The host's text for an error code, in Shift_JIS, as the host shows it to a user.
std::string SystemErrorText(int code);

}  // namespace favpage::platform
