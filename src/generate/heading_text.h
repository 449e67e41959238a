// The text of a folder heading: where the folder lies below the favorites folder.
#pragma once

#include <string>

namespace favpage {

// The folder's names below `favoritePath` (no closing "\"), outermost first, joined by
// " > "; "トップページ" for the favorites folder itself. `folder` ends in "\".
std::string HeadingText(const std::string& favoritePath, const std::string& folder);

}  // namespace favpage
