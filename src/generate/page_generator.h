// The page writer and the two walks. Each page-writer operation opens its page file,
// writes its lines and closes it again, so a walk can leave any number of unfinished
// pages on disk while it writes another. Every failure raises IoError.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/run_host.h"
#include "generate/link_source.h"
#include "settings/settings_state.h"

namespace favpage {

// Something a run left out or kept that its user should know of; the run still succeeds.
struct RunWarning {
  enum class Kind {
    kScriptLinkLeftOut,  // subject: the link's name; where: its folder's heading
    kEditedPageKept,     // subject: a page of the last run edited since (internal path)
  };
  Kind kind;
  std::string subject;  // internal form
  std::string where;    // internal form; empty when about no folder
};

struct GenerationStats {
  int pages = 0;      // pages of the run, written or already up to date
  int unchanged = 0;  // of those, pages whose published bytes were already these
  int links = 0;      // shortcut links written
  int folders = 0;    // folders scanned with success
  std::vector<RunWarning> warnings;
};

class PageGenerator {
 public:
  // The generator reads `state` anew at every operation; the caller keeps it alive.
  // Without a source it reads the favorites folder of state.FavoritePath.
  PageGenerator(const SettingsState& state, const TitleLines& titles, Progress& progress);
  PageGenerator(const SettingsState& state, const TitleLines& titles, Progress& progress,
                const LinkSource& source);

  // Page writer. Folders and links are the source's keys (for the favorites folder: a
  // folder path ending in "\", a shortcut's path).
  // Creates the missing folders of `page`; raises IoError when the path names no folder.
  // A folder that cannot be created is left for the page's creation to report.
  static void CreatePageFolders(const std::string& page);
  void WritePageHead(const std::string& page);
  void WriteFolderHeading(const std::string& page, const std::string& folder);
  void WriteLinkList(const std::string& page, const std::vector<std::string>& links);
  void WriteSubfolderLinkList(const std::string& page, const std::vector<std::string>& subfolders);
  static void WriteSeparator(const std::string& page);
  static void WriteBackLink(const std::string& page, const std::string& parentPage,
                            PageCharset charset = PageCharset::kShiftJis);
  static void WritePageEnd(const std::string& page);

  const LinkSource& source() const { return *source_; }

  // Single-page walk: appends the sections of `folder` and every folder below it.
  void WalkSinglePage(const std::string& page, const std::string& folder);
  void WriteFolderSection(const std::string& page, const std::string& folder,
                          const std::vector<std::string>& links);

  // Folder-tree walk: writes the complete page of `folder` and the pages below it.
  void WriteFolderPage(const std::string& page, const std::string& folder, int depth,
                       const std::string& parentPage);
  void WriteSubfolderLinks(const std::string& page, int depth,
                           const std::vector<std::string>& subfolders);

  const GenerationStats& stats() const { return stats_; }

 private:
  const SettingsState& state_;
  const TitleLines& titles_;
  Progress& progress_;
  std::unique_ptr<LinkSource> favorites_;  // the default source, when none is given
  const LinkSource* source_;
  GenerationStats stats_;
};

}  // namespace favpage
