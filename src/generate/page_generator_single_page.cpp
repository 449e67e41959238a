// The single-page walk: every folder of the source's tree, depth-first, as sections of
// one page whose head the generation command has already written.
#include "generate/page_generator.h"

namespace favpage {

void PageGenerator::WalkSinglePage(const std::string& page, const std::string& folder) {
  const FolderListing listing = source_->ListFolder(folder);
  if (!listing.found) return;  // an unreadable folder leaves no trace, not even an end block
  ++stats_.folders;
  if (!listing.links.empty()) WriteFolderSection(page, folder, listing.links);

  const bool topLevel = source_->IsTopFolder(folder);
  for (const std::string& subfolder : listing.subfolders) {
    if (topLevel) WriteSeparator(page);
    WalkSinglePage(page, subfolder);
  }
  if (topLevel) WritePageEnd(page);
}

void PageGenerator::WriteFolderSection(const std::string& page, const std::string& folder,
                                       const std::vector<std::string>& links) {
  WriteFolderHeading(page, folder);
  WriteLinkList(page, links);
}

}  // namespace favpage
