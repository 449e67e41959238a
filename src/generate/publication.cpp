#include "generate/publication.h"

#include <algorithm>
#include <set>
#include <utility>

#include "base/io_error.h"
#include "base/sha256.h"
#include "base/sjis.h"
#include "generate/publish_names.h"
#include "platform/dir_search.h"
#include "platform/file_ops.h"
#include "platform/host_file.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
// A page's bytes held in memory before they go on to its staging file.
constexpr std::size_t kPagePendingLimit = 1024 * 1024;

// The whole content of `path`: 0, or the code of the failing open or read (2 or 3 when
// there is no such file).
int ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  platform::HostFile file;
  if (const int code = file.Open(path, platform::FileAccess::kRead, platform::FileShare::kRead);
      code != 0) {
    return code;
  }
  std::string chunk(kChunk, '\0');
  for (;;) {
    std::size_t got = 0;
    if (const int code = file.Read(chunk.data(), chunk.size(), got); code != 0) return code;
    if (got == 0) break;
    bytes.append(chunk, 0, got);
  }
  return file.Close();
}

// Fills `buffer` from `file` as far as the file goes; false on a read error.
bool ReadUpTo(platform::HostFile& file, std::string& buffer, std::size_t wanted, std::size_t& got) {
  got = 0;
  while (got < wanted) {
    std::size_t more = 0;
    if (file.Read(buffer.data() + got, wanted - got, more) != 0) return false;
    if (more == 0) break;
    got += more;
  }
  return true;
}

// The hash of the file `path`, read a piece at a time; with `other`, also whether that
// file holds the very same bytes (false when it cannot be read). Answers 0 or the code of
// the failing open or read of `path`.
int HashFile(const std::string& path, std::string& hash, const std::string* other = nullptr,
             bool* same = nullptr) {
  platform::HostFile file;
  if (const int code = file.Open(path, platform::FileAccess::kRead, platform::FileShare::kRead);
      code != 0) {
    return code;
  }
  platform::HostFile compared;
  bool equal = other != nullptr &&
               compared.Open(*other, platform::FileAccess::kRead, platform::FileShare::kRead) == 0;
  Sha256 digest;
  std::string chunk(kChunk, '\0');
  std::string otherChunk(kChunk, '\0');
  for (;;) {
    std::size_t got = 0;
    if (const int code = file.Read(chunk.data(), chunk.size(), got); code != 0) return code;
    if (got == 0) break;
    digest.Update(std::string_view(chunk.data(), got));
    std::size_t otherGot = 0;
    equal = equal && ReadUpTo(compared, otherChunk, got, otherGot) && otherGot == got &&
            std::equal(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got),
                       otherChunk.begin());
  }
  std::size_t beyond = 0;  // the other file must end where this one does
  equal = equal && ReadUpTo(compared, otherChunk, 1, beyond) && beyond == 0;
  if (same != nullptr) *same = equal;
  hash = digest.HexDigest();
  return file.Close();
}

// Whether the file `path` holds exactly `bytes` (false when it cannot be read).
bool FileHolds(const std::string& path, std::string_view bytes) {
  platform::HostFile file;
  if (file.Open(path, platform::FileAccess::kRead, platform::FileShare::kRead) != 0) return false;
  std::string chunk(std::min(kChunk, bytes.size() + 1), '\0');
  for (;;) {
    std::size_t got = 0;
    if (!ReadUpTo(file, chunk, std::min(chunk.size(), bytes.size() + 1), got)) return false;
    if (got > bytes.size() || bytes.compare(0, got, chunk.data(), got) != 0) return false;
    bytes.remove_prefix(got);
    if (got == 0) return bytes.empty();
  }
}

bool Missing(int code) { return code == io_code::kFileNotFound || code == io_code::kPathNotFound; }

void Check(int code, const std::string& path) {
  if (code != 0) throw IoError(code).AboutPath(path);
}

}  // namespace

Publication::Publication(std::string topPage)
    : folder_(ExtractFilePath(topPage)), topName_(ExtractFileName(topPage)) {}

