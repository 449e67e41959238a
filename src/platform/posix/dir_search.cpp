#include "platform/dir_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "base/sjis.h"
#include "platform/host_path.h"
#include "platform/posix/ntfs_order.h"

namespace favpage::platform {
namespace {

// The owner of an open folder listing.
struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

struct Entry {
  FindData data;
  std::u16string key;
  std::string hostName;
};

std::uint32_t AttributesOf(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return attr::kDirectory;
  if (S_ISREG(info.st_mode)) {
    return attr::kArchive | ((info.st_mode & S_IWUSR) == 0 ? attr::kReadOnly : 0);
  }
  return attr::kSystem;
}

// The attribute word of one entry of the open folder `dir`; false when it vanished.
bool EntryAttributes(int dir, const char* name, std::uint32_t& attributes) {
  struct stat info {};
  if (fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (S_ISLNK(info.st_mode)) {
    // A link is a reparse point: the scan never walks into it, so no link loop can trap it.
    struct stat target {};
    const bool resolved = fstatat(dir, name, &target, 0) == 0;
    attributes = attr::kReparsePoint | (resolved ? AttributesOf(target) : attr::kArchive);
  } else {
    attributes = AttributesOf(info);
  }
  if (name[0] == '.') attributes |= attr::kHidden;
  return true;
}

bool PassesMask(std::uint32_t attributes, std::uint32_t mask) {
  const std::uint32_t filtered = attr::kHidden | attr::kSystem | attr::kDirectory;
  return (attributes & ~mask & filtered) == 0;
}

// Wildcard match of a Shift_JIS name: "*" any run of characters, "?" one character,
// ASCII letters without regard to case; "*" and "*.*" match every name.
bool MatchesPattern(std::string_view pattern, std::string_view name) {
  if (pattern == "*" || pattern == "*.*") return true;
  const std::string p = UpperAscii(pattern);
  const std::string n = UpperAscii(name);
  std::size_t pi = 0, ni = 0;
  std::size_t starP = std::string::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == '*') {
      starP = ++pi;
      starN = ni;
      continue;
    }
    const std::size_t nLen = CharLength(n, ni);
    if (pi < p.size()) {
      const std::size_t pLen = CharLength(p, pi);
      if ((pLen == 1 && p[pi] == '?') || p.compare(pi, pLen, n, ni, nLen) == 0) {
        pi += pLen;
        ni += nLen;
        continue;
      }
    }
    if (starP == std::string::npos) return false;
    pi = starP;
    starN += CharLength(n, starN);
    ni = starN;
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

// Splits a search pattern into its folder (with the closing "\") and its name pattern.
void SplitPattern(const std::string& pattern, std::string& folder, std::string& names) {
  std::size_t cut = 0;
  for (std::size_t i = 0; i < pattern.size(); i += CharLength(pattern, i)) {
    if (pattern[i] == '\\') cut = i + 1;
  }
  folder = pattern.substr(0, cut);
  names = pattern.substr(cut);
}

}  // namespace

bool DirSearch::First(const std::string& pattern, std::uint32_t mask, FindData& found) {
  Close();
  std::string folder;
  std::string names;
  SplitPattern(pattern, folder, names);
  const std::string host = folder.empty() ? std::string(".") : ToHostPath(folder);
  if (host.find('\0') != std::string::npos) return false;

  const std::unique_ptr<DIR, DirCloser> opened(opendir(host.c_str()));
  if (!opened) return false;
  DIR* dir = opened.get();
  std::vector<Entry> listed;
  // An error in the middle of the listing ends it with the entries read so far.
  while (const dirent* item = readdir(dir)) {
    const std::string_view hostName = item->d_name;
    if (hostName == "." || hostName == "..") continue;
    Entry entry;
    if (!EntryAttributes(dirfd(dir), item->d_name, entry.data.attributes)) continue;
    entry.data.name = FromHostPath(hostName);
    if (!MatchesPattern(names, entry.data.name) || !PassesMask(entry.data.attributes, mask)) {
      continue;
    }
    entry.key = posix::NtfsSortKey(hostName);
    entry.hostName = hostName;
    listed.push_back(std::move(entry));
  }
  std::sort(listed.begin(), listed.end(), [](const Entry& a, const Entry& b) {
    return a.key != b.key ? a.key < b.key : a.hostName < b.hostName;
  });

  for (const char* dots : {".", ".."}) {
    if (MatchesPattern(names, dots) && PassesMask(attr::kDirectory, mask)) {
      entries_.push_back(FindData{dots, attr::kDirectory});
    }
  }
  for (Entry& entry : listed) entries_.push_back(std::move(entry.data));
  return Next(found);
}

}  // namespace favpage::platform
