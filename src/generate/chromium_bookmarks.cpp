// The Chromium family's "Bookmarks" file: {"roots": {"bookmark_bar": {...}, "other": {...},
// "synced": {...}}}, each node {"type": "folder"|"url", "name", "url", "children"}.
// A real file carries ids, guids, dates and meta data for every node and is several times
// the size of what is kept, so it is read as a stream of events, never as a whole
// document: only the nodes' type, name and address are decoded and kept.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "generate/bookmark_readers.h"
#include "generate/json_scanner.h"

namespace favpage {
namespace {

constexpr std::array<std::string_view, 3> kRoots = {"bookmark_bar", "other", "synced"};

struct Item {
  std::int32_t parent = -1;  // -1: a root
  std::int32_t rank = 0;     // a root's place in kRoots
  bool folder = false;
  bool link = false;
  std::string name;
  std::string url;
};

// Numbers the node objects in document order as they open (so a folder comes before
// what it holds, whatever the order of its keys) and fills in their fields.
class Collector : public json::Events {
 public:
  std::vector<Item> items;
  bool topIsObject = false;  // the document is an object (a Bookmarks file's kind)
  bool sawRoots = false;

  void StartObject() override {
    Frame frame;
    if (frames_.empty()) {
      topIsObject = true;
    } else {
      const Frame& outer = frames_.back();
      if (outer.array && outer.owner >= 0) {
        frame.node = NewItem(outer.owner, 0);
      } else if (outer.roots) {
        for (std::size_t i = 0; i < kRoots.size(); ++i) {
          if (outer.key == kRoots[i]) frame.node = NewItem(-1, static_cast<std::int32_t>(i));
        }
      }
      frame.roots = frames_.size() == 1 && outer.key == "roots";
      sawRoots |= frame.roots;
    }
    frames_.push_back(std::move(frame));
  }
  void Key(std::string& key) override { frames_.back().key = key; }
  void StartArray() override {
    Frame frame;
    frame.array = true;
    if (!frames_.empty() && !frames_.back().array && frames_.back().key == "children") {
      frame.owner = frames_.back().node;
    }
    frames_.push_back(std::move(frame));
  }
  void EndObject() override { frames_.pop_back(); }
  void EndArray() override { frames_.pop_back(); }
  // Only a node's type, name and address are kept; every other string is only checked.
  bool WantString() override {
    if (frames_.empty()) return false;  // a document that is one string
    const Frame& frame = frames_.back();
    return !frame.array && frame.node >= 0 &&
           (frame.key == "type" || frame.key == "name" || frame.key == "url");
  }
  void String(std::string& value) override {
    const Frame& frame = frames_.back();
    Item& item = items[static_cast<std::size_t>(frame.node)];
    if (frame.key == "type") {
      item.folder = value == "folder";
      item.link = value == "url";
    } else if (frame.key == "name") {
      item.name = std::move(value);
    } else if (frame.key == "url") {
      item.url = std::move(value);
    }
  }
  void Scalar() override {}

 private:
  struct Frame {
    bool array = false;
    bool roots = false;       // the object of "roots"
    std::int32_t node = -1;   // an object that is a bookmark node: its item
    std::int32_t owner = -1;  // an array of a node's children: that node's item
    std::string key;          // an object's last key
  };

  std::int32_t NewItem(std::int32_t parent, std::int32_t rank) {
    items.push_back({parent, rank, false, false, {}, {}});
    return static_cast<std::int32_t>(items.size() - 1);
  }
  std::vector<Frame> frames_;
};

}  // namespace

BookmarksRead ReadChromiumBookmarks(std::istream& in, BookmarkTree& tree) {
  Collector collector;
  const bool parsed = json::Scan(in, collector);
  if (!collector.topIsObject) return BookmarksRead::kNotBookmarks;
  std::vector<Item>& items = collector.items;
  const bool hasRoot =
      std::any_of(items.begin(), items.end(), [](const Item& item) { return item.parent < 0; });
  if (!parsed || !collector.sawRoots || !hasRoot) return BookmarksRead::kIncomplete;

  // Each item's tree node; the roots are added in their fixed order first.
  std::vector<BookmarkTree::Node> nodes(items.size(), BookmarkTree::kTop);
  std::vector<bool> kept(items.size(), false);
  for (std::int32_t rank = 0; rank < static_cast<std::int32_t>(kRoots.size()); ++rank) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].parent < 0 && items[i].rank == rank) {
        nodes[i] = tree.AddFolder(BookmarkTree::kTop, items[i].name);
        kept[i] = true;
        items[i].folder = true;
        break;
      }
    }
  }
  // Document order puts every node after its folder; a node below anything that was not
  // kept (not a folder, a second root of one name) is left out with it.
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    if (item.parent < 0) continue;
    const auto parent = static_cast<std::size_t>(item.parent);
    if (!kept[parent] || !items[parent].folder) continue;
    if (item.folder) {
      nodes[i] = tree.AddFolder(nodes[parent], item.name);
      kept[i] = true;
    } else if (item.link) {
      tree.AddLink(nodes[parent], item.name, item.url);
    }
    std::string().swap(items[i].name);
    std::string().swap(items[i].url);
  }
  return BookmarksRead::kRead;
}

}  // namespace favpage
