// The Chromium family's "Bookmarks" file: {"roots": {"bookmark_bar": {...}, "other": {...},
// "synced": {...}}}, each node {"type": "folder"|"url", "name", "url", "children"}.
// A real file carries ids, guids, dates and meta data for every node and is several times
// the size of what is kept, so it is read as a stream of events, never as a whole
// document: only the nodes' type, name and address are kept.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "generate/bookmark_readers.h"

namespace favpage {
namespace {

using Json = nlohmann::json;

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
class Collector : public nlohmann::json_sax<Json> {
 public:
  std::vector<Item> items;
  bool topIsObject = false;  // the document is an object (a Bookmarks file's kind)
  bool sawRoots = false;

  bool start_object(std::size_t) override {
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
    return true;
  }
  bool key(string_t& key) override {
    frames_.back().key = key;
    return true;
  }
  bool start_array(std::size_t) override {
    Frame frame;
    frame.array = true;
    if (!frames_.empty() && !frames_.back().array && frames_.back().key == "children") {
      frame.owner = frames_.back().node;
    }
    frames_.push_back(std::move(frame));
    return true;
  }
  bool end_object() override { return Pop(); }
  bool end_array() override { return Pop(); }
  bool string(string_t& value) override {
    if (frames_.empty()) return true;  // a document that is one string
    const Frame& frame = frames_.back();
    if (frame.array || frame.node < 0) return true;
    Item& item = items[static_cast<std::size_t>(frame.node)];
    if (frame.key == "type") {
      item.folder = value == "folder";
      item.link = value == "url";
    } else if (frame.key == "name") {
      item.name = std::move(value);
    } else if (frame.key == "url") {
      item.url = std::move(value);
    }
    return true;
  }
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

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
  bool Pop() {
    frames_.pop_back();
    return true;
  }

  std::vector<Frame> frames_;
};

}  // namespace

BookmarksRead ReadChromiumBookmarks(std::istream& in, BookmarkTree& tree) {
  // The parser keeps its own stack of open values, so nesting costs memory, not the
  // machine's stack.
  Collector collector;
  const bool parsed = Json::sax_parse(in, &collector);
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
