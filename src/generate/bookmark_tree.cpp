#include "generate/bookmark_tree.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "base/utf8.h"
#include "generate/heading_text.h"
#include "platform/name_mapping.h"

namespace favpage {

namespace {

// The ASCII characters the mapping to internal text keeps as they are, asked of the
// mapping itself. "&" is never one: what it becomes depends on the character after it.
const std::array<bool, 0x80>& KeptAscii() {
  static const std::array<bool, 0x80> kept = [] {
    std::array<bool, 0x80> table{};
    for (char32_t c = 0; c < 0x80; ++c) {
      table[c] = c != '&' && platform::InternalFromCodePoints(std::u32string_view(&c, 1), 0) ==
                                 std::string(1, static_cast<char>(c));
    }
    return table;
  }();
  return kept;
}

}  // namespace

std::string_view BookmarkNameMapper::Character(char32_t codePoint) {
  if (slots_.empty()) slots_.resize(kSlots);
  Mapped& slot = slots_[codePoint % kSlots];
  if (slot.size != 0 && slot.codePoint == codePoint) return {slot.bytes, slot.size};
  single_ = platform::InternalFromCodePoints(std::u32string_view(&codePoint, 1), 0);
  if (single_.empty() || single_.size() > sizeof slot.bytes) return single_;
  slot.codePoint = codePoint;
  slot.size = static_cast<std::uint8_t>(single_.size());
  single_.copy(slot.bytes, single_.size());
  return {slot.bytes, slot.size};
}

// The text mapped one character at a time, as InternalFromCodePoints maps the code points
// of the whole (a byte that is no part of a character stands for itself, as
// Utf8ToCodePoints reads it), with runs of kept ASCII copied whole; then every "&" that
// starts no reference the mapping wrote is written as one, since a title is text and
// never markup. "&" (0x26) is never the second byte of a Shift_JIS character.
std::string BookmarkNameMapper::Internal(std::string_view utf8) {
  const std::array<bool, 0x80>& kept = KeptAscii();
  const auto isKept = [&](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 && kept[byte];
  };
  std::string mapped;
  mapped.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t run = i;
    while (run < utf8.size() && isKept(utf8[run])) ++run;
    mapped.append(utf8, i, run - i);
    i = run;
    if (i == utf8.size()) break;
    const Utf8Step step = DecodeUtf8Step(utf8, i);
    if (!step.valid) {
      mapped += Character(kUtf8ByteBase + static_cast<unsigned char>(utf8[i]));
      ++i;
    } else if (step.codePoint == '&') {
      // The mapping writes a "&" before "#" as a reference.
      const bool beforeHash = i + 1 < utf8.size() && utf8[i + 1] == '#';
      const char32_t pair[2] = {'&', '#'};
      mapped += platform::InternalFromCodePoints(std::u32string_view(pair, beforeHash ? 2 : 1), 0);
      i += beforeHash ? 2 : 1;
    } else {
      mapped += Character(step.codePoint);
      i += step.length;
    }
  }
  if (mapped.find('&') == std::string::npos) return mapped;
  std::string out;
  out.reserve(mapped.size() + 8);
  for (std::size_t i = 0; i < mapped.size();) {
    const std::size_t amp = std::min(mapped.find('&', i), mapped.size());
    out.append(mapped, i, amp - i);
    if (amp == mapped.size()) break;
    char32_t cp = 0;
    const std::size_t length = platform::ParseNameReference(mapped, amp, cp);
    if (length == 0) {
      out += platform::NameReference('&');
      i = amp + 1;
    } else {
      out.append(mapped, amp, length);
      i = amp + length;
    }
  }
  return out;
}

std::string BookmarkNameInternal(std::string_view utf8) {
  return BookmarkNameMapper().Internal(utf8);
}

BookmarkTree::BookmarkTree() {
  nodes_.emplace_back();
  nodes_.front().folder = true;
}

BookmarkTree::Node BookmarkTree::AddFolder(Node parent, std::string_view name) {
  const auto node = static_cast<Node>(nodes_.size());
  Entry entry;
  entry.name = names_.Internal(name);
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
  entry.name = names_.Internal(name.empty() ? url : name);
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
