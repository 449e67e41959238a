#include "generate/source_factory.h"

#include <algorithm>
#include <array>
#include <istream>
#include <streambuf>

#include "base/messages.h"
#include "generate/bookmark_readers.h"
#include "generate/favorites_source.h"
#include "generate/source_folders.h"
#include "platform/bookmark_files.h"
#include "platform/folders.h"
#include "platform/host_file.h"
#include "platform/host_path.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

constexpr std::string_view kSqliteHeader("SQLite format 3\0", 16);
// Enough of a file's start to tell the kinds apart.
constexpr std::size_t kHeadSize = 256;

// The favorites source of a folder named by the choice itself, not by FavoritePath.
class FolderSource : public FavoritesSource {
 public:
  explicit FolderSource(std::string folder)
      : FavoritesSource(folder_), folder_(std::move(folder)) {}

 private:
  // Bound by reference in the base, which only reads it after construction.
  std::string folder_;
};

// A file read as a stream, a block at a time; a failed read ends the stream and is kept
// for the caller to report.
class FileStreamBuffer : public std::streambuf {
 public:
  int Open(const std::string& path) {
    return file_.Open(path, platform::FileAccess::kRead, platform::FileShare::kRead);
  }
  int error() const { return error_; }

 protected:
  int_type underflow() override {
    std::size_t got = 0;
    if (error_ == 0) error_ = file_.Read(buffer_.data(), buffer_.size(), got);
    if (error_ != 0 || got == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(buffer_[0]);
  }

  // A reader asks for blocks as large as the buffer: those are read straight into its
  // memory instead of through the buffer, and so is the rest of a block the buffer began.
  std::streamsize xsgetn(char* out, std::streamsize count) override {
    std::streamsize done = 0;
    while (done < count) {
      const std::streamsize held = egptr() - gptr();
      if (held > 0) {
        const std::streamsize taken = std::min(held, count - done);
        std::copy(gptr(), gptr() + taken, out + done);
        gbump(static_cast<int>(taken));
        done += taken;
      } else if (done > 0 || count >= static_cast<std::streamsize>(buffer_.size())) {
        std::size_t got = 0;
        const auto wanted = static_cast<std::size_t>(count - done);
        if (error_ == 0) error_ = file_.Read(out + done, std::min(wanted, buffer_.size()), got);
        if (error_ != 0 || got == 0) break;
        done += static_cast<std::streamsize>(got);
      } else if (traits_type::eq_int_type(underflow(), traits_type::eof())) {
        break;
      }
    }
    return done;
  }

 private:
  platform::HostFile file_;
  std::array<char, 64 * 1024> buffer_{};
  int error_ = 0;
};

// A JSON file begins with "{", after blanks and perhaps a byte-order mark.
bool LooksLikeJson(std::string_view head) {
  if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
  const std::size_t first = head.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && head[first] == '{';
}

void RefuseUnlessRead(BookmarksRead read, const std::string& path) {
  switch (read) {
    case BookmarksRead::kRead:
      return;
    case BookmarksRead::kNotBookmarks:
      throw SourceError(kNotBookmarksFile, path);
    case BookmarksRead::kIncomplete:
      throw SourceError(kNotCompleteBookmarksFile, path);
  }
}

std::unique_ptr<LinkSource> OpenBookmarksFile(const std::string& path) {
  std::string bytes;
  if (const int code = platform::ReadFileBytes(path, kHeadSize, bytes); code != 0) {
    throw IoError(code).AboutPath(path);
  }
  if (!BookmarkReadersBuilt()) {
    throw SourceError(msg::kNoBookmarkReaders, path);
  }
  auto tree = std::make_unique<BookmarkTree>();
  if (bytes.substr(0, kSqliteHeader.size()) == kSqliteHeader) {
    if (!FirefoxPlacesReadable()) throw SourceError(kNoSqlite, path);
    // Firefox holds its database locked and keeps recent changes in the -wal file: the
    // copy is read instead, with both, and removed at once.
    platform::PrivateCopy copy;
    if (const int code = copy.Make(path, {"-wal"}); code != 0) throw IoError(code).AboutPath(path);
    RefuseUnlessRead(ReadFirefoxPlaces(copy.hostPath(), *tree), path);
    return tree;
  }
  FileStreamBuffer buffer;
  if (const int code = buffer.Open(path); code != 0) throw IoError(code).AboutPath(path);
  std::istream in(&buffer);
  const BookmarksRead read =
      LooksLikeJson(bytes) ? ReadChromiumBookmarks(in, *tree) : ReadNetscapeBookmarks(in, *tree);
  // A failed read ends the stream early: that is the error, not the file's end.
  if (buffer.error() != 0) throw IoError(buffer.error()).AboutPath(path);
  RefuseUnlessRead(read, path);
  return tree;
}

std::string WithoutClosingBackslash(std::string path) {
  if (path.size() > 1 && path.back() == '\\' && ExtractFilePath(path) == path) path.pop_back();
  return path;
}

}  // namespace

bool IsBrowserName(std::string_view name) {
  const auto& known = platform::KnownBrowsers();
  return std::find(known.begin(), known.end(), name) != known.end();
}

std::vector<std::string> InstalledBrowsers() {
  std::vector<std::string> installed;
  for (const std::string& browser : platform::KnownBrowsers()) {
    if (!platform::FindBrowserProfiles(browser).empty()) installed.push_back(browser);
  }
  return installed;
}

std::string BrowserBookmarksFile(std::string_view browser, std::string_view profile) {
  const std::vector<platform::BrowserProfile> profiles = platform::FindBrowserProfiles(browser);
  const std::string wanted = platform::ToHostText(profile);
  // A profile's own name first: another profile may show that name too.
  for (const platform::BrowserProfile& found : profiles) {
    if (profile.empty() || found.profile == wanted) return found.bookmarks;
  }
  for (const platform::BrowserProfile& found : profiles) {
    if (!found.shownName.empty() && found.shownName == wanted) return found.bookmarks;
  }
  const std::string name(browser);
  if (profile.empty()) throw SourceError(FormatText(msg::kNoBrowserBookmarksFormat, name), "");
  throw SourceError(FormatText(msg::kNoProfileBookmarksFormat, name, std::string(profile)), "");
}

std::unique_ptr<LinkSource> OpenLinkSource(const SettingsState& state) {
  return NarrowToFolder(OpenWholeSource(state), platform::ToHostText(state.SourceFolder),
                        state.SourceFolder);
}

std::unique_ptr<LinkSource> OpenWholeSource(const SettingsState& state) {
  const std::string& choice = state.Source;
  if (choice.empty()) return std::make_unique<FavoritesSource>(state.FavoritePath);
  const std::size_t colon = choice.find(':');
  const std::string browser = choice.substr(0, colon);
  if (IsBrowserName(browser)) {
    const std::string profile = colon == std::string::npos ? "" : choice.substr(colon + 1);
    return OpenBookmarksFile(BrowserBookmarksFile(browser, profile));
  }
  if (platform::DirectoryExists(choice)) {
    return std::make_unique<FolderSource>(WithoutClosingBackslash(choice));
  }
  return OpenBookmarksFile(choice);
}

}  // namespace favpage