Publication::~Publication() {
  for (const Staged& staged : staged_) {
    if (!staged.file.empty()) (void)platform::RemoveFile(staged.file);
  }
}

std::string Publication::ManifestPath() const { return folder_ + ManifestName(topName_); }

std::string Publication::ClaimPath() const { return folder_ + ClaimName(topName_); }

void Publication::RemoveLeftovers() const {
  // Every entry is searched for: a staging file may carry any attribute.
  constexpr std::uint32_t kAllEntries = 63;
  platform::DirSearch search;
  platform::FindData entry;
  if (!search.First(folder_ + "*.*", kAllEntries, entry)) return;
  std::vector<std::string> leftovers;
  do {
    const bool plainFile =
        (entry.attributes & (platform::attr::kDirectory | platform::attr::kReparsePoint)) == 0;
    if (plainFile && IsStagingName(entry.name, topName_)) leftovers.push_back(entry.name);
  } while (search.Next(entry));
  search.Close();
  for (const std::string& name : leftovers) (void)platform::RemoveFile(folder_ + name);
}

std::string Publication::Stage(const std::string& target, Kind kind) {
  if (const auto known = index_.find(target); known != index_.end()) {
    return staged_[known->second].file;
  }
  // A target that cannot be replaced fails here, where writing it in place would have.
  Check(platform::CheckFileReplaceable(target), target);
  std::string file;
  Check(platform::CreateStagingFile(target, StagingPrefix(topName_), file), target);
  index_.emplace(target, staged_.size());
  Staged& staged = staged_.emplace_back();
  staged.target = target;
  staged.file = std::move(file);
  staged.kind = kind;
  return staged.file;
}

void Publication::StagePage(const std::string& target) {
  if (const auto known = index_.find(target); known != index_.end()) {
    Staged& staged = staged_[known->second];
    // What a staging file of the page holds is no longer the page: the first bytes that
    // reach it empty it.
    staged.spilled = false;
    staged.pending.clear();
    staged.settled = staged.compared = staged.unchanged = false;
    staged.hash.clear();
    return;
  }
  // A target that cannot be replaced fails here, where writing it in place would have.
  Check(platform::CheckFileReplaceable(target), target);
  index_.emplace(target, staged_.size());
  Staged& staged = staged_.emplace_back();
  staged.target = target;
  staged.kind = Kind::kPage;
  staged.settled = false;
}

Publication::Staged& Publication::PageOf(const std::string& target) {
  const auto known = index_.find(target);
  if (known == index_.end() || staged_[known->second].kind != Kind::kPage ||
      staged_[known->second].settled) {
    throw IoError(io_code::kFileNotFound).AboutPath(target);
  }
  return staged_[known->second];
}

void Publication::AppendToPage(const std::string& target, std::string_view bytes) {
  Staged& staged = PageOf(target);
  staged.pending.append(bytes);
  if (staged.pending.size() >= kPagePendingLimit) WritePending(staged);
}

// Moves the page's pending bytes to the end of its staging file, made when missing.
void Publication::WritePending(Staged& staged) {
  if (staged.file.empty()) {
    Check(platform::CreateStagingFile(staged.target, StagingPrefix(topName_), staged.file),
          staged.target);
    staged.spilled = false;
  }
  platform::HostFile out;
  int code = out.Open(
      staged.file, staged.spilled ? platform::FileAccess::kAppend : platform::FileAccess::kCreate,
      platform::FileShare::kRead);
  if (code == 0) code = out.Write(staged.pending.data(), staged.pending.size());
  if (const int closed = out.Close(); code == 0) code = closed;
  Check(code, staged.target);
  staged.spilled = true;
  staged.pending.clear();
}

