#include "generate/folder_scan.h"

#include "base/sjis.h"
#include "platform/dir_search.h"
#include "platform/profile.h"

namespace favpage {
namespace {

// Read-only, hidden, system, volume label, directory and archive: no entry is passed over.
constexpr std::uint32_t kAllEntries = 63;

bool IsShortcutName(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot != std::string::npos && UpperAscii(std::string_view(name).substr(dot)) == ".URL";
}

}  // namespace

ScanResult ScanFolder(const std::string& folderPath) {
  ScanResult result;
  platform::DirSearch search;
  platform::FindData entry;
  if (!search.First(folderPath + "*.*", kAllEntries, entry)) return result;
  result.found = true;
  do {
    // Only a plain folder is walked: one with any further bit (hidden, read-only, a
    // symbolic link's reparse point) is never entered, so no link loop can trap a walk.
    if (entry.attributes == platform::attr::kDirectory) {
      if (entry.name != "." && entry.name != "..")
        result.subfolders.push_back(folderPath + entry.name);
    } else if (IsShortcutName(entry.name)) {
      result.shortcuts.push_back(folderPath + entry.name);
    }
  } while (search.Next(entry));
  search.Close();
  return result;
}

std::string ReadShortcutURL(const std::string& shortcutPath) {
  return platform::ReadProfileString("InternetShortcut", "URL", "", shortcutPath);
}

}  // namespace favpage
