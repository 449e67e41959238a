// The folder-tree walk: one complete page per folder. A page waits on disk, closed and
// unfinished, while the pages of its sub-folders are written.
#include <string>

#include "generate/page_generator.h"
#include "generate/page_markup.h"
#include "text/path_rules.h"

namespace favpage {

void PageGenerator::WriteFolderPage(const std::string& page, const std::string& folder, int depth,
                                    const std::string& parentPage) {
  const FolderListing listing = source_->ListFolder(folder);
  if (!listing.found) return;  // no page for an unreadable folder, nor for its sub-tree
  ++stats_.folders;
  WritePageHead(page);
  if (depth > 0) WriteBackLink(page, parentPage, state_.Charset);
  WriteFolderHeading(page, folder);
  if (!listing.subfolders.empty()) WriteSubfolderLinks(page, depth, listing.subfolders);
  if (!listing.links.empty()) WriteLinkList(page, listing.links);
  WritePageEnd(page);
}

void PageGenerator::WriteSubfolderLinks(const std::string& page, int depth,
                                        const std::vector<std::string>& subfolders) {
  WriteSubfolderLinkList(page, subfolders);
  // The sub-page names repeat the links just written: base name, "_", index, ".html".
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    WriteFolderPage(ChangeFileExt(page, "_" + std::to_string(i) + markup::kSubPageSuffix),
                    subfolders[i], depth + 1, page);
  }
}

}  // namespace favpage
