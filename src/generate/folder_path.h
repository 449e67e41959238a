// The text that names one folder of a source, as --list-folders prints it, --folder takes
// it and the settings keep it: the folder's names from the top of the source down,
// joined by "/". A "/" or "\" inside a name is written "\/" or "\\", and a control
// character as "\n", "\r", "\t" or "\xHH", so that every name survives a line of its own
// on a terminal and comes back the same. The empty text names the whole source.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace favpage {

// One name (UTF-8) written for a folder path.
std::string EscapeFolderName(std::string_view name);

// The path text of the folder whose names from the top down are `names`.
std::string FolderPathText(const std::vector<std::string>& names);

// The names a path text stands for, outermost first; none for the empty text. Nothing
// when the text breaks the rule: a "\" that starts no escape, a "\" at its end.
std::optional<std::vector<std::string>> SplitFolderPath(std::string_view text);

}  // namespace favpage
