// Firefox's places.sqlite: moz_bookmarks holds the tree (type 1 bookmark, 2 folder,
// 3 separator; parent and position), moz_places the addresses. The roots are found by
// their fixed guids.
#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "generate/bookmark_readers.h"
#include "platform/sqlite.h"

namespace favpage {
namespace {

// A row of moz_bookmarks with its address; the title and address are spans of one text
// that holds them all.
struct Row {
  std::int64_t id;
  std::int64_t type;
  std::int64_t parent;
  std::int64_t position;
  bool parentNull;
  bool positionNull;
  std::size_t titleAt;
  std::size_t urlAt;
  std::size_t urlEnd;
};

// The browser's order: by parent, each parent's rows by position, then by id; NULL comes
// first, as in SQL. Sorting here costs a fraction of SQLite's sorter, which would copy
// every title and address into its own records.
bool InBrowserOrder(const Row& a, const Row& b) {
  if (a.parentNull != b.parentNull) return a.parentNull;
  if (a.parent != b.parent) return a.parent < b.parent;
  if (a.positionNull != b.positionNull) return a.positionNull;
  if (a.position != b.position) return a.position < b.position;
  return a.id < b.id;
}

// The roots that become top folders, in the browser's order, with the names its menus
// show (the database stores only short internal titles for them).
struct Root {
  const char* guid;
  const char* name;
};
constexpr Root kRoots[] = {
    {"menu________", "Bookmarks Menu"},
    {"toolbar_____", "Bookmarks Toolbar"},
    {"unfiled_____", "Other Bookmarks"},
    {"mobile______", "Mobile Bookmarks"},
};
// The folder every root hangs from; a database without it is no whole profile.
constexpr char kRootOfRoots[] = "root________";

constexpr std::int64_t kBookmark = 1;
constexpr std::int64_t kFolder = 2;

bool IsRootGuid(std::string_view guid) {
  return guid == kRootOfRoots || std::any_of(std::begin(kRoots), std::end(kRoots),
                                             [&](const Root& root) { return guid == root.guid; });
}

// SQLite's answer to a file whose pages are cut off or damaged, as opposed to a file that
// is no database of Firefox's at all.
BookmarksRead Failure(int code) {
  return code == platform::kSqliteCorrupt ? BookmarksRead::kIncomplete
                                          : BookmarksRead::kNotBookmarks;
}

}  // namespace

BookmarksRead ReadFirefoxPlaces(const std::string& hostPath, BookmarkTree& tree) {
  platform::SqliteReader db;
  if (const int code = db.Open(hostPath); code != platform::kSqliteOk) return Failure(code);
  constexpr char kQuery[] =
      "SELECT b.id, b.type, b.parent, b.guid, b.title, p.url, b.position, b.parent IS NULL, "
      "b.position IS NULL FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk";
  if (const int code = db.Prepare(kQuery); code != platform::kSqliteOk) return Failure(code);

  std::vector<Row> rows;
  std::string text;                               // every row's title and address
  std::map<std::string, Row, std::less<>> roots;  // a root's guid, its row
  int step = platform::kSqliteRow;
  while ((step = db.Step()) == platform::kSqliteRow) {
    Row row{db.Int64(0),
            db.Int64(1),
            db.Int64(2),
            db.Int64(6),
            db.Int64(7) != 0,
            db.Int64(8) != 0,
            text.size(),
            0,
            0};
    text += db.TextView(4);
    row.urlAt = text.size();
    text += db.TextView(5);
    row.urlEnd = text.size();
    rows.push_back(row);
    // Only the roots' guids are looked for; the first row in the browser's order wins.
    const std::string_view guid = db.TextView(3);
    if (IsRootGuid(guid)) {
      const auto [found, added] = roots.try_emplace(std::string(guid), row);
      if (!added && InBrowserOrder(row, found->second)) found->second = row;
    }
  }
  // Rows that were read before a damaged page are only part of the tree.
  if (step != platform::kSqliteDone) return BookmarksRead::kIncomplete;
  const bool anyRoot = std::any_of(std::begin(kRoots), std::end(kRoots),
                                   [&](const Root& root) { return roots.count(root.guid) > 0; });
  if (roots.count(kRootOfRoots) == 0 || !anyRoot) return BookmarksRead::kIncomplete;

  // One list of rows in the browser's order, and where each parent's group of them lies.
  std::sort(rows.begin(), rows.end(), InBrowserOrder);
  std::unordered_map<std::int64_t, std::pair<std::size_t, std::size_t>> groups;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ++groups.try_emplace(rows[i].parent, i, i).first->second.second;
  }
  const std::string_view texts(text);

  // Depth-first from each root, with a list of folders still to enter; the tags root is
  // never entered, and a row's parent chain cannot loop back here since each folder is
  // entered from its one parent only once.
  for (const Root& root : kRoots) {
    const auto found = roots.find(root.guid);
    if (found == roots.end()) continue;
    std::vector<std::pair<std::int64_t, BookmarkTree::Node>> pending{
        {found->second.id, tree.AddFolder(BookmarkTree::kTop, root.name)}};
    while (!pending.empty()) {
      const auto [folder, node] = pending.back();
      pending.pop_back();
      const auto group = groups.find(folder);
      if (group == groups.end()) continue;
      std::vector<std::pair<std::int64_t, BookmarkTree::Node>> folders;
      for (std::size_t i = group->second.first; i < group->second.second; ++i) {
        const Row& row = rows[i];
        const std::string_view title = texts.substr(row.titleAt, row.urlAt - row.titleAt);
        const std::string_view url = texts.substr(row.urlAt, row.urlEnd - row.urlAt);
        if (row.type == kFolder) {
          folders.emplace_back(row.id, tree.AddFolder(node, title));
        } else if (row.type == kBookmark && url.substr(0, 6) != "place:") {
          tree.AddLink(node, title, url);
        }
      }
      groups.erase(group);  // entered once, whatever the rows claim
      pending.insert(pending.end(), folders.rbegin(), folders.rend());
    }
  }
  return BookmarksRead::kRead;
}

}  // namespace favpage