// The page is complete: a page held whole in memory is hashed and compared with the
// published one there, and reaches a staging file only when it differs; a larger one has
// its last bytes written, and is compared when the run publishes.
void Publication::Settle(Staged& staged) {
  if (staged.settled) return;
  if (!staged.spilled) {
    staged.hash = Sha256Hex(staged.pending);
    staged.unchanged = FileHolds(staged.target, staged.pending);
    staged.compared = true;
  }
  if (!staged.unchanged) WritePending(staged);
  std::string().swap(staged.pending);
  staged.settled = true;
}

const std::string& Publication::FileOf(const std::string& target) const {
  const auto known = index_.find(target);
  if (known == index_.end() || staged_[known->second].file.empty()) {
    throw IoError(io_code::kFileNotFound).AboutPath(target);
  }
  return staged_[known->second].file;
}

void Publication::PageCompleted(const std::string& page) {
  const auto known = index_.find(page);
  if (known == index_.end()) return;
  Staged& staged = staged_[known->second];
  Settle(staged);
  if (staged.completed) return;
  staged.completed = true;
  completed_.push_back(known->second);
}

std::vector<std::size_t> Publication::PutOrder() const {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    if (staged_[i].kind == Kind::kStyleSheet) order.push_back(i);
  }
  order.insert(order.end(), completed_.begin(), completed_.end());
  // A page never completed: the single page of a source whose top folder could not be
  // read, which holds its head alone.
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    if (staged_[i].kind == Kind::kPage && !staged_[i].completed) order.push_back(i);
  }
  return order;
}

void Publication::Publish(GenerationStats& stats, bool recordPages) {
  for (Staged& staged : staged_) Settle(staged);
  std::vector<ManifestEntry> published;  // the run's pages, in the order they go in place
  const std::vector<Ready> ready = CompareWithPublished(published);
  PrepareMoves(ready);
  // Until the run is over the manifest names the previous run's pages and this run's, so
  // a run killed while it moves them still leaves every page of its own on record.
  std::optional<std::vector<ManifestEntry>> previous;
  if (recordPages) {
    previous = ReadManifest();
    WriteManifest(PendingRecord(previous, published));
  }
  MoveIntoPlace(ready, stats);
  if (recordPages) {
    std::vector<ManifestEntry> record = published;
    if (previous) {
      const std::vector<ManifestEntry> kept = RemoveStalePages(*previous, published, stats);
      record.insert(record.end(), kept.begin(), kept.end());
    }
    WriteManifest(record);
  }
}

// Every staged file in the order it goes in place, with whether the published file
// already holds its bytes; `published` gets each page's name and hash.
std::vector<Publication::Ready> Publication::CompareWithPublished(
    std::vector<ManifestEntry>& published) const {
  std::vector<Ready> ready;
  for (const std::size_t index : PutOrder()) {
    const Staged& staged = staged_[index];
    std::string hash = staged.hash;
    bool unchanged = staged.unchanged;
    if (!staged.compared) {
      Check(HashFile(staged.file, hash, &staged.target, &unchanged), staged.target);
    }
    ready.push_back({index, unchanged});
    if (staged.kind == Kind::kPage) published.push_back({ExtractFileName(staged.target), hash});
  }
  return ready;
}

// Before the first move: every file that changes may be replaced, and the data of every
// one of them is on the disk.
void Publication::PrepareMoves(const std::vector<Ready>& ready) const {
  std::vector<std::string> changed;
  for (const Ready& item : ready) {
    if (item.unchanged) continue;
    const Staged& staged = staged_[item.index];
    Check(platform::CheckFileReplaceable(staged.target), staged.target);
    changed.push_back(staged.file);
  }
  if (!changed.empty()) Check(platform::FlushStagedFiles(changed), folder_ + topName_);
}

// The previous manifest's pages and this run's, each name and hash once.
std::vector<ManifestEntry> Publication::PendingRecord(
    const std::optional<std::vector<ManifestEntry>>& previous,
    const std::vector<ManifestEntry>& published) const {
  std::vector<ManifestEntry> pending;
  std::set<std::pair<std::string, std::string>> recorded;
  if (previous) {
    for (const ManifestEntry& entry : *previous) {
      if (IsPageName(entry.name, topName_) && recorded.insert({entry.name, entry.hash}).second) {
        pending.push_back(entry);
      }
    }
  }
  for (const ManifestEntry& entry : published) {
    if (recorded.insert({entry.name, entry.hash}).second) pending.push_back(entry);
  }
  return pending;
}

