#include "generate/bookmark_tree.h"

#include <algorithm>
#include <charconv>

#include "base/utf8.h"
#include "generate/heading_text.h"
#include "platform/name_mapping.h"

namespace favpage {

std::string BookmarkNameInternal(std::string_view utf8) {
  const std::string mapped = platform::InternalFromCodePoints(Utf8ToCodePoints(utf8), 0);
  // The mapping leaves a "&" that starts no "&#"; every "&" it writes starts a reference.
  // "&" (0x26) is never the second byte of a Shift_JIS character.
  std::string out;
  out.reserve(mapped.size());
  for (std::size_t i = 0; i < mapped.size(); ++i) {
    char32_t cp = 0;
    if (mapped[i] == '&' && platform::ParseNameReference(mapped, i, cp) == 0) {
      out += platform::NameReference('&');
    } else {
      out += mapped[i];
    }
  }
  return out;
}

BookmarkTree::BookmarkTree() {
  nodes_.emplace_back();
  nodes_.front().folder = true;
}

BookmarkTree::Node BookmarkTree::AddFolder(Node parent, std::string_view name) {
  const auto node = static_cast<Node>(nodes_.size());
  Entry entry;
  entry.name = BookmarkNameInternal(name);
  entry.parent = parent;
  entry.folder = true;
  nodes_.push_back(std::move(entry));
  nodes_[parent].children.push_back(node);
  return node;
}

void BookmarkTree::AddLink(Node parent, std::string_view name, std::string_view url) {
  const auto node = static_cast<Node>(nodes_.size());
  Entry entry;
  // A bookmark saved without a title is shown by its address, as the browsers show it.
  entry.name = BookmarkNameInternal(name.empty() ? url : name);
  entry.url = url;
  entry.parent = parent;
  nodes_.push_back(std::move(entry));
  nodes_[parent].children.push_back(node);
}

const BookmarkTree::Entry* BookmarkTree::Find(const std::string& key) const {
  Node node = 0;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), node);
  if (error != std::errc() || end != key.data() + key.size() || node >= nodes_.size()) {
    return nullptr;
  }
  return &nodes_[node];
}

std::string BookmarkTree::TopFolder() const { return std::to_string(kTop); }

bool BookmarkTree::IsTopFolder(const std::string& folder) const { return folder == TopFolder(); }

FolderListing BookmarkTree::ListFolder(const std::string& folder) const {
  FolderListing listing;
  const Entry* entry = Find(folder);
  if (entry == nullptr || !entry->folder) return listing;
  listing.found = true;
  for (const Node child : entry->children) {
    (nodes_[child].folder ? listing.subfolders : listing.links).push_back(std::to_string(child));
  }
  return listing;
}

std::string BookmarkTree::FolderHeading(const std::string& folder) const {
  // Collected from the folder up, then turned: a folder a million levels down costs a
  // million steps, not the square of that.
  std::vector<std::string_view> names;
  for (const Entry* entry = Find(folder); entry != nullptr && entry != &nodes_[kTop];
       entry = &nodes_[entry->parent]) {
    names.push_back(entry->name);
  }
  std::reverse(names.begin(), names.end());
  return HeadingFromNames(names);
}

std::string BookmarkTree::FolderName(const std::string& folder) const {
  const Entry* entry = Find(folder);
  return entry == nullptr ? std::string() : entry->name;
}

std::string BookmarkTree::LinkName(const std::string& link) const { return FolderName(link); }

std::string BookmarkTree::LinkUrl(const std::string& link) const {
  const Entry* entry = Find(link);
  return entry == nullptr ? std::string() : entry->url;
}

}  // namespace favpage
