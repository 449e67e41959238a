// The HTML and JSON bookmark readers on any bytes: no crash, no hang, and every folder
// and link of the tree they build can be listed and named for a page.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "generate/bookmark_readers.h"
#include "generate/page_text.h"

namespace {

void ListEverything(const favpage::BookmarkTree& tree) {
  using namespace favpage;
  std::vector<std::string> folders{tree.TopFolder()};
  std::size_t seen = 0;
  while (!folders.empty()) {
    const std::string folder = folders.back();
    folders.pop_back();
    const FolderListing listing = tree.ListFolder(folder);
    FUZZ_CHECK(listing.found);
    (void)PageNameText(tree.FolderHeading(folder), PageCharset::kUtf8);
    for (const std::string& link : listing.links) {
      const std::string name = PageNameText(tree.LinkName(link), PageCharset::kShiftJis);
      // A title never writes markup: no raw '<', '>' or '"' on the page.
      FUZZ_CHECK(name.find_first_of("<>\"") == std::string::npos);
      const std::string url = PageUrlText(tree.LinkUrl(link), true, PageCharset::kShiftJis);
      FUZZ_CHECK(url.find_first_of("\"\r\n") == std::string::npos);
      ++seen;
    }
    folders.insert(folders.end(), listing.subfolders.begin(), listing.subfolders.end());
    seen += listing.subfolders.size();
  }
  FUZZ_CHECK(seen + 1 == tree.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  BookmarkTree html;
  std::istringstream export_("<!DOCTYPE NETSCAPE-Bookmark-file-1>" + bytes);
  (void)ReadNetscapeBookmarks(export_, html);
  ListEverything(html);
  BookmarkTree json;
  std::istringstream in(bytes);
  (void)ReadChromiumBookmarks(in, json);
  ListEverything(json);
  return 0;
}
