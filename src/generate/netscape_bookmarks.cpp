// The Netscape bookmark file: a <DL> per folder, <DT><H3> a folder's title followed by
// its <DL>, <DT><A HREF> a link, <HR> a separator, <DD> a description. Exports leave
// <DT> and <p> unclosed and mix letter cases, so the file is parsed as HTML and only the
// H3, A and DL elements are looked at, in document order.
#include <gumbo.h>

#include <string>

#include "generate/bookmark_readers.h"
#include "text/sjis.h"

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

class Reader {
 public:
  explicit Reader(BookmarkTree& tree) : tree_(tree) {}

  // Iterative: a hostile file nests elements as deep as it likes.
  void Walk(const GumboNode* root) {
    struct Frame {
      const GumboNode* node;
      unsigned next;
      BookmarkTree::Node folder;  // the folder whose items this element holds
    };
    std::vector<Frame> stack{{root, 0, BookmarkTree::kTop}};
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
          hasPending_ = false;
          const std::string url = href != nullptr ? href->value : "";
          if (url.rfind("place:", 0) != 0) tree_.AddLink(folder, Text(child), url);
          continue;
        }
        case GUMBO_TAG_DL:
          // The list after a folder's title holds that folder's items.
          if (hasPending_) folder = pending_;
          hasPending_ = false;
          break;
        case GUMBO_TAG_H1:
        case GUMBO_TAG_TITLE:
          continue;  // the file's own title
        default:
          break;
      }
      stack.push_back({child, 0, folder});
    }
  }

 private:
  BookmarkTree& tree_;
  BookmarkTree::Node pending_ = BookmarkTree::kTop;
  bool hasPending_ = false;
};

}  // namespace

bool ReadNetscapeBookmarks(std::string_view bytes, BookmarkTree& tree) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const std::string head = UpperAscii(bytes.substr(0, kDoctypeWindow));
  if (head.find(UpperAscii(kDoctype)) == std::string::npos) return false;
  GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, bytes.data(), bytes.size());
  Reader(tree).Walk(output->root);
  gumbo_destroy_output(&kGumboDefaultOptions, output);
  return true;
}

}  // namespace favpage