void Publication::MoveIntoPlace(const std::vector<Ready>& ready, GenerationStats& stats) {
  for (const Ready& item : ready) {
    Staged& staged = staged_[item.index];
    if (item.unchanged) {
      if (!staged.file.empty()) (void)platform::RemoveFile(staged.file);
      if (staged.kind == Kind::kPage) ++stats.unchanged;
    } else {
      Check(platform::PutStagedFile(staged.file, staged.target), staged.target);
    }
    staged.file.clear();
  }
}

std::optional<std::vector<ManifestEntry>> Publication::ReadManifest() const {
  std::string text;
  if (ReadFileBytes(ManifestPath(), text) != 0) return std::nullopt;
  return ParseManifest(text);
}

void Publication::WriteManifest(const std::vector<ManifestEntry>& entries) const {
  const std::string path = ManifestPath();
  const std::string text = ManifestText(entries);
  std::string current;
  if (ReadFileBytes(path, current) == 0 && current == text) return;
  std::string file;
  Check(platform::CreateStagingFile(path, StagingPrefix(topName_), file), path);
  platform::HostFile out;
  int code = out.Open(file, platform::FileAccess::kCreate, platform::FileShare::kRead);
  if (code == 0) code = out.Write(text.data(), text.size());
  if (const int closed = out.Close(); code == 0) code = closed;
  if (code == 0) code = platform::FlushStagedFiles({file});
  if (code == 0) code = platform::PutStagedFile(file, path);
  if (code != 0) {
    (void)platform::RemoveFile(file);
    throw IoError(code).AboutPath(path);
  }
}

// The pages of the previous manifest that this run did not write: removed when they still
// hold bytes the program wrote, kept with a warning when edited since. Answers the entries
// to record again: pages whose removal failed, or whose bytes could not be read, so a later
// run tries again.
std::vector<ManifestEntry> Publication::RemoveStalePages(
    const std::vector<ManifestEntry>& previous, const std::vector<ManifestEntry>& published,
    GenerationStats& stats) const {
  // Names compare as the host's file names may: letters without regard to case.
  std::set<std::string> written;
  for (const ManifestEntry& entry : published) written.insert(UpperAscii(entry.name));
  std::vector<std::pair<std::string, std::set<std::string>>> stale;  // name, its hashes
  std::unordered_map<std::string, std::size_t> place;                // name to its place
  for (const ManifestEntry& entry : previous) {
    if (!IsPageName(entry.name, topName_) || written.count(UpperAscii(entry.name)) != 0) continue;
    const auto [at, added] = place.emplace(entry.name, stale.size());
    if (added) stale.push_back({entry.name, {}});
    stale[at->second].second.insert(entry.hash);
  }

  // The record lists pages in the order they went in place, each after its sub-pages:
  // removed from its end, a page goes before its sub-pages, so a run killed while it
  // removes them leaves no page of the last run offering links down into pages already
  // gone (only the sub-pages left, no longer linked from the site, link back up).
  std::vector<ManifestEntry> kept;
  for (auto it = stale.rbegin(); it != stale.rend(); ++it) {
    const auto& [name, hashes] = *it;
    const std::string path = folder_ + name;
    std::string hash;
    if (const int code = HashFile(path, hash); code != 0) {
      if (!Missing(code)) {
        for (const std::string& recorded : hashes) kept.push_back({name, recorded});
      }
      continue;
    }
    if (hashes.count(hash) == 0) {
      stats.warnings.push_back({RunWarning::Kind::kEditedPageKept, path, ""});
      continue;
    }
    if (platform::RemoveFile(path) == 0) {
      ++stats.removed;
    } else {
      kept.push_back({name, hash});
    }
  }
  return kept;
}

}  // namespace favpage
