// What one run publishes, staged. Every page and the style sheet copy are written into
// staging files beside their final names; only when the whole run has succeeded are they
// put in place, each in one step, in an order that keeps every link of a published page
// leading to a page that exists. A page whose bytes are already published stays
// untouched. A page's bytes are held in memory while it is written, and reach a staging
// file only when it is complete and differs from the published page, or when it grows
// large: a run that changes nothing creates no file at all. A manifest beside the top page records
// the pages the run published, so the next run removes those it no longer writes: its own unedited
// ones, never another file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "generate/manifest.h"
#include "generate/page_generator.h"

namespace favpage {

class Publication {
 public:
  enum class Kind { kPage, kStyleSheet };

  // `topPage`: the run's output page (internal path).
  explicit Publication(std::string topPage);
  Publication(const Publication&) = delete;
  Publication& operator=(const Publication&) = delete;
  // Removes every staging file that was not put in place: a run that fails leaves the
  // published files as they were, and nothing of its own.
  ~Publication();

  // The manifest beside the top page, and the file whose lock claims the output.
  std::string ManifestPath() const;
  std::string ClaimPath() const;

  // Removes the staging files that runs on this top page left when they were killed.
  // Only for the holder of the output's claim: no other run can be writing them then.
  void RemoveLeftovers() const;

  // A new staging file for the file `target` (the same one for a target staged before).
  // Raises IoError naming `target` when the target could not be replaced (read-only, held
  // open) or the staging file cannot be made.
  std::string Stage(const std::string& target, Kind kind);
  // The staging file of `target`. Raises IoError (file not found) naming `target` when it
  // was never staged: a page's appending operations never reach the published page.
  const std::string& FileOf(const std::string& target) const;

  // Begins the page `target` anew, empty (a page staged before loses what it held).
  // Raises IoError naming `target` when the target could not be replaced.
  void StagePage(const std::string& target);
  // Appends `bytes` to the staged page `target`. Raises IoError naming `target`: file not
  // found when it was never staged, or the failure of its staging file.
  void AppendToPage(const std::string& target, std::string_view bytes);

  // `page` is complete. Pages are put in place in the order they were completed (a tree's
  // sub-pages before the pages that link to them, the top page last), after the style
  // sheet they name.
  void PageCompleted(const std::string& page);

  // Puts every staged file in place, counting the pages already up to date in `stats`.
  // Before the first move, every file that changes must be replaceable: a refusal raises
  // IoError naming the file, and nothing is moved. With `recordPages` the pages are
  // recorded in the manifest, and the pages of the previous manifest that this run did not
  // write are removed when they still hold the bytes recorded for them; one edited since
  // is kept with a warning in `stats`.
  void Publish(GenerationStats& stats, bool recordPages);

 private:
  struct Staged {
    std::string target;
    std::string file;  // empty when not made yet, once put in place or dropped
    Kind kind = Kind::kPage;
    bool completed = false;
    // A page: the bytes not yet in its staging file, and whether they are all it holds
    // (`settled`: its hash and its comparison with the published page are known, and
    // `file` is complete).
    std::string pending;
    bool spilled = false;   // `file` holds the bytes before `pending`
    bool settled = true;    // a page written through AppendToPage is not until complete
    bool compared = false;  // `hash` and `unchanged` are known without reading `file`
    bool unchanged = false;
    std::string hash;
  };

  struct Ready {
    std::size_t index;  // in staged_
    bool unchanged;     // the published file already holds these bytes
  };

  Staged& PageOf(const std::string& target);
  void WritePending(Staged& staged);
  void Settle(Staged& staged);
  std::vector<std::size_t> PutOrder() const;
  std::vector<Ready> CompareWithPublished(std::vector<ManifestEntry>& published) const;
  void PrepareMoves(const std::vector<Ready>& ready) const;
  std::vector<ManifestEntry> PendingRecord(
      const std::optional<std::vector<ManifestEntry>>& previous,
      const std::vector<ManifestEntry>& published) const;
  void MoveIntoPlace(const std::vector<Ready>& ready, GenerationStats& stats);
  std::optional<std::vector<ManifestEntry>> ReadManifest() const;
  void WriteManifest(const std::vector<ManifestEntry>& entries) const;
  std::vector<ManifestEntry> RemoveStalePages(const std::vector<ManifestEntry>& previous,
                                              const std::vector<ManifestEntry>& published,
                                              GenerationStats& stats) const;

  std::string folder_;   // the top page's folder, with its closing delimiter
  std::string topName_;  // the top page's file name
  std::vector<Staged> staged_;
  std::unordered_map<std::string, std::size_t> index_;  // target to its place in staged_
  std::vector<std::size_t> completed_;
};

}  // namespace favpage
