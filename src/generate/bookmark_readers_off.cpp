// A build without the bookmark readers' libraries: every bookmarks file is refused.
#include "generate/bookmark_readers.h"

namespace favpage {

bool BookmarkReadersBuilt() { return false; }
bool ReadNetscapeBookmarks(std::istream&, BookmarkTree&) { return false; }
bool ReadChromiumBookmarks(std::istream&, BookmarkTree&) { return false; }
bool ReadFirefoxPlaces(const std::string&, BookmarkTree&) { return false; }

}  // namespace favpage
