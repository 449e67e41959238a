// Firefox's places.sqlite, made here with SQLite as Firefox lays it out, published
// through the generation command.
#include <sqlite3.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bookmark_fixture.h"
#include "generate/bookmark_readers.h"
#include "generate/source_factory.h"

namespace favpage::test {
namespace {

// The tables of places.sqlite that the reader uses, as Firefox lays them out.
constexpr char kPlacesSchema[] = R"src(
CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);
CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,
  parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);
INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________');
INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, 'menu', 'menu________');
INSERT INTO moz_bookmarks VALUES (3, 2, NULL, 1, 1, 'toolbar', 'toolbar_____');
INSERT INTO moz_bookmarks VALUES (4, 2, NULL, 1, 2, 'tags', 'tags________');
INSERT INTO moz_bookmarks VALUES (5, 2, NULL, 1, 3, 'unfiled', 'unfiled_____');
INSERT INTO moz_bookmarks VALUES (6, 2, NULL, 1, 4, 'mobile', 'mobile______');
INSERT INTO moz_places VALUES (1, 'https://mozilla.example/', 'Mozilla');
INSERT INTO moz_places VALUES (2, 'place:tag=x', NULL);
INSERT INTO moz_places VALUES (3, 'https://dev.example/', NULL);
-- The menu: a query, a separator, a link and a folder, stored out of order.
INSERT INTO moz_bookmarks VALUES (10, 1, 1, 2, 2, 'Mozilla', 'b1');
INSERT INTO moz_bookmarks VALUES (11, 1, 2, 2, 0, 'Most Visited', 'b2');
INSERT INTO moz_bookmarks VALUES (12, 3, NULL, 2, 1, NULL, 'b3');
INSERT INTO moz_bookmarks VALUES (13, 2, NULL, 2, 3, 'Dev', 'b4');
INSERT INTO moz_bookmarks VALUES (14, 1, 3, 13, 0, 'Dev & Ops', 'b5');
-- A tag folder and its entry: not bookmarks of their own.
INSERT INTO moz_bookmarks VALUES (20, 2, NULL, 4, 0, 'x', 't1');
INSERT INTO moz_bookmarks VALUES (21, 1, 1, 20, 0, NULL, 't2');
-- Untitled: shown by its address.
INSERT INTO moz_bookmarks VALUES (30, 1, 3, 5, 0, NULL, 'u1');
)src";

void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << error;
}

class PlacesTest : public BookmarkSourceTest {
 protected:
  sqlite3* MakePlaces(const std::string& relative) {
    sqlite3* db = nullptr;
    std::filesystem::create_directories(dir.hostPath(relative).parent_path());
    EXPECT_EQ(sqlite3_open(dir.hostPath(relative).c_str(), &db), SQLITE_OK);
    Exec(db, kPlacesSchema);
    return db;
  }
};

TEST_F(PlacesTest, FirefoxPlacesLeaveOutTagsQueriesAndSeparators) {
  sqlite3* db = MakePlaces("places.sqlite");
  sqlite3_close(db);
  EXPECT_EQ(Publish("places.sqlite", 0),
            PlainPage({
                "<HR>",
                "\t<H2>Bookmarks Menu</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://mozilla.example/\">Mozilla</A></DD>",
                "\t</DL>",
                "",
                "\t<H2>Bookmarks Menu > Dev</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://dev.example/\">Dev &#x26; Ops</A></DD>",
                "\t</DL>",
                "",
                "<HR>",
                "<HR>",
                "\t<H2>Other Bookmarks</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://dev.example/\">https&#x3A;//dev.example/</A></DD>",
                "\t</DL>",
                "",
                "<HR>",
                "</BODY>",
                "</HTML>",
            }));
}

struct Child {
  std::int64_t id;
  std::int64_t type;
  std::string title;
  std::string url;
};

