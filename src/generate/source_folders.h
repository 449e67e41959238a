// One folder of a source: the outline of a source's folders that the folder list and the
// chooser show, finding a folder by its path text (generate/folder_path.h), and a source
// narrowed to one folder, whose pages read as if that folder were all there is.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/link_source.h"

namespace favpage {

// One folder of a source's outline.
struct FolderNode {
  std::string key;             // the source's key
  std::string name;            // as the host shows it (UTF-8); empty for the top
  std::size_t parent = 0;      // index of the folder it lies in; the top's is its own, 0
  std::size_t depth = 0;       // 0 for the top
  std::size_t links = 0;       // links in the folder itself
  std::size_t linksBelow = 0;  // links in it and in every folder below it
};

// Every folder of `source`: the top first, then depth first in the source's order. A
// folder that cannot be read is listed without contents. Walked without recursion, so any
// depth of folders is listed.
std::vector<FolderNode> ReadFolderOutline(const LinkSource& source);

// The path text of outline[index] (empty for the top).
std::string FolderPathOf(const std::vector<FolderNode>& outline, std::size_t index);

// Calls `visit` for each folder below the top, in the outline's order, with its index and
// its path text; each path is built from its parent's, so a deep tree costs its output.
void ForEachFolderPath(const std::vector<FolderNode>& outline,
                       const std::function<void(std::size_t, const std::string&)>& visit);

// The row of `outline` that `pathText` names, found as FindFolder finds it; nothing when
// none. Each row is looked at once at most, whatever the depth of the tree.
std::optional<std::size_t> FindOutlineRow(const std::vector<FolderNode>& outline,
                                          std::string_view pathText);

// The key of the folder that `pathText` names in `source`: the first of its sub-folders
// with each name in turn. The empty text names the top. Nothing when no folder has that
// path or the text breaks the path rule.
std::optional<std::string> FindFolder(const LinkSource& source, std::string_view pathText);

// `whole` narrowed to the folder `pathText` names (UTF-8): that folder is the top,
// headed "トップページ", and the headings below it read from it. An empty text keeps the
// whole source. Raises SourceError with kNoSuchFolderFormat and `shownPath` (the text as
// the user gave it, internal form) when there is no such folder.
std::unique_ptr<LinkSource> NarrowToFolder(std::unique_ptr<LinkSource> whole,
                                           std::string_view pathText, const std::string& shownPath);

}  // namespace favpage
