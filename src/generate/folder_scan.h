// The favorites folder scan: one folder's entries sorted into shortcut files and
// sub-folders, and the URL stored in one shortcut file.
#pragma once

#include <string>
#include <vector>

namespace favpage {

struct ScanResult {
  bool found = false;                   // the search delivered at least a first entry
  std::vector<std::string> shortcuts;   // folder path + name, enumeration order
  std::vector<std::string> subfolders;  // folder path + name, no closing "\"
};

// Scans `folderPath` (ending in "\"). Only an entry whose attribute word is exactly the
// directory bit is a sub-folder; any other entry whose extension reads ".URL" in any
// letter case is a shortcut. Raises nothing.
ScanResult ScanFolder(const std::string& folderPath);

// The value of key URL in section InternetShortcut, at most 2047 bytes; empty when the
// file, the section or the key is missing or unreadable. Raises nothing.
std::string ReadShortcutURL(const std::string& shortcutPath);

}  // namespace favpage
