#include "generate/source_folders.h"

#include <utility>

#include "base/messages.h"
#include "generate/folder_path.h"
#include "generate/page_markup.h"
#include "generate/source_factory.h"
#include "platform/host_path.h"

namespace favpage {
namespace {

// A source whose top is one of another source's folders. Keys are the whole source's, so
// the walks and the chooser name the same folders; only the top and the headings differ.
class NarrowedSource : public LinkSource {
 public:
  NarrowedSource(std::unique_ptr<LinkSource> whole, std::string top)
      : whole_(std::move(whole)),
        top_(std::move(top)),
        headingPrefix_(whole_->FolderHeading(top_) + markup::kHeadingJoin) {}

  std::string TopFolder() const override { return top_; }
  bool IsTopFolder(const std::string& folder) const override { return folder == top_; }
  FolderListing ListFolder(const std::string& folder) const override {
    return whole_->ListFolder(folder);
  }
  // Every folder the walk reaches lies below the top, so its heading in the whole source
  // begins with the top's heading and the join.
  std::string FolderHeading(const std::string& folder) const override {
    if (folder == top_) return markup::kTopPage;
    std::string heading = whole_->FolderHeading(folder);
    if (heading.compare(0, headingPrefix_.size(), headingPrefix_) == 0) {
      heading.erase(0, headingPrefix_.size());
    }
    return heading;
  }
  std::string FolderName(const std::string& folder) const override {
    return whole_->FolderName(folder);
  }
  std::string LinkName(const std::string& link) const override { return whole_->LinkName(link); }
  std::string LinkUrl(const std::string& link) const override { return whole_->LinkUrl(link); }
  bool UrlsAreUtf8() const override { return whole_->UrlsAreUtf8(); }

 private:
  std::unique_ptr<LinkSource> whole_;
  std::string top_;
  std::string headingPrefix_;
};

}  // namespace

std::vector<FolderNode> ReadFolderOutline(const LinkSource& source) {
  std::vector<FolderNode> outline;
  struct Pending {
    std::string key;
    std::size_t parent;
    std::size_t depth;
  };
  std::vector<Pending> pending{{source.TopFolder(), 0, 0}};
  while (!pending.empty()) {
    Pending next = std::move(pending.back());
    pending.pop_back();
    const FolderListing listing = source.ListFolder(next.key);
    FolderNode node;
    node.name = next.depth == 0 ? "" : platform::ToHostText(source.FolderName(next.key));
    node.key = std::move(next.key);
    node.parent = next.parent;
    node.depth = next.depth;
    node.links = listing.links.size();
    const std::size_t index = outline.size();
    outline.push_back(std::move(node));
    // Pushed last to first, so the first sub-folder is taken next.
    for (auto sub = listing.subfolders.rbegin(); sub != listing.subfolders.rend(); ++sub) {
      pending.push_back({*sub, index, next.depth + 1});
    }
  }
  // A folder comes after the one it lies in: summed from the end, each total is whole
  // before it is added to its parent's.
  for (std::size_t i = outline.size(); i-- > 0;) {
    outline[i].linksBelow += outline[i].links;
    if (i > 0) outline[outline[i].parent].linksBelow += outline[i].linksBelow;
  }
  return outline;
}

std::string FolderPathOf(const std::vector<FolderNode>& outline, std::size_t index) {
  std::vector<std::string> names;
  for (std::size_t at = index; at != 0 && at < outline.size(); at = outline[at].parent) {
    names.push_back(outline[at].name);
  }
  return FolderPathText(std::vector<std::string>(names.rbegin(), names.rend()));
}

void ForEachFolderPath(const std::vector<FolderNode>& outline,
                       const std::function<void(std::size_t, const std::string&)>& visit) {
  std::string path;
  // Where the path of the folder at each depth ends; the top's is empty.
  std::vector<std::size_t> ends{0};
  for (std::size_t i = 1; i < outline.size(); ++i) {
    const std::size_t depth = outline[i].depth;
    path.resize(ends[depth - 1]);
    if (depth > 1) path += '/';
    path += EscapeFolderName(outline[i].name);
    ends.resize(depth);
    ends.push_back(path.size());
    visit(i, path);
  }
}

std::optional<std::size_t> FindOutlineRow(const std::vector<FolderNode>& outline,
                                          std::string_view pathText) {
  const std::optional<std::vector<std::string>> names = SplitFolderPath(pathText);
  if (!names || outline.empty()) return std::nullopt;
  std::vector<std::vector<std::size_t>> children(outline.size());
  for (std::size_t i = 1; i < outline.size(); ++i) children[outline[i].parent].push_back(i);
  std::size_t row = 0;
  for (const std::string& name : *names) {
    bool found = false;
    for (const std::size_t child : children[row]) {
      if (outline[child].name == name) {
        row = child;
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
  }
  return row;
}

std::optional<std::string> FindFolder(const LinkSource& source, std::string_view pathText) {
  const std::optional<std::vector<std::string>> names = SplitFolderPath(pathText);
  if (!names) return std::nullopt;
  std::string folder = source.TopFolder();
  for (const std::string& name : *names) {
    const FolderListing listing = source.ListFolder(folder);
    bool found = false;
    for (const std::string& sub : listing.subfolders) {
      if (platform::ToHostText(source.FolderName(sub)) == name) {
        folder = sub;
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
  }
  return folder;
}

std::unique_ptr<LinkSource> NarrowToFolder(std::unique_ptr<LinkSource> whole,
                                           std::string_view pathText,
                                           const std::string& shownPath) {
  if (pathText.empty()) return whole;
  std::optional<std::string> folder = FindFolder(*whole, pathText);
  if (!folder) throw SourceError(FormatText(msg::kNoSuchFolderFormat, shownPath), "");
  return std::make_unique<NarrowedSource>(std::move(whole), std::move(*folder));
}

}  // namespace favpage
