#include "generate/folder_path.h"

#include <cstdio>

namespace favpage {
namespace {

constexpr char kSeparator = '/';
constexpr char kEscape = '\\';

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character the escape at `text[at]` (just after its "\") stands for, and how many
// characters it takes; 0 when none starts there.
std::size_t Unescape(std::string_view text, std::size_t at, char& out) {
  if (at >= text.size()) return 0;
  switch (text[at]) {
    case kSeparator:
    case kEscape:
      out = text[at];
      return 1;
    case 'n':
      out = '\n';
      return 1;
    case 'r':
      out = '\r';
      return 1;
    case 't':
      out = '\t';
      return 1;
    case 'x': {
      if (text.size() < at + 3) return 0;
      const int high = HexDigit(text[at + 1]);
      const int low = HexDigit(text[at + 2]);
      if (high < 0 || low < 0) return 0;
      out = static_cast<char>(high * 16 + low);
      return 3;
    }
    default:
      return 0;
  }
}

}  // namespace

std::string EscapeFolderName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == kSeparator || c == kEscape) {
      out += kEscape;
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

std::string FolderPathText(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += kSeparator;
    text += EscapeFolderName(names[i]);
  }
  return text;
}

std::optional<std::vector<std::string>> SplitFolderPath(std::string_view text) {
  std::vector<std::string> names;
  if (text.empty()) return names;
  names.emplace_back();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kSeparator) {
      names.emplace_back();
    } else if (text[i] == kEscape) {
      char c = 0;
      const std::size_t taken = Unescape(text, i + 1, c);
      if (taken == 0) return std::nullopt;
      names.back() += c;
      i += taken;
    } else {
      names.back() += text[i];
    }
  }
  return names;
}

}  // namespace favpage
