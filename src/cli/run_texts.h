// The texts favpage-cli prints about a run's result, in one place (UTF-8). Placeholders
// are filled in order by the printing code.
#pragma once

namespace favpage::cli::text {

// Every warning line starts with this; the run still succeeds.
inline constexpr char kWarningPrefix[] = "favpage-cli: warning: ";
// A link whose address a browser would run as a script was left out of its page: the
// link's name, then its folder's heading.
inline constexpr char kScriptLinkLeftOut[] = "left out the script link \"%1\" in \"%2\"";
// The same for a link the run could not place in a folder.
inline constexpr char kScriptLinkLeftOutNoFolder[] = "left out the script link \"%1\"";
// A page of the last run that this run no longer writes was edited since, so it was kept.
inline constexpr char kEditedPageKept[] = "kept %1: edited since favpage wrote it";

// The closing summary's additions: pages that were already up to date, pages of the last
// run that this run no longer writes and removed.
inline constexpr char kUpToDate[] = ", %1 up to date";
inline constexpr char kRemoved[] = ", %1 removed";

// The option that publishes script links after all.
inline constexpr char kKeepScriptLinksOption[] = "--keep-script-links";
inline constexpr char kKeepScriptLinksHelp[] =
    "  --keep-script-links    publish javascript:, vbscript: and data: links too\n";

}  // namespace favpage::cli::text
