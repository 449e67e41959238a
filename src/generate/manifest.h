// The manifest a run writes beside its top page: which files it published and a hash of
// the bytes it wrote into each, so that a later run can tell its own unedited pages from
// pages edited by hand since, and from files it never wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace favpage {

struct ManifestEntry {
  std::string name;  // a file name beside the top page (internal form, no delimiter)
  std::string hash;  // Sha256Hex of the bytes written
};

// The text of a manifest: a first line naming the format, then one line per entry, the
// hash, one blank and the name; every line ended by CR LF. A name may appear on several
// lines (with the bytes of the run before and of the run in progress).
std::string ManifestText(const std::vector<ManifestEntry>& entries);

// The entries of a manifest's text; nothing when the text is no manifest of this format
// (another first line, a line without a hash, a name holding a delimiter).
std::optional<std::vector<ManifestEntry>> ParseManifest(std::string_view text);

}  // namespace favpage
