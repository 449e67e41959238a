// The text of a folder heading: where the folder lies below the favorites folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace favpage {

// The folder's names below `favoritePath` (no closing "\"), outermost first, joined by
// " > "; "トップページ" for the favorites folder itself. `folder` ends in "\".
std::string HeadingText(const std::string& favoritePath, const std::string& folder);

// The heading of a folder whose names below the top are `names`, outermost first: joined
// by " > "; "トップページ" when there are none (the top folder itself).
std::string HeadingFromNames(const std::vector<std::string_view>& names);

}  // namespace favpage
