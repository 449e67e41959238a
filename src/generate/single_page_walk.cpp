// The single-page walk: every folder of the favorites tree, depth-first, as sections of
// one page whose head the generation command has already written.
#include "base/sjis.h"
#include "generate/folder_scan.h"
#include "generate/page_generator.h"

namespace favpage {

void PageGenerator::WalkSinglePage(const std::string& page, const std::string& folder) {
  const ScanResult scan = ScanFolder(folder);
  if (!scan.found) return;  // an unsearchable folder leaves no trace, not even an end block
  ++stats_.folders;
  if (!scan.shortcuts.empty()) WriteFolderSection(page, folder, scan.shortcuts);

  const bool topLevel = UpperAscii(folder) == UpperAscii(state_.FavoritePath + "\\");
  for (const std::string& subfolder : scan.subfolders) {
    if (topLevel) WriteSeparator(page);
    WalkSinglePage(page, subfolder + "\\");
  }
  if (topLevel) WritePageEnd(page);
}

void PageGenerator::WriteFolderSection(const std::string& page, const std::string& folder,
                                       const std::vector<std::string>& shortcuts) {
  WriteFolderHeading(page, folder);
  WriteLinkList(page, shortcuts);
}

}  // namespace favpage
