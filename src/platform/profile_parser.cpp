#include "platform/profile_parser.h"

#include "base/sjis.h"

namespace favpage::platform {
namespace {

using Kind = ProfileLine::Kind;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t StepOf(std::string_view text, std::size_t pos, ProfileEncoding encoding) {
  return encoding == ProfileEncoding::kShiftJis ? CharLength(text, pos) : 1;
}

char UpperByte(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool SameName(std::string_view a, std::string_view b, ProfileEncoding encoding) {
  if (encoding == ProfileEncoding::kShiftJis) return SameTextAscii(a, b);
  // In UTF-8 no byte of a multi-byte character is an ASCII letter.
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperByte(a[i]) != UpperByte(b[i])) return false;
  }
  return true;
}

void Classify(std::string_view text, ProfileEncoding encoding, ProfileLine& line) {
  const std::string_view content = text.substr(line.begin, line.end - line.begin);
  const std::string_view trimmed = TrimBlanks(content);
  if (trimmed.empty() || trimmed.front() == ';') return;
  if (trimmed.front() == '[') {
    // The name ends at the first "]" that is a character of its own; without one, at the
    // line's end. Whatever follows the "]" is ignored.
    std::size_t close = 1;
    while (close < trimmed.size() && trimmed[close] != ']') {
      close += StepOf(trimmed, close, encoding);
    }
    line.kind = Kind::kSection;
    line.name = TrimBlanks(trimmed.substr(1, close - 1));
    return;
  }
  const std::size_t equals = content.find('=');  // never the second byte of a character
  if (equals == std::string_view::npos) return;
  line.kind = Kind::kKey;
  line.name = TrimBlanks(content.substr(0, equals));
  line.value = TrimBlanks(content.substr(equals + 1));
}

std::string_view WithoutOuterQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The first section named `section`: its header line and the lines [first, last) below it.
struct SectionRange {
  std::size_t header = 0;
  std::size_t first = 0;
  std::size_t last = 0;
  bool found = false;
};

SectionRange FindSection(const std::vector<ProfileLine>& lines, std::string_view section,
                         ProfileEncoding encoding) {
  SectionRange range;
  const std::string_view wanted = TrimBlanks(section);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Kind::kSection) continue;
    if (range.found) {
      range.last = i;
      return range;
    }
    if (SameName(lines[i].name, wanted, encoding)) {
      range = {i, i + 1, lines.size(), true};
    }
  }
  return range;
}

}  // namespace

std::vector<ProfileLine> SplitProfileLines(std::string_view text, ProfileEncoding encoding) {
  std::vector<ProfileLine> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    ProfileLine line;
    line.begin = begin;
    line.end = begin;
    while (line.end < text.size() && text[line.end] != '\r' && text[line.end] != '\n') ++line.end;
    line.next = line.end;
    if (line.next < text.size()) {
      const bool crlf =
          text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n';
      line.next += crlf ? 2 : 1;
    }
    Classify(text, encoding, line);
    lines.push_back(line);
    begin = line.next;
  }
  return lines;
}

std::optional<std::string> FindProfileValue(std::string_view text, ProfileEncoding encoding,
                                            std::string_view section, std::string_view key) {
  const std::vector<ProfileLine> lines = SplitProfileLines(text, encoding);
  const SectionRange range = FindSection(lines, section, encoding);
  if (!range.found) return std::nullopt;
  const std::string_view wanted = TrimBlanks(key);
  for (std::size_t i = range.first; i < range.last; ++i) {
    if (lines[i].kind == Kind::kKey && SameName(lines[i].name, wanted, encoding)) {
      return std::string(WithoutOuterQuotes(lines[i].value));
    }
  }
  return std::nullopt;
}

std::string SetProfileValue(std::string_view text, ProfileEncoding encoding,
                            std::string_view section, std::string_view key,
                            std::string_view value) {
  const std::vector<ProfileLine> lines = SplitProfileLines(text, encoding);
  const SectionRange range = FindSection(lines, section, encoding);
  const std::string_view keyName = TrimBlanks(key);
  std::string result;

  if (!range.found) {
    result.assign(text);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') result += "\r\n";
    result.append("[").append(TrimBlanks(section)).append("]\r\n");
    result.append(keyName).append("=").append(value).append("\r\n");
    return result;
  }

  std::size_t lastKey = range.header;
  for (std::size_t i = range.first; i < range.last; ++i) {
    if (lines[i].kind != Kind::kKey) continue;
    if (SameName(lines[i].name, keyName, encoding)) {
      // The line keeps its key name as written; the rest of the file stays as it is.
      result.assign(text.substr(0, lines[i].begin));
      result.append(lines[i].name).append("=").append(value).append("\r\n");
      result.append(text.substr(lines[i].next));
      return result;
    }
    lastKey = i;
  }

  const ProfileLine& after = lines[lastKey];
  result.assign(text.substr(0, after.next));
  if (after.next == after.end) result += "\r\n";  // that line was the last, without an end
  result.append(keyName).append("=").append(value).append("\r\n");
  result.append(text.substr(after.next));
  return result;
}

}  // namespace favpage::platform