// A folder's rows in the browser's order, as SQLite orders them.
std::vector<Child> ChildrenInSqlOrder(sqlite3* db, std::int64_t parent) {
  sqlite3_stmt* statement = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db,
                               "SELECT b.id, b.type, b.title, p.url FROM moz_bookmarks b LEFT "
                               "JOIN moz_places p ON p.id = b.fk WHERE b.parent = ? "
                               "ORDER BY b.position, b.id",
                               -1, &statement, nullptr),
            SQLITE_OK);
  sqlite3_bind_int64(statement, 1, parent);
  std::vector<Child> children;
  const auto text = [&](int column) {
    const unsigned char* t = sqlite3_column_text(statement, column);
    return t == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(t));
  };
  while (sqlite3_step(statement) == SQLITE_ROW) {
    children.push_back(
        {sqlite3_column_int64(statement, 0), sqlite3_column_int64(statement, 1), text(2), text(3)});
  }
  sqlite3_finalize(statement);
  return children;
}

// The tree's folder `key` against the database's folder `id`, and all below them.
void ExpectSqlOrder(sqlite3* db, const BookmarkTree& tree, const std::string& key,
                    std::int64_t id) {
  std::vector<std::string> folders, links, treeFolders, treeLinks;
  std::vector<std::int64_t> folderIds;
  for (const Child& child : ChildrenInSqlOrder(db, id)) {
    if (child.type == 2) {
      folders.push_back(BookmarkNameInternal(child.title));
      folderIds.push_back(child.id);
    } else if (child.type == 1 && child.url.rfind("place:", 0) != 0) {
      links.push_back(BookmarkNameInternal(child.title.empty() ? child.url : child.title));
    }
  }
  const FolderListing listing = tree.ListFolder(key);
  for (const std::string& folder : listing.subfolders)
    treeFolders.push_back(tree.FolderName(folder));
  for (const std::string& link : listing.links) treeLinks.push_back(tree.LinkName(link));
  ASSERT_EQ(treeFolders, folders) << "folder " << id;
  ASSERT_EQ(treeLinks, links) << "folder " << id;
  for (std::size_t i = 0; i < folderIds.size(); ++i) {
    ExpectSqlOrder(db, tree, listing.subfolders[i], folderIds[i]);
  }
}

// Rows stored in any order, positions repeated, negative or missing (NULL, first in
// SQL's order), a second row claiming the toolbar's guid ahead of it: each folder's
// entries come in SQL's order by position and id, as Firefox shows them.
TEST_F(PlacesTest, EntriesComeInTheBrowsersOrderHoweverTheRowsAreStored) {
  sqlite3* db = MakePlaces("order.sqlite");
  std::mt19937 random(21);
  std::vector<std::int64_t> folders = {2, 3, 5};
  std::string sql = "BEGIN;";
  for (int i = 0; i < 400; ++i) {
    // Ids drawn out of order, so rowid order is no help.
    const std::int64_t id = 100000 - static_cast<std::int64_t>(random() % 1000) * 97 - i;
    const bool folder = i % 5 == 0;
    const std::int64_t parent = folders[random() % folders.size()];
    const int draw = static_cast<int>(random() % 12);
    const std::string position = draw == 0 ? "NULL" : std::to_string(draw - 4);
    const std::string title = (folder ? "F" : "L") + std::to_string(i);
    sql += "INSERT OR IGNORE INTO moz_places VALUES (" + std::to_string(id) +
           ", 'https://e.example/" + std::to_string(i) + "', NULL);";
    sql += "INSERT OR IGNORE INTO moz_bookmarks VALUES (" + std::to_string(id) + ", " +
           (folder ? "2, NULL" : "1, " + std::to_string(id)) + ", " + std::to_string(parent) +
           ", " + position + ", '" + title + "', 'g" + std::to_string(i) + "');";
    if (folder) folders.push_back(id);
  }
  // Ahead of the toolbar (position 1 under the root): this row is the toolbar now.
  sql +=
      "INSERT INTO moz_bookmarks VALUES (7, 2, NULL, 1, -1, 'toolbar', 'toolbar_____');"
      "INSERT INTO moz_bookmarks VALUES (8, 2, NULL, 7, 0, 'Under the second', 'g-1');"
      "COMMIT;";
  Exec(db, sql.c_str());

  BookmarkTree tree;
  ASSERT_EQ(ReadFirefoxPlaces(dir.hostPath("order.sqlite").string(), tree), BookmarksRead::kRead);
  const FolderListing top = tree.ListFolder(tree.TopFolder());
  ASSERT_EQ(top.subfolders.size(), 4u);
  const std::int64_t roots[] = {2, 7, 5, 6};
  for (std::size_t i = 0; i < 4; ++i) ExpectSqlOrder(db, tree, top.subfolders[i], roots[i]);
  EXPECT_EQ(tree.ListFolder(top.subfolders[1]).subfolders.size(), 1u);
  sqlite3_close(db);
}

