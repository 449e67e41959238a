#include "generate/heading_text.h"

#include <string_view>

#include "base/sjis.h"
#include "generate/page_markup.h"
#include "text/path_rules.h"

namespace favpage {

// Only a single-byte "\" separates two names, so a name whose Shift_JIS characters hold
// the byte 0x5C stays whole, and a name holding ":" (possible on POSIX hosts) can
// neither be cut nor stall the split.
std::string HeadingText(const std::string& favoritePath, const std::string& folder) {
  const std::string relative = ExtractRelativePath(favoritePath + "\\", folder);
  if (relative.empty()) return markup::kTopPage;
  std::string_view names(relative);
  // The closing "\" goes; a folder given without one keeps its last character whole.
  if (IncludeTrailingBackslash(names).size() == names.size()) names.remove_suffix(1);
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= names.size();) {
    if (i == names.size() || (CharLength(names, i) == 1 && names[i] == '\\')) {
      parts.push_back(names.substr(start, i - start));
      start = ++i;
      continue;
    }
    i += CharLength(names, i);
  }
  return HeadingFromNames(parts);
}

std::string HeadingFromNames(const std::vector<std::string_view>& names) {
  if (names.empty()) return markup::kTopPage;
  std::string heading;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) heading += markup::kHeadingJoin;
    heading.append(names[i]);
  }
  return heading;
}

}  // namespace favpage
