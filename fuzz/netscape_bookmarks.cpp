// The HTML export reader and its tokenizer on any bytes: the tokens, and the tree read
// from them, never depend on where the input's blocks end; no crash, no hang.
//
// The input's first byte chooses the block size and whether the export's doctype comes
// first (so most inputs reach the bookmark structure); the rest is the file.
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "generate/bookmark_readers.h"
#include "generate/html_tokenizer.h"

namespace {

using favpage::html::Tag;
using favpage::html::TextMode;

// Every token, with the modes a parser would choose for the raw text elements. A run of
// text may come in pieces that depend on the blocks: the pieces are joined.
class Recorder : public favpage::html::TokenSink {
 public:
  std::vector<std::pair<char, std::string>> tokens;

  void Doctype(std::string_view name) override { tokens.emplace_back('D', name); }
  TextMode StartTag(const Tag& tag) override {
    tokens.emplace_back(
        'S', tag.name + (tag.selfClosing ? " /" : "") + (tag.hasHref ? " href=" + tag.href : ""));
    if (tag.name == "svg") foreign_ = true;
    if (tag.name == "script") return TextMode::kScriptData;
    if (tag.name == "style") return TextMode::kRawtext;
    if (tag.name == "title") return TextMode::kRcdata;
    if (tag.name == "plaintext") return TextMode::kPlaintext;
    return TextMode::kData;
  }
  void EndTag(const Tag& tag) override {
    tokens.emplace_back('E', tag.name);
    if (tag.name == "svg") foreign_ = false;
  }
  void Text(std::string_view text) override {
    FUZZ_CHECK(!text.empty());
    if (tokens.empty() || tokens.back().first != 'T') tokens.emplace_back('T', "");
    tokens.back().second.append(text);
  }
  bool CdataAllowed() const override { return foreign_; }

 private:
  bool foreign_ = false;
};

std::vector<std::pair<char, std::string>> Tokens(std::string_view text, std::size_t block,
                                                 bool& whole) {
  Recorder recorder;
  favpage::html::Tokenizer tokenizer(recorder);
  for (std::size_t at = 0; at < text.size(); at += block) tokenizer.Feed(text.substr(at, block));
  whole = tokenizer.Finish();
  return recorder.tokens;
}

std::string TreeOf(const std::string& text, std::size_t block, favpage::BookmarksRead& read) {
  favpage::BookmarkTree tree;
  std::istringstream in(text);
  read = favpage::ReadNetscapeBookmarks(in, tree, block);
  std::string dump;
  std::vector<std::string> folders{tree.TopFolder()};
  while (!folders.empty()) {
    const std::string folder = folders.back();
    folders.pop_back();
    const favpage::FolderListing listing = tree.ListFolder(folder);
    FUZZ_CHECK(listing.found);
    dump += "F " + tree.FolderName(folder) + "\n";
    for (const std::string& link : listing.links) {
      dump += "L " + tree.LinkName(link) + " " + tree.LinkUrl(link) + "\n";
    }
    folders.insert(folders.end(), listing.subfolders.rbegin(), listing.subfolders.rend());
  }
  return dump;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t block = 1 + data[0] % 13;
  const bool doctype = (data[0] & 0x80) != 0;
  const std::string text = (doctype ? "<!DOCTYPE NETSCAPE-Bookmark-file-1>" : "") +
                           std::string(reinterpret_cast<const char*>(data) + 1, size - 1);

  bool wholeInOne = false;
  bool wholeInBlocks = false;
  const auto inOne = Tokens(text, text.size() + 1, wholeInOne);
  const auto inBlocks = Tokens(text, block, wholeInBlocks);
  FUZZ_CHECK(inOne == inBlocks);
  FUZZ_CHECK(wholeInOne == wholeInBlocks);

  favpage::BookmarksRead readInOne{};
  favpage::BookmarksRead readInBlocks{};
  const std::string treeInOne = TreeOf(text, favpage::kBookmarksBlockSize, readInOne);
  const std::string treeInBlocks = TreeOf(text, block, readInBlocks);
  FUZZ_CHECK(readInOne == readInBlocks);
  FUZZ_CHECK(treeInOne == treeInBlocks);
  return 0;
}
