// The readers of the browsers' bookmark files. Each fills a BookmarkTree in the
// browser's own order; separators are skipped and descriptions ignored.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "generate/bookmark_tree.h"

namespace favpage {

// Whether the bookmark readers are part of this build (they need gumbo, nlohmann-json
// and SQLite).
bool BookmarkReadersBuilt();

// The Netscape bookmark file format (an HTML export) as Firefox, the Chromium family and
// Safari write it; loose HTML in UTF-8, read a piece at a time. False when `in` is not
// such a file.
bool ReadNetscapeBookmarks(std::istream& in, BookmarkTree& tree);

// A Chromium-family "Bookmarks" file (JSON), read as a stream: the roots bookmark_bar,
// other and synced become the top folders. False when `in` is not such a file.
bool ReadChromiumBookmarks(std::istream& in, BookmarkTree& tree);

// Firefox's places.sqlite, read from `hostPath` (a private copy: the reader opens it
// read-only). The menu, toolbar, unfiled and mobile roots become the top folders; tags
// and place: queries are left out. False when it is not such a database.
bool ReadFirefoxPlaces(const std::string& hostPath, BookmarkTree& tree);

}  // namespace favpage
