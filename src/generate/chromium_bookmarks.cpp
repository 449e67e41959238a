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

// A span of the collector's text: the names and addresses kept, one after another.
struct Span {
  std::size_t at = 0;
  std::size_t size = 0;
};

struct Item {
  std::int32_t parent = -1;  // -1: a root
  std::int32_t rank = 0;     // a root's place in kRoots
  bool folder = false;
  bool link = false;
  Span name;
  Span url;
};

// The member names the reader looks at; any other name is kOther.
enum class Member : std::uint8_t { kOther, kType, kName, kUrl, kChildren, kRoots, kRoot };

struct MemberName {
  std::string_view name;
  Member member;
};
// clang-format off
constexpr MemberName kMemberNames[] = {
    {"type", Member::kType},         {"name", Member::kName},   {"url", Member::kUrl},
    {"children", Member::kChildren}, {"roots", Member::kRoots},
};
// clang-format on

// Numbers the node objects in document order as they open (so a folder comes before
// what it holds, whatever the order of its keys) and fills in their fields.
class Collector : public json::Events {
 public:
  std::vector<Item> items;
  bool topIsObject = false;  // the document is an object (a Bookmarks file's kind)
  bool sawRoots = false;

  std::string_view Text(Span span) const {
    return std::string_view(text_).substr(span.at, span.size);
  }

  void StartObject() override {
    Frame frame;
    if (frames_.empty()) {
      topIsObject = true;
    } else {
      const Frame& outer = frames_.back();
      if (outer.array && outer.owner >= 0) {
        frame.node = NewItem(outer.owner, 0);
      } else if (outer.roots && outer.key == Member::kRoot) {
        frame.node = NewItem(-1, outer.root);
      }
      frame.roots = frames_.size() == 1 && outer.key == Member::kRoots;
      sawRoots |= frame.roots;
    }
    frames_.push_back(frame);
  }
  void Key(std::string& key) override {
    Frame& frame = frames_.back();
    frame.key = Member::kOther;
    for (const MemberName& known : kMemberNames) {
      if (key == known.name) frame.key = known.member;
    }
    if (!frame.roots) return;
    for (std::size_t i = 0; i < kRoots.size(); ++i) {
      if (key == kRoots[i]) {
        frame.key = Member::kRoot;
        frame.root = static_cast<std::int32_t>(i);
      }
    }
  }
  void StartArray() override {
    Frame frame;
    frame.array = true;
    if (!frames_.empty() && !frames_.back().array && frames_.back().key == Member::kChildren) {
      frame.owner = frames_.back().node;
    }
    frames_.push_back(frame);
  }
  void EndObject() override { frames_.pop_back(); }
  void EndArray() override { frames_.pop_back(); }
  // Only a node's type, name and address are kept; every other string is only checked.
  bool WantString() override {
    if (frames_.empty()) return false;  // a document that is one string
    const Frame& frame = frames_.back();
    return !frame.array && frame.node >= 0 &&
           (frame.key == Member::kType || frame.key == Member::kName || frame.key == Member::kUrl);
  }
  void String(std::string& value) override {
    const Frame& frame = frames_.back();
    Item& item = items[static_cast<std::size_t>(frame.node)];
    if (frame.key == Member::kType) {
      item.folder = value == "folder";
      item.link = value == "url";
      return;
    }
    // A name or address given twice keeps the last, as a parser's object would.
    (frame.key == Member::kName ? item.name : item.url) = Span{text_.size(), value.size()};
    text_ += value;
  }
  void Scalar() override {}

 private:
  struct Frame {
    bool array = false;
    bool roots = false;           // the object of "roots"
    Member key = Member::kOther;  // an object's last key
    std::int32_t root = 0;        // with Member::kRoot: which of kRoots
    std::int32_t node = -1;       // an object that is a bookmark node: its item
    std::int32_t owner = -1;      // an array of a node's children: that node's item
  };

  std::int32_t NewItem(std::int32_t parent, std::int32_t rank) {
    items.push_back({parent, rank, false, false, {}, {}});
    return static_cast<std::int32_t>(items.size() - 1);
  }
  std::vector<Frame> frames_;
  std::string text_;
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
        nodes[i] = tree.AddFolder(BookmarkTree::kTop, collector.Text(items[i].name));
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
      nodes[i] = tree.AddFolder(nodes[parent], collector.Text(item.name));
      kept[i] = true;
    } else if (item.link) {
      tree.AddLink(nodes[parent], collector.Text(item.name), collector.Text(item.url));
    }
  }
  return BookmarksRead::kRead;
}

}  // namespace favpage
