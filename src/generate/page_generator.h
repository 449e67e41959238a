// The page writer and the two walks. Each page-writer operation opens its page file,
// writes its lines and closes it again, so a walk can leave any number of unfinished
// pages on disk while it writes another. Every failure raises IoError. Given a
// Publication, the operations hand each page's bytes to it instead (it stages them), and
// the publication puts the pages in place once the run has succeeded. Both walks keep their
// path through the tree on the heap, so no depth of folders exhausts the machine stack.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/run_host.h"
#include "generate/link_source.h"
#include "settings/settings_state.h"

namespace favpage {

class PageOutput;

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
  int removed = 0;    // pages of the previous run that this run no longer writes, removed
  std::vector<RunWarning> warnings;
};

class Publication;

// A link as its page shows it: its text and its address, read once.
struct ShownLink {
  std::string name;  // internal form
  std::string url;   // as the source holds it
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
  // The head of the page of `folder` (a folder key; empty: the top page). An HTML5 page
  // below the top is titled by its folder's heading before the first title line.
  void WritePageHead(const std::string& page, const std::string& folder);
  void WriteFolderHeading(const std::string& page, const std::string& folder);
  void WriteLinkList(const std::string& page, const std::vector<std::string>& links);
  void WriteSubfolderLinkList(const std::string& page, const std::vector<std::string>& subfolders);
  // The links of a folder that its page shows, with their names and addresses: a link
  // whose address a browser would run as a script is left out, with a warning naming it
  // and `folder` (empty: no folder named), unless the settings keep script links.
  std::vector<ShownLink> ShownLinks(const std::string& folder,
                                    const std::vector<std::string>& links);
  // Appends the list of `links`, as ShownLinks chose them.
  void WriteShownLinks(const std::string& page, const std::vector<ShownLink>& links);
  void WriteSeparator(const std::string& page);
  // With SetBlank, the link opens in the page's own window (TARGET="_self").
  void WriteBackLink(const std::string& page, const std::string& parentPage);
  void WritePageEnd(const std::string& page);

  const LinkSource& source() const { return *source_; }

  // From now on the pages are written into staging files of `publication`, which the
  // caller keeps alive and puts in place.
  void StageThrough(Publication& publication) { publication_ = &publication; }

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
  // The anchor attributes after HREF of the tree's own links: TARGET="_self" with SetBlank.
  const char* NavigationTarget() const;
  // A link's address as its page writes it.
  std::string LinkHref(const ShownLink& link) const;
  // The sub-page links' addresses, without the index and extension: "<page's base name>".
  std::string SubPageHrefBase(const std::string& page) const;

  // The HTML5 pages (page_generator_html5.cpp). A folder's heading opens its section,
  // which the next heading or the page's end closes; a separator is written only when a
  // section follows it, so an empty folder leaves no rule behind.
  bool Html5() const { return state_.Format == PageFormat::kHtml5; }
  void WriteHtml5Head(PageOutput& file, const std::string& folder);
  void WriteHtml5Heading(const std::string& page, const std::string& folder);
  void WriteHtml5Links(const std::string& page, const std::vector<ShownLink>& links);
  void WriteHtml5SubPageLinks(const std::string& page, const std::vector<std::string>& subfolders);
  void WriteHtml5BackLink(const std::string& page, const std::string& parentPage);
  void WriteHtml5End(const std::string& page);
  const char* Html5NavigationTarget() const;
  struct Html5Parts {
    bool sectionOpen = false;
    bool separatorPending = false;
  };

  const SettingsState& state_;
  const TitleLines& titles_;
  Progress& progress_;
  std::unique_ptr<LinkSource> favorites_;  // the default source, when none is given
  const LinkSource* source_;
  Publication* publication_ = nullptr;
  GenerationStats stats_;
  std::map<std::string, Html5Parts> html5Parts_;  // the HTML5 pages not yet ended
};

}  // namespace favpage
