// The Chromium family's "Bookmarks" file: {"roots": {"bookmark_bar": {...}, "other": {...},
// "synced": {...}}}, each node {"type": "folder"|"url", "name", "url", "children"}.
#include <nlohmann/json.hpp>

#include "generate/bookmark_readers.h"

namespace favpage {
namespace {

using Json = nlohmann::json;

std::string StringField(const Json& node, const char* field) {
  const auto found = node.find(field);
  return found != node.end() && found->is_string() ? found->get<std::string>() : std::string();
}

// Iterative: the file may nest folders as deep as it likes.
void AddChildren(const Json& folder, BookmarkTree::Node into, BookmarkTree& tree) {
  std::vector<std::pair<const Json*, BookmarkTree::Node>> pending{{&folder, into}};
  while (!pending.empty()) {
    const auto [node, parent] = pending.back();
    pending.pop_back();
    const auto children = node->find("children");
    if (children == node->end() || !children->is_array()) continue;
    // Folders are entered after the whole list is added, so each keeps its place.
    std::vector<std::pair<const Json*, BookmarkTree::Node>> folders;
    for (const Json& child : *children) {
      if (!child.is_object()) continue;
      const std::string type = StringField(child, "type");
      if (type == "folder") {
        folders.emplace_back(&child, tree.AddFolder(parent, StringField(child, "name")));
      } else if (type == "url") {
        tree.AddLink(parent, StringField(child, "name"), StringField(child, "url"));
      }
    }
    pending.insert(pending.end(), folders.rbegin(), folders.rend());
  }
}

}  // namespace

bool ReadChromiumBookmarks(std::string_view bytes, BookmarkTree& tree) {
  const Json document = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
  if (document.is_discarded() || !document.is_object()) return false;
  const auto roots = document.find("roots");
  if (roots == document.end() || !roots->is_object()) return false;
  for (const char* root : {"bookmark_bar", "other", "synced"}) {
    const auto found = roots->find(root);
    if (found == roots->end() || !found->is_object()) continue;
    AddChildren(*found, tree.AddFolder(BookmarkTree::kTop, StringField(*found, "name")), tree);
  }
  return true;
}

}  // namespace favpage
