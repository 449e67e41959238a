// Firefox's places.sqlite: moz_bookmarks holds the tree (type 1 bookmark, 2 folder,
// 3 separator; parent and position), moz_places the addresses. The roots are found by
// their fixed guids.
#include <sqlite3.h>

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "generate/bookmark_readers.h"

namespace favpage {
namespace {

struct Row {
  std::int64_t id;
  int type;
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

constexpr int kBookmark = 1;
constexpr int kFolder = 2;

std::string Column(sqlite3_stmt* statement, int column) {
  const auto* text = sqlite3_column_text(statement, column);
  return text == nullptr
             ? std::string()
             : std::string(reinterpret_cast<const char*>(text),
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

struct Closer {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

}  // namespace

bool ReadFirefoxPlaces(const std::string& hostPath, BookmarkTree& tree) {
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(hostPath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  const std::unique_ptr<sqlite3, Closer> db(raw);
  if (opened != SQLITE_OK) return false;

  sqlite3_stmt* rawStatement = nullptr;
  constexpr char kQuery[] =
      "SELECT b.id, b.type, b.parent, b.guid, b.title, p.url FROM moz_bookmarks b "
      "LEFT JOIN moz_places p ON p.id = b.fk ORDER BY b.parent, b.position, b.id";
  if (sqlite3_prepare_v2(db.get(), kQuery, -1, &rawStatement, nullptr) != SQLITE_OK) return false;
  const std::unique_ptr<sqlite3_stmt, Closer> statement(rawStatement);

  std::unordered_map<std::int64_t, std::vector<Row>> children;
  std::map<std::string, std::int64_t> roots;
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    Row row{sqlite3_column_int64(statement.get(), 0), sqlite3_column_int(statement.get(), 1),
            Column(statement.get(), 4), Column(statement.get(), 5)};
    roots.emplace(Column(statement.get(), 3), row.id);
    children[sqlite3_column_int64(statement.get(), 2)].push_back(std::move(row));
  }
  if (step != SQLITE_DONE) return false;

  // Depth-first from each root; the tags root is never entered, and a row's parent chain
  // cannot loop back here since each folder is entered from its one parent only once.
  for (const Root& root : kRoots) {
    const auto found = roots.find(root.guid);
    if (found == roots.end()) continue;
    std::vector<std::pair<std::int64_t, BookmarkTree::Node>> pending{
        {found->second, tree.AddFolder(BookmarkTree::kTop, root.name)}};
    while (!pending.empty()) {
      const auto [folder, node] = pending.back();
      pending.pop_back();
      const auto list = children.find(folder);
      if (list == children.end()) continue;
      std::vector<std::pair<std::int64_t, BookmarkTree::Node>> folders;
      for (const Row& row : list->second) {
        if (row.type == kFolder) {
          folders.emplace_back(row.id, tree.AddFolder(node, row.title));
        } else if (row.type == kBookmark && row.url.rfind("place:", 0) != 0) {
          tree.AddLink(node, row.title, row.url);
        }
      }
      children.erase(list);  // entered once, whatever the rows claim
      pending.insert(pending.end(), folders.rbegin(), folders.rend());
    }
  }
  return true;
}

}  // namespace favpage
