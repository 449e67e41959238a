#include "base/messages.h"

#include "base/sjis.h"

namespace favpage::msg {
namespace {

// The placeholder ("%s" or "%d") that starts at `at`, or '\0'. Only a single-byte "%" is one:
// the second byte of a double-byte character never starts a placeholder.
char PlaceholderAt(std::string_view format, std::size_t at) {
  if (at + 1 >= format.size() || format[at] != '%') return '\0';
  return format[at + 1] == 's' || format[at + 1] == 'd' ? format[at + 1] : '\0';
}

// What "%d" stands for: a decimal number, perhaps negative.
bool IsNumber(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Matches format[fi..] against message[mi..]; both positions are on a character. A "%s"
// tries the shortest value first, so the first match found is the leftmost-shortest one.
bool MatchFrom(std::string_view format, std::size_t fi, std::string_view message, std::size_t mi,
               std::vector<std::string>& values) {
  while (fi < format.size()) {
    if (const char kind = PlaceholderAt(format, fi); kind != '\0') {
      fi += 2;
      for (std::size_t end = mi;; end += CharLength(message, end)) {
        const std::string_view value = message.substr(mi, end - mi);
        if (kind == 's' || IsNumber(value)) {
          values.emplace_back(value);
          if (MatchFrom(format, fi, message, end, values)) return true;
          values.pop_back();
        }
        if (end >= message.size()) return false;
      }
    }
    const std::size_t length = CharLength(format, fi);
    if (message.compare(mi, length, format.substr(fi, length)) != 0) return false;
    fi += length;
    mi += length;
  }
  return mi == message.size();
}

// The bytes of `format` outside its placeholders: how much of a message a row pins down.
std::size_t FixedLength(std::string_view format) {
  std::size_t fixed = 0;
  for (std::size_t i = 0; i < format.size(); i += CharLength(format, i)) {
    if (PlaceholderAt(format, i) != '\0') {
      ++i;  // with the loop's step, past both bytes
      continue;
    }
    fixed += CharLength(format, i);
  }
  return fixed;
}

const char* Pick(const TextRow& row, Language language) {
  return language == Language::kJapanese ? row.japanese : row.english;
}

}  // namespace

std::string_view In(Language language, std::string_view text) {
  for (const TextRow& row : kTextTable) {
    if (row.japanese == text.data()) return Pick(row, language);
  }
  for (const TextRow& row : kTextTable) {
    if (text == row.japanese) return Pick(row, language);
  }
  return text;
}

std::string Translate(std::string_view message, Language language) {
  const TextRow* best = nullptr;
  std::vector<std::string> bestValues;
  std::size_t bestFixed = 0;
  for (const TextRow& row : kTextTable) {
    std::vector<std::string> values;
    if (!MatchFormat(row.japanese, message, values)) continue;
    const std::size_t fixed = FixedLength(row.japanese);
    if (best != nullptr && fixed <= bestFixed) continue;
    best = &row;
    bestValues = std::move(values);
    bestFixed = fixed;
  }
  if (best == nullptr) return std::string(message);
  return FillFormat(Pick(*best, language), bestValues);
}

bool MatchFormat(std::string_view format, std::string_view message,
                 std::vector<std::string>& values) {
  values.clear();
  if (MatchFrom(format, 0, message, 0, values)) return true;
  values.clear();
  return false;
}

std::string FillFormat(std::string_view format, std::span<const std::string> values,
                       PieceConversion piece) {
  std::string result;
  std::size_t next = 0;
  std::size_t pieceStart = 0;
  auto flushPiece = [&](std::size_t end) {
    const std::string_view text = format.substr(pieceStart, end - pieceStart);
    result += piece != nullptr ? piece(text) : std::string(text);
  };
  for (std::size_t i = 0; i < format.size();) {
    if (PlaceholderAt(format, i) == '\0') {
      i += CharLength(format, i);
      continue;
    }
    flushPiece(i);
    if (next < values.size()) result += values[next];
    ++next;
    i += 2;
    pieceStart = i;
  }
  flushPiece(format.size());
  return result;
}

}  // namespace favpage::msg
