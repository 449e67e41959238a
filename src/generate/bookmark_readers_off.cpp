// A build without the bookmark readers' libraries: every bookmarks file is refused.
#include "generate/bookmark_readers.h"

namespace favpage {

bool BookmarkReadersBuilt() { return false; }
bool FirefoxPlacesReadable() { return false; }
BookmarksRead ReadNetscapeBookmarks(std::istream&, BookmarkTree&, std::size_t) {
  return BookmarksRead::kNotBookmarks;
}
BookmarksRead ReadChromiumBookmarks(std::istream&, BookmarkTree&) {
  return BookmarksRead::kNotBookmarks;
}
BookmarksRead ReadFirefoxPlaces(const std::string&, BookmarkTree&) {
  return BookmarksRead::kNotBookmarks;
}

}  // namespace favpage
