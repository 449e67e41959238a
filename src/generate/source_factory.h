// Choosing a run's link source: the favorites folder, a bookmarks file of any kind the
// readers know, or a browser's own bookmarks found on this machine.
//
// The choice is one text (SettingsState::Source, the settings key Source): empty for the
// favorites folder; a browser's name ("firefox"), optionally with ":" and one of its
// profiles ("chrome:Profile 1"); or the path of a folder or bookmarks file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_error.h"
#include "base/messages.h"
#include "generate/link_source.h"
#include "settings/settings_state.h"

namespace favpage {

// A source that is there but that no reader knows, or that names a browser profile this
// machine does not have. `path` (internal) is what it is about; empty for none.
class SourceError : public Error {
 public:
  using Error::Error;
};

// The texts a source is refused with, about the file the error names: no bookmarks file of
// any kind; one of a known kind that is cut off or lacks the roots every such file has; a
// Firefox database on a system without SQLite (Windows before 10).
using msg::kNoSqlite;
using msg::kNotBookmarksFile;
using msg::kNotCompleteBookmarksFile;

bool IsBrowserName(std::string_view name);

// The browsers with at least one profile for this user here, in the menu's order.
std::vector<std::string> InstalledBrowsers();

// The bookmarks file of `browser`'s profile `profile` (internal text; empty: the most
// recently used profile), named exactly as the browser names it: Firefox's profile name,
// a Chromium profile's folder or the name the browser shows for it. Raises SourceError,
// naming the profile as it was given, when there is none.
std::string BrowserBookmarksFile(std::string_view browser, std::string_view profile);

// The source that state.Source names; the favorites folder reads state.FavoritePath, and
// the state must outlive the source. The whole source is read here, before the run
// writes anything. A missing or unreadable file raises IoError about it; a file that is
// none of the kinds raises SourceError with kNotBookmarksFile, one that is cut off or
// lacks its roots kNotCompleteBookmarksFile, and a Firefox database where the system has
// no SQLite kNoSqlite. When state.SourceFolder names one folder, the source is narrowed to
// it (generate/source_folders.h); a folder the source lacks raises SourceError.
std::unique_ptr<LinkSource> OpenLinkSource(const SettingsState& state);

// The whole source that state.Source names, whatever state.SourceFolder says: the one
// whose folders are listed to choose from.
std::unique_ptr<LinkSource> OpenWholeSource(const SettingsState& state);

}  // namespace favpage