// Firefox keeps its database locked and its latest changes in the -wal file: the run
// sees them, and leaves the profile's files as they were.
TEST_F(PlacesTest, FirefoxPlacesHeldOpenIncludeTheWriteAheadLog) {
  sqlite3* db = MakePlaces("profile/places.sqlite");
  Exec(db,
       "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; PRAGMA locking_mode=EXCLUSIVE;"
       "INSERT INTO moz_places VALUES (9, 'https://wal.example/', NULL);"
       "INSERT INTO moz_bookmarks VALUES (40, 1, 9, 6, 0, 'Only in the log', 'w1');");
  ASSERT_TRUE(Exists("profile/places.sqlite-wal"));
  const std::string database = Read("profile/places.sqlite");
  const std::string log = Read("profile/places.sqlite-wal");

  const std::string page = Publish("profile/places.sqlite", 0);
  EXPECT_NE(page.find("\t\t<DD><A HREF=\"https://wal.example/\">Only in the log</A></DD>"),
            std::string::npos);
  EXPECT_EQ(Read("profile/places.sqlite"), database);
  EXPECT_EQ(Read("profile/places.sqlite-wal"), log);
  sqlite3_close(db);
}

// A database without the roots every profile has, or damaged, is refused naming the
// file; one with its roots and no bookmark publishes an empty page.
TEST_F(PlacesTest, PlacesWithoutTheirRootsOrDamagedAreIncomplete) {
  const struct {
    const char* name;
    const char* sql;
  } cases[] = {
      {"no root", "DELETE FROM moz_bookmarks WHERE guid = 'root________';"},
      {"no bookmark roots",
       "DELETE FROM moz_bookmarks WHERE guid IN ('menu________', 'toolbar_____', "
       "'unfiled_____', 'mobile______');"},
      {"no rows", "DELETE FROM moz_bookmarks;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = std::string(c.name) + ".sqlite";
    sqlite3* db = MakePlaces(file);
    Exec(db, c.sql);
    sqlite3_close(db);
    try {
      Publish(file, 0);
      ADD_FAILURE() << "no error";
    } catch (const SourceError& error) {
      EXPECT_STREQ(error.what(), kNotCompleteBookmarksFile);
      EXPECT_EQ(error.path(), dir.internal(file));
    }
    EXPECT_FALSE(Exists("out/links.html"));
  }

  // A database cut off half-way: its schema is there, its rows are not.
  sqlite3* db = MakePlaces("big.sqlite");
  Exec(db, "BEGIN;");
  for (int i = 0; i < 2000; ++i) {
    const std::string row = "INSERT INTO moz_bookmarks VALUES (" + std::to_string(1000 + i) +
                            ", 2, NULL, 2, " + std::to_string(10 + i) + ", '" +
                            std::string(200, 'x') + "', 'g" + std::to_string(i) + "');";
    Exec(db, row.c_str());
  }
  Exec(db, "COMMIT;");
  sqlite3_close(db);
  const std::string whole = Read("big.sqlite");
  WriteBytes(dir.hostPath("cut.sqlite"), whole.substr(0, whole.size() / 2));
  try {
    Publish("cut.sqlite", 0);
    ADD_FAILURE() << "no error";
  } catch (const SourceError& error) {
    EXPECT_STREQ(error.what(), kNotCompleteBookmarksFile);
  }
  EXPECT_FALSE(Exists("out/links.html"));

  sqlite3* empty = MakePlaces("empty.sqlite");
  Exec(empty, "DELETE FROM moz_bookmarks WHERE id > 6;");
  sqlite3_close(empty);
  EXPECT_EQ(Publish("empty.sqlite", 0),
            PlainPage({"<HR>", "<HR>", "<HR>", "<HR>", "</BODY>", "</HTML>"}));
}

}  // namespace
}  // namespace favpage::test
