// The favorites folder as a link source: folders on disk, one Internet shortcut per link,
// in the order the directory search delivers them. Nothing is read ahead: a folder is
// scanned when the walk enters it and a shortcut read when its list is written.
#pragma once

#include <string>

#include "generate/link_source.h"

namespace favpage {

class FavoritesSource : public LinkSource {
 public:
  // `favoritePath` (no trailing "\") is read anew at every call; the caller keeps it alive.
  explicit FavoritesSource(const std::string& favoritePath) : favoritePath_(favoritePath) {}

  std::string TopFolder() const override { return favoritePath_ + "\\"; }
  bool IsTopFolder(const std::string& folder) const override;
  FolderListing ListFolder(const std::string& folder) const override;
  std::string FolderHeading(const std::string& folder) const override;
  std::string FolderName(const std::string& folder) const override;
  std::string LinkName(const std::string& link) const override;
  std::string LinkUrl(const std::string& link) const override;
  bool UrlsAreUtf8() const override { return false; }

 private:
  const std::string& favoritePath_;
};

}  // namespace favpage
