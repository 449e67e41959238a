// The readers of the browsers' bookmark files. Each fills a BookmarkTree in the
// browser's own order; separators are skipped and descriptions ignored. None of them
// recurses, so a file nested as deep as memory allows is read like any other.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "generate/bookmark_tree.h"

namespace favpage {

// What a reader made of a file.
enum class BookmarksRead {
  kRead,          // a whole bookmarks file, in the tree (which may hold no bookmark)
  kNotBookmarks,  // no file of the reader's kind
  // A file of the reader's kind that is cut off, or lacks the roots every such file
  // has: what the tree holds is only part of it.
  kIncomplete,
};

// Whether the bookmark readers are part of this build (they need nlohmann-json and
// SQLite).
bool BookmarkReadersBuilt();

// Whether this system can read Firefox's database: it has SQLite (a Windows before 10
// has none).
bool FirefoxPlacesReadable();

// How much of a file the readers ask for at a time.
inline constexpr std::size_t kBookmarksBlockSize = 64 * 1024;

// The Netscape bookmark file format (an HTML export) as Firefox, the Chromium family and
// Safari write it; loose HTML in UTF-8, tokenized as a stream `blockSize` bytes at a time
// (the result never depends on it). Whole when every folder's list is closed and the
// text does not end inside markup; only the outermost list's end may be missing.
BookmarksRead ReadNetscapeBookmarks(std::istream& in, BookmarkTree& tree,
                                    std::size_t blockSize = kBookmarksBlockSize);

// A Chromium-family "Bookmarks" file (JSON), read as a stream: the roots bookmark_bar,
// other and synced become the top folders. A JSON document that is no object is none;
// an object that is cut off, or has none of the three roots, is incomplete.
BookmarksRead ReadChromiumBookmarks(std::istream& in, BookmarkTree& tree);

// Firefox's places.sqlite, read from `hostPath` (a private copy: the reader opens it
// read-only) with the system's SQLite, which the caller has made sure of. The menu,
// toolbar, unfiled and mobile roots become the top folders; tags and place: queries are
// left out. Incomplete without the root folder or any of those four, or when SQLite
// finds the file damaged.
BookmarksRead ReadFirefoxPlaces(const std::string& hostPath, BookmarkTree& tree);

}  // namespace favpage
