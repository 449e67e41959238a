// The single-page walk: every folder of the source's tree, depth-first, as sections of
// one page whose head the generation command has already written. The path from the top
// to the folder being walked is a stack on the heap, not nested calls.
#include <utility>

#include "generate/page_generator.h"

namespace favpage {
namespace {

// One folder on the walk's path: the sub-folders it has still to walk.
struct Level {
  std::vector<std::string> subfolders;
  std::size_t next = 0;
  bool top = false;  // the top level separates its sub-folders and ends the page
};

}  // namespace

void PageGenerator::WalkSinglePage(const std::string& page, const std::string& folder) {
  std::vector<Level> path;
  // Writes the folder's section and puts it on the path; an unreadable folder leaves no
  // trace, nor does its sub-tree (at the top not even an end block).
  const auto enter = [&](const std::string& entered) {
    FolderListing listing = source_->ListFolder(entered);
    if (!listing.found) return;
    ++stats_.folders;
    if (!listing.links.empty()) WriteFolderSection(page, entered, listing.links);
    path.push_back({std::move(listing.subfolders), 0, source_->IsTopFolder(entered)});
  };

  enter(folder);
  while (!path.empty()) {
    Level& level = path.back();
    if (level.next == level.subfolders.size()) {
      if (level.top) WritePageEnd(page);
      path.pop_back();
      continue;
    }
    const std::string subfolder = std::move(level.subfolders[level.next++]);
    if (level.top) WriteSeparator(page);
    // A level below the top writes nothing after its last sub-folder: it leaves the path
    // before that one is walked, so a chain of single sub-folders keeps the path short.
    if (!level.top && level.next == level.subfolders.size()) path.pop_back();
    enter(subfolder);
  }
}

void PageGenerator::WriteFolderSection(const std::string& page, const std::string& folder,
                                       const std::vector<std::string>& links) {
  // A folder whose links are all left out shows as one without links: no heading.
  const std::vector<ShownLink> shown = ShownLinks(folder, links);
  if (shown.empty()) return;
  WriteFolderHeading(page, folder);
  WriteShownLinks(page, shown);
}

}  // namespace favpage
