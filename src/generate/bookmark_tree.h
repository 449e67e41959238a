// A browser's bookmarks as a link source: the tree read from a bookmarks file, held in
// memory in the browser's own order. The readers fill it; the walks read it through
// LinkSource like a favorites folder. Keys are node numbers in decimal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "generate/link_source.h"

namespace favpage {

// Maps bookmark titles to the internal form (see BookmarkNameInternal), remembering what
// each character it mapped became: the titles of one file repeat their characters, and
// mapping one costs a round trip through the code page.
class BookmarkNameMapper {
 public:
  std::string Internal(std::string_view utf8);

 private:
  struct Mapped {
    char32_t codePoint = 0;
    std::uint8_t size = 0;  // 0: nothing held
    char bytes[11] = {};
  };
  static constexpr std::size_t kSlots = 1024;

  // The internal form of one character (not "&", which depends on the next one).
  std::string_view Character(char32_t codePoint);

  std::vector<Mapped> slots_;
  std::string single_;  // a character too long for a slot, mapped last
};

class BookmarkTree : public LinkSource {
 public:
  using Node = std::uint32_t;
  static constexpr Node kTop = 0;

  BookmarkTree();

  // Names and URLs as the browser stores them, UTF-8.
  Node AddFolder(Node parent, std::string_view name);
  void AddLink(Node parent, std::string_view name, std::string_view url);
  std::size_t size() const { return nodes_.size(); }

  std::string TopFolder() const override;
  bool IsTopFolder(const std::string& folder) const override;
  FolderListing ListFolder(const std::string& folder) const override;
  std::string FolderHeading(const std::string& folder) const override;
  std::string FolderName(const std::string& folder) const override;
  std::string LinkName(const std::string& link) const override;
  std::string LinkUrl(const std::string& link) const override;
  bool UrlsAreUtf8() const override { return true; }

 private:
  struct Entry {
    std::string name;  // internal form
    std::string url;   // UTF-8; links only
    Node parent = kTop;
    bool folder = false;
    std::vector<Node> children;
  };
  const Entry* Find(const std::string& key) const;

  std::vector<Entry> nodes_;
  BookmarkNameMapper names_;
};

// A bookmark's title in the internal form: the host names' mapping, and "&" written as a
// reference too, since a title is text and never markup.
std::string BookmarkNameInternal(std::string_view utf8);

}  // namespace favpage
