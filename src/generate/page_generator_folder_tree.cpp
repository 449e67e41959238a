// The folder-tree walk: one complete page per folder. A page waits on disk, closed and
// unfinished, while the pages of its sub-folders are written. The path from the top page
// to the page being written is a stack on the heap, not nested calls.
#include <string>
#include <utility>

#include "generate/page_generator.h"
#include "generate/page_markup.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

// One unfinished page on the walk's path: what it still has to write after its sub-pages.
struct Level {
  std::string page;
  std::string folder;
  std::vector<std::string> subfolders;
  std::vector<std::string> links;
  std::size_t next = 0;  // the next sub-folder to write a page for
  int depth = 0;
};

// The sub-page names repeat the sub-folder links: base name, "_", index, ".html".
std::string SubPagePath(const std::string& page, std::size_t index) {
  return ChangeFileExt(page, "_" + std::to_string(index) + markup::kSubPageSuffix);
}

}  // namespace

void PageGenerator::WriteFolderPage(const std::string& page, const std::string& folder, int depth,
                                    const std::string& parentPage) {
  std::vector<Level> path;
  // Writes the page up to its sub-folder links and puts it on the path; an unreadable
  // folder gets no page, nor does its sub-tree.
  const auto enter = [&](std::string entered, const std::string& enteredFolder, int enteredDepth,
                         const std::string& parent) {
    FolderListing listing = source_->ListFolder(enteredFolder);
    if (!listing.found) return;
    ++stats_.folders;
    WritePageHead(entered, enteredDepth > 0 ? enteredFolder : "");
    if (enteredDepth > 0) WriteBackLink(entered, parent);
    WriteFolderHeading(entered, enteredFolder);
    if (!listing.subfolders.empty()) WriteSubfolderLinkList(entered, listing.subfolders);
    path.push_back({std::move(entered), enteredFolder, std::move(listing.subfolders),
                    std::move(listing.links), 0, enteredDepth});
  };

  enter(page, folder, depth, parentPage);
  while (!path.empty()) {
    Level& level = path.back();
    if (level.next < level.subfolders.size()) {
      const std::size_t index = level.next++;
      const std::string parent = level.page;  // `level` moves when the path grows
      const std::string subfolder = std::move(level.subfolders[index]);
      enter(SubPagePath(parent, index), subfolder, level.depth + 1, parent);
      continue;
    }
    if (!level.links.empty()) {
      const std::vector<ShownLink> shown = ShownLinks(level.folder, level.links);
      if (!shown.empty()) WriteShownLinks(level.page, shown);
    }
    WritePageEnd(level.page);
    path.pop_back();
  }
}

void PageGenerator::WriteSubfolderLinks(const std::string& page, int depth,
                                        const std::vector<std::string>& subfolders) {
  WriteSubfolderLinkList(page, subfolders);
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    WriteFolderPage(SubPagePath(page, i), subfolders[i], depth + 1, page);
  }
}

}  // namespace favpage
