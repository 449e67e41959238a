// Firefox's places.sqlite: moz_bookmarks holds the tree (type 1 bookmark, 2 folder,
// 3 separator; parent and position), moz_places the addresses. The roots are found by
// their fixed guids.
#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

#include "generate/bookmark_readers.h"
#include "platform/sqlite.h"

namespace favpage {
namespace {

struct Row {
  std::int64_t id;
  std::int64_t type;
  std::string title;
  std::string url;
};

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
      "SELECT b.id, b.type, b.parent, b.guid, b.title, p.url FROM moz_bookmarks b "
      "LEFT JOIN moz_places p ON p.id = b.fk ORDER BY b.parent, b.position, b.id";
  if (const int code = db.Prepare(kQuery); code != platform::kSqliteOk) return Failure(code);

  // The query orders the rows by parent, each parent's in the browser's order: one list of
  // rows, and where each parent's group of them lies.
  std::vector<Row> rows;
  std::unordered_map<std::int64_t, std::pair<std::size_t, std::size_t>> groups;
  std::map<std::string, std::int64_t> roots;
  int step = platform::kSqliteRow;
  while ((step = db.Step()) == platform::kSqliteRow) {
    const std::int64_t parent = db.Int64(2);
    ++groups.try_emplace(parent, rows.size(), rows.size()).first->second.second;
    rows.push_back({db.Int64(0), db.Int64(1), db.Text(4), db.Text(5)});
    roots.emplace(db.Text(3), rows.back().id);
  }
  // Rows that were read before a damaged page are only part of the tree.
  if (step != platform::kSqliteDone) return BookmarksRead::kIncomplete;
  const bool anyRoot = std::any_of(std::begin(kRoots), std::end(kRoots),
                                   [&](const Root& root) { return roots.count(root.guid) > 0; });
  if (roots.count(kRootOfRoots) == 0 || !anyRoot) return BookmarksRead::kIncomplete;

  // Depth-first from each root, with a list of folders still to enter; the tags root is
  // never entered, and a row's parent chain cannot loop back here since each folder is
  // entered from its one parent only once.
  for (const Root& root : kRoots) {
    const auto found = roots.find(root.guid);
    if (found == roots.end()) continue;
    std::vector<std::pair<std::int64_t, BookmarkTree::Node>> pending{
        {found->second, tree.AddFolder(BookmarkTree::kTop, root.name)}};
    while (!pending.empty()) {
      const auto [folder, node] = pending.back();
      pending.pop_back();
      const auto group = groups.find(folder);
      if (group == groups.end()) continue;
      std::vector<std::pair<std::int64_t, BookmarkTree::Node>> folders;
      for (std::size_t i = group->second.first; i < group->second.second; ++i) {
        Row& row = rows[i];
        if (row.type == kFolder) {
          folders.emplace_back(row.id, tree.AddFolder(node, row.title));
        } else if (row.type == kBookmark && row.url.rfind("place:", 0) != 0) {
          tree.AddLink(node, row.title, row.url);
        }
        std::string().swap(row.title);
        std::string().swap(row.url);
      }
      groups.erase(group);  // entered once, whatever the rows claim
      pending.insert(pending.end(), folders.rbegin(), folders.rend());
    }
  }
  return BookmarksRead::kRead;
}

}  // namespace favpage
