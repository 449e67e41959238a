// Every reader reads a million nested folders without recursion: the tree comes out
// whole, a million levels deep, and its deepest folder is named. These are long runs
// (a minute under the sanitizers), kept apart with a timeout of their own.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "generate/bookmark_readers.h"
#include "support/test_support.h"

#ifndef _WIN32
#include <sqlite3.h>
#endif

namespace favpage::test {
namespace {

constexpr int kDepth = 1000000;

// Goes down `top`'s only sub-folder `levels` times; the deepest folder's key.
std::string Descend(const BookmarkTree& tree, std::string folder, int levels) {
  for (int depth = 0; depth < levels; ++depth) {
    const FolderListing listing = tree.ListFolder(folder);
    EXPECT_EQ(listing.subfolders.size(), 1u) << depth;
    if (listing.subfolders.size() != 1) return {};
    folder = listing.subfolders.front();
  }
  return folder;
}

void ExpectDeepLink(const BookmarkTree& tree, const std::string& folder, const std::string& url) {
  const FolderListing deepest = tree.ListFolder(folder);
  ASSERT_EQ(deepest.links.size(), 1u);
  EXPECT_EQ(tree.LinkUrl(deepest.links.front()), url);
}

TEST(BookmarkDepth, HtmlExport) {
  std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
  html.reserve(html.size() + kDepth * 26 + 64);
  for (int i = 0; i < kDepth; ++i) html += "<DT><H3>f</H3><DL><p>";
  html += "<DT><A HREF=\"https://deep.example/\">deep</A>";
  for (int i = 0; i < kDepth; ++i) html += "</DL>";
  html += "</DL>\n";
  BookmarkTree tree;
  std::istringstream in(html);
  ASSERT_EQ(ReadNetscapeBookmarks(in, tree), BookmarksRead::kRead);
  ASSERT_EQ(tree.size(), kDepth + 2u);
  const std::string deepest = Descend(tree, tree.TopFolder(), kDepth);
  ExpectDeepLink(tree, deepest, "https://deep.example/");
  EXPECT_EQ(tree.FolderHeading(deepest).size(), kDepth * 4u - 3);  // "f > f > ... > f"
}

TEST(BookmarkDepth, ChromiumBookmarks) {
  std::string json = "{\"roots\": {\"bookmark_bar\": {\"type\": \"folder\", \"children\": [";
  json.reserve(json.size() + kDepth * 44 + 128);
  for (int i = 0; i < kDepth; ++i) json += "{\"type\":\"folder\",\"name\":\"f\",\"children\":[";
  json += "{\"type\":\"url\",\"name\":\"deep\",\"url\":\"https://deep.example/\"}";
  for (int i = 0; i < kDepth; ++i) json += "]}";
  json += "]}}}";
  BookmarkTree tree;
  std::istringstream in(json);
  ASSERT_EQ(ReadChromiumBookmarks(in, tree), BookmarksRead::kRead);
  ASSERT_EQ(tree.size(), kDepth + 3u);
  const std::string bar = Descend(tree, tree.TopFolder(), 1);
  ExpectDeepLink(tree, Descend(tree, bar, kDepth), "https://deep.example/");
}

#ifndef _WIN32  // the database is made with SQLite, which the Windows tests do not link
void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
}

TEST(BookmarkDepth, FirefoxPlaces) {
  TempDir dir;
  const std::string file = dir.hostPath("places.sqlite").string();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  Exec(db,
       "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);"
       "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, parent "
       "INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);"
       "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________');"
       "INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, 'toolbar', 'toolbar_____');"
       "INSERT INTO moz_places VALUES (1, 'https://deep.example/', NULL);"
       "BEGIN;");
  sqlite3_stmt* insert = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db,
                               "INSERT INTO moz_bookmarks (id, type, parent, position, title) "
                               "VALUES (?, 2, ?, 0, 'f')",
                               -1, &insert, nullptr),
            SQLITE_OK);
  std::int64_t parent = 2;
  for (int i = 0; i < kDepth; ++i) {
    const std::int64_t id = 100 + i;
    sqlite3_bind_int64(insert, 1, id);
    sqlite3_bind_int64(insert, 2, parent);
    ASSERT_EQ(sqlite3_step(insert), SQLITE_DONE);
    sqlite3_reset(insert);
    parent = id;
  }
  sqlite3_finalize(insert);
  Exec(db, "INSERT INTO moz_bookmarks VALUES (9, 1, 1, " + std::to_string(parent) +
               ", 0, 'deep', 'd'); COMMIT;");
  sqlite3_close(db);

  BookmarkTree tree;
  ASSERT_EQ(ReadFirefoxPlaces(file, tree), BookmarksRead::kRead);
  ASSERT_EQ(tree.size(), kDepth + 3u);
  const std::string toolbar = Descend(tree, tree.TopFolder(), 1);
  ExpectDeepLink(tree, Descend(tree, toolbar, kDepth), "https://deep.example/");
}
#endif

}  // namespace
}  // namespace favpage::test
