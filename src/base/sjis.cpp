#include "base/sjis.h"

namespace favpage {

std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = 0;
  while (end + CharLength(text, end) <= limit) end += CharLength(text, end);
  return text.substr(0, end);
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (std::size_t i = 0; i < upper.size();) {
    const std::size_t len = CharLength(upper, i);
    if (len == 1 && upper[i] >= 'a' && upper[i] <= 'z') upper[i] = static_cast<char>(upper[i] - 32);
    i += len;
  }
  return upper;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

}  // namespace favpage
