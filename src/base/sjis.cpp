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

// UpperAscii of each compared byte by byte, without copying either: a byte is raised
// where it is a single-byte character of its own text.
bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t nextA = 0;  // where the next character of each text begins
  std::size_t nextB = 0;
  const auto raised = [](std::string_view text, std::size_t at, std::size_t& next) {
    char c = text[at];
    if (at == next) {
      const std::size_t length = CharLength(text, at);
      if (length == 1 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      next += length;
    }
    return c;
  };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (raised(a, i, nextA) != raised(b, i, nextB)) return false;
  }
  return true;
}

}  // namespace favpage
