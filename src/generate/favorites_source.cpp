#include "generate/favorites_source.h"

#include <string_view>

#include "base/sjis.h"
#include "generate/folder_scan.h"
#include "generate/heading_text.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

// A folder key ends in "\"; a sub-folder as the scan lists it does not. Only a
// single-byte "\" counts: the second byte of "ソ" is no delimiter.
std::string_view WithoutClosingBackslash(std::string_view folder) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < folder.size(); i += CharLength(folder, i)) last = i;
  if (last != std::string_view::npos && CharLength(folder, last) == 1 && folder[last] == '\\') {
    folder.remove_suffix(1);
  }
  return folder;
}

}  // namespace

bool FavoritesSource::IsTopFolder(const std::string& folder) const {
  return UpperAscii(folder) == UpperAscii(favoritePath_ + "\\");
}

FolderListing FavoritesSource::ListFolder(const std::string& folder) const {
  ScanResult scan = ScanFolder(folder);
  FolderListing listing;
  listing.found = scan.found;
  listing.links = std::move(scan.shortcuts);
  listing.subfolders = std::move(scan.subfolders);
  for (std::string& subfolder : listing.subfolders) subfolder += '\\';
  return listing;
}

std::string FavoritesSource::FolderHeading(const std::string& folder) const {
  return HeadingText(favoritePath_, folder);
}

std::string FavoritesSource::FolderName(const std::string& folder) const {
  return ExtractFileName(std::string(WithoutClosingBackslash(folder)));
}

std::string FavoritesSource::LinkName(const std::string& link) const {
  return RemoveFileExt(ExtractFileName(link));
}

std::string FavoritesSource::LinkUrl(const std::string& link) const {
  return ReadShortcutURL(link);
}

}  // namespace favpage
