// Where a generation run takes its folders and links from. Both walks see every source
// the same way: a tree of folders, each listed as its sub-folders and its links in the
// source's own order, so every page rule holds whatever the links come from.
//
// Folders and links are named by keys that only their source reads: for the favorites
// folder a folder's key is its path ending in "\" and a link's key the shortcut's path.
#pragma once

#include <string>
#include <vector>

namespace favpage {

struct FolderListing {
  bool found = false;                   // false: the folder cannot be read; nothing is written
  std::vector<std::string> subfolders;  // folder keys, the source's order
  std::vector<std::string> links;       // link keys, the source's order
};

class LinkSource {
 public:
  virtual ~LinkSource() = default;

  // The key of the top folder, whose heading is "トップページ".
  virtual std::string TopFolder() const = 0;
  virtual bool IsTopFolder(const std::string& folder) const = 0;
  // One folder's lists; held by the walk only while it is in that folder.
  virtual FolderListing ListFolder(const std::string& folder) const = 0;
  // The folder's heading text: "トップページ" for the top folder, else its names below
  // the top joined by " > " (internal form).
  virtual std::string FolderHeading(const std::string& folder) const = 0;
  // The folder's own name, as its sub-folder link shows it (internal form).
  virtual std::string FolderName(const std::string& folder) const = 0;
  // The link's text (internal form).
  virtual std::string LinkName(const std::string& link) const = 0;
  // The link's address, read when its list is written; UTF-8 when UrlsAreUtf8(), else
  // Shift_JIS bytes.
  virtual std::string LinkUrl(const std::string& link) const = 0;
  virtual bool UrlsAreUtf8() const = 0;
};

}  // namespace favpage
