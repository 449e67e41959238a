// The names a run on one top page gives the files beside that page: its pages, its
// manifest, its claim and its staging files. Each is derived from the top page's file
// name alone, so a run recognises exactly its own files and never another's.
#pragma once

#include <string>
#include <string_view>

namespace favpage {

// "links.html" gives "links.html.favpage": the manifest of what the run published.
std::string ManifestName(std::string_view topName);
// "links.html" gives ".links.html.favpage-lock": the file whose lock is the run's claim.
std::string ClaimName(std::string_view topName);
// "links.html" gives ".links.html.favpage-": every staging file of the run is this
// followed by the platform's random letters and digits.
std::string StagingPrefix(std::string_view topName);

// Whether `name` is a staging file of a run on `topName`: the prefix and exactly the
// platform's number of letters and digits.
bool IsStagingName(std::string_view name, std::string_view topName);

// Whether `name` is a page a run on `topName` writes: the top page itself, or a sub-page,
// the top page's base name followed by "_" and an index for each level ("_0", "_12_3")
// and ".html", indexes written without leading zeros.
bool IsPageName(std::string_view name, std::string_view topName);

}  // namespace favpage
