// The host side of reading a browser's bookmarks: whole-file reads, a private copy of a
// database the browser holds open, and where each browser keeps its profiles for this
// user. Paths are in the core's dialect (Shift_JIS, "\" delimiters); calls answer with a
// code as HostFile does (0 for success).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace favpage::platform {

// Reads the file's first `limit` bytes (all of a smaller file) into `bytes`.
[[nodiscard]] int ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes);

// A copy of a database and its companion files (such as "-wal") in a folder only this
// user can read, removed with everything in it when the copy is released. The browser's
// own files are only read, never locked or written.
class PrivateCopy {
 public:
  PrivateCopy() = default;
  PrivateCopy(const PrivateCopy&) = delete;
  PrivateCopy& operator=(const PrivateCopy&) = delete;
  ~PrivateCopy();

  // Copies `path` and each existing `path + suffix`; the database itself must exist.
  [[nodiscard]] int Make(const std::string& path, const std::vector<std::string>& suffixes);
  // The copy of `path` as the host names it, for a library that opens files itself.
  const std::string& hostPath() const { return hostPath_; }

 private:
  std::string folder_;
  std::string hostPath_;
};

// One browser profile's bookmarks on this machine.
struct BrowserProfile {
  std::string browser;        // chrome, chromium, edge, brave, vivaldi or firefox
  std::string profile;        // the profile's name (host text, UTF-8): Firefox's Name=,
                              // a Chromium profile's folder
  std::string shownName;      // a Chromium profile's name as the browser shows it; or empty
  std::string bookmarks;      // the bookmarks file (internal path)
  std::int64_t modified = 0;  // when the bookmarks file last changed (seconds)
};

// The browsers whose bookmarks favpage reads, in the order a menu lists them.
const std::vector<std::string>& KnownBrowsers();

// Every profile of `browser` found for this user, the most recently changed first; empty
// for a browser that is not installed or not known.
std::vector<BrowserProfile> FindBrowserProfiles(std::string_view browser);

}  // namespace favpage::platform
