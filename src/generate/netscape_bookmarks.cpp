// The Netscape bookmark file: a <DL> per folder, <DT><H3> a folder's title followed by
// its <DL>, <DT><A HREF> a link, <HR> a separator, <DD> a description. Exports leave
// <DT> and <p> unclosed and mix letter cases, so the file is parsed as HTML and only the
// H3, A and DL elements are looked at, in document order.
#include <gumbo.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "generate/bookmark_readers.h"

namespace favpage {
namespace {

constexpr std::string_view kDoctype = "<!DOCTYPE NETSCAPE-Bookmark-file-1>";
constexpr std::size_t kDoctypeWindow = 4096;

void AppendText(const GumboNode* node, std::string& text) {
  if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE ||
      node->type == GUMBO_NODE_CDATA) {
    text += node->v.text.text;
    return;
  }
  if (node->type != GUMBO_NODE_ELEMENT) return;
  const GumboVector& children = node->v.element.children;
  for (unsigned i = 0; i < children.length; ++i) {
    AppendText(static_cast<const GumboNode*>(children.data[i]), text);
  }
}

std::string Text(const GumboNode* node) {
  std::string text;
  AppendText(node, text);
  // Titles are one line; the line ends and indentation around them are the file's.
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last + 1 - first);
}

// A large export is parsed a piece at a time, so the parser's tree of one piece is in
// memory, not the whole file's. A piece ends before a line that starts an item ("<DT"),
// with a marker item appended: where the parser puts the marker shows which lists are
// still open there, and the next piece begins by opening as many, each standing for the
// folder it stood for before. Every byte of the file still goes through the parser.
constexpr std::size_t kPieceSize = 512 * 1024;
constexpr std::string_view kMarkerUrl = "favpage:piece-end";
constexpr std::string_view kMarker = "\n<DT><A HREF=\"favpage:piece-end\"></A>";

// The end of the first line after `from` whose first non-blank text is "<DT" in any
// letter case: where the next piece begins. npos when `bytes` holds none; `resume` is
// then where a search with more bytes must start again.
std::size_t NextItemLine(std::string_view bytes, std::size_t from, std::size_t& resume) {
  for (std::size_t at = bytes.find('\n', from); at != std::string_view::npos;
       at = bytes.find('\n', at + 1)) {
    std::size_t i = at + 1;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
    if (i + 3 > bytes.size()) {
      resume = at;
      return std::string_view::npos;
    }
    if (UpperAscii(bytes.substr(i, 3)) == "<DT") return at + 1;
  }
  resume = bytes.size();
  return std::string_view::npos;
}

class Reader {
 public:
  explicit Reader(BookmarkTree& tree) : tree_(tree) {}

  // Reads one piece. `open` holds the folders of the lists open where the piece begins
  // (the piece opens that many lists first) and receives those open at its marker.
  // Iterative: a hostile file nests elements as deep as it likes.
  void Walk(const GumboNode* root, std::vector<BookmarkTree::Node>& open) {
    struct Frame {
      const GumboNode* node;
      unsigned next;
      BookmarkTree::Node folder;  // the folder whose items this element holds
      bool list;                  // a <DL>
    };
    std::size_t carried = 0;  // the lists the piece opened for those left open before
    const std::vector<BookmarkTree::Node> before = std::move(open);
    open.clear();
    std::vector<Frame> stack{{root, 0, BookmarkTree::kTop, false}};
    while (!stack.empty()) {
      Frame& frame = stack.back();
      const GumboVector& children = frame.node->v.element.children;
      if (frame.next == children.length) {
        stack.pop_back();
        continue;
      }
      const auto* child = static_cast<const GumboNode*>(children.data[frame.next++]);
      if (child->type != GUMBO_NODE_ELEMENT) continue;
      BookmarkTree::Node folder = frame.folder;
      switch (child->v.element.tag) {
        case GUMBO_TAG_H3:
          pending_ = tree_.AddFolder(folder, Text(child));
          hasPending_ = true;
          continue;
        case GUMBO_TAG_A: {
          const GumboAttribute* href = gumbo_get_attribute(&child->v.element.attributes, "href");
          const std::string url = href != nullptr ? href->value : "";
          if (url == kMarkerUrl) {
            for (const Frame& outer : stack) {
              if (outer.list) open.push_back(outer.folder);
            }
            continue;
          }
          hasPending_ = false;
          if (url.rfind("place:", 0) != 0) tree_.AddLink(folder, Text(child), url);
          continue;
        }
        case GUMBO_TAG_DL:
          if (carried < before.size()) {
            folder = before[carried++];
          } else if (hasPending_) {
            // The list after a folder's title holds that folder's items.
            folder = pending_;
            hasPending_ = false;
          }
          stack.push_back({child, 0, folder, true});
          continue;
        case GUMBO_TAG_H1:
        case GUMBO_TAG_TITLE:
          continue;  // the file's own title
        default:
          break;
      }
      stack.push_back({child, 0, folder, false});
    }
  }

 private:
  BookmarkTree& tree_;
  BookmarkTree::Node pending_ = BookmarkTree::kTop;
  bool hasPending_ = false;
};

}  // namespace

bool ReadNetscapeBookmarks(std::istream& in, BookmarkTree& tree) {
  // Only a piece and the block after it are held: an export with every site's icon
  // inline can be far larger than the tree it describes.
  std::string buffer;
  bool ended = false;
  const auto readMore = [&] {
    char block[64 * 1024];
    in.read(block, sizeof block);
    buffer.append(block, static_cast<std::size_t>(in.gcount()));
    ended = !in;
  };
  while (!ended && buffer.size() < kDoctypeWindow) readMore();
  if (buffer.compare(0, 3, "\xEF\xBB\xBF") == 0) buffer.erase(0, 3);
  const std::string head = UpperAscii(std::string_view(buffer).substr(0, kDoctypeWindow));
  if (head.find(UpperAscii(kDoctype)) == std::string::npos) return false;

  // Exports are loose on purpose (every <DT> and <p> is left open): recording each parse
  // error would cost memory for nothing.
  GumboOptions options = kGumboDefaultOptions;
  options.max_errors = 0;
  Reader reader(tree);
  std::vector<BookmarkTree::Node> open;
  std::string piece;
  while (!buffer.empty() || !ended) {
    while (!ended && buffer.size() <= kPieceSize) readMore();
    std::size_t end = buffer.size();
    if (buffer.size() > kPieceSize) {
      std::size_t from = kPieceSize;
      std::size_t resume = 0;
      while ((end = NextItemLine(buffer, from, resume)) == std::string::npos && !ended) {
        from = resume;
        readMore();
      }
      if (end == std::string::npos) end = buffer.size();
    }
    const bool last = ended && end == buffer.size();
    piece.clear();
    for (std::size_t i = 0; i < open.size(); ++i) piece += "<DL>";
    piece.append(buffer, 0, end);
    if (!last) piece += kMarker;
    buffer.erase(0, end);
    GumboOutput* output = gumbo_parse_with_options(&options, piece.data(), piece.size());
    reader.Walk(output->root, open);
    gumbo_destroy_output(&options, output);
  }
  return true;
}

}  // namespace favpage
