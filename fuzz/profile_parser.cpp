// The profile text rules on any text and names: a value written is read back (blanks
// trimmed, one pair of outer quotes dropped), every other line stays as it was, writing
// the same value again changes nothing, and every other key keeps its value.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/profile_parser.h"

namespace favpage {
namespace {

using platform::FindProfileValue;
using platform::ProfileEncoding;
using platform::ProfileLine;
using platform::SetProfileValue;
using platform::SplitProfileLines;

constexpr std::size_t kMostKeysCompared = 64;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// What a reader gets back for a value written.
std::string ReadBack(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// Names as the program writes them: one line, not blank, nothing that makes the line a
// comment or a different section, and (in Shift_JIS) whole characters.
bool IsName(std::string_view name, ProfileEncoding encoding, bool section) {
  const std::string_view trimmed = Trim(name);
  if (trimmed.empty() || name.find_first_of("\r\n=") != std::string_view::npos) return false;
  if (!section && (trimmed.front() == '[' || trimmed.front() == ';')) return false;
  if (encoding == ProfileEncoding::kUtf8) return !section || name.find(']') == name.npos;
  if (!fuzz::IsWellFormedSjis(name)) return false;
  if (!section) return true;
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (CharLength(name, i) == 1 && name[i] == ']') return false;
  }
  return true;
}

std::vector<std::string_view> Contents(std::string_view text, ProfileEncoding encoding) {
  const std::vector<ProfileLine> lines = SplitProfileLines(text, encoding);
  std::vector<std::string_view> contents;
  std::size_t expectedBegin = 0;
  for (const ProfileLine& line : lines) {
    FUZZ_CHECK(line.begin == expectedBegin && line.begin <= line.end && line.end <= line.next);
    FUZZ_CHECK(line.next > line.begin);
    expectedBegin = line.next;
    contents.push_back(text.substr(line.begin, line.end - line.begin));
  }
  FUZZ_CHECK(expectedBegin == text.size());
  return contents;
}

// `after` is `before` with one line replaced or inserted, or (for a new section) with
// lines appended; true when nothing else changed.
bool OtherLinesKept(const std::vector<std::string_view>& before,
                    const std::vector<std::string_view>& after) {
  std::size_t same = 0;
  while (same < before.size() && same < after.size() && before[same] == after[same]) ++same;
  if (same == before.size()) return after.size() <= before.size() + 2;
  if (after.size() == before.size()) {
    return std::equal(before.begin() + same + 1, before.end(), after.begin() + same + 1);
  }
  return after.size() == before.size() + 1 &&
         std::equal(before.begin() + same, before.end(), after.begin() + same + 1);
}

// The section and key names of the key lines of `text`, in order.
std::vector<std::pair<std::string, std::string>> KeysOf(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> keys;
  std::string section;
  bool inSection = false;
  for (const ProfileLine& line : SplitProfileLines(text, ProfileEncoding::kShiftJis)) {
    if (line.kind == ProfileLine::Kind::kSection) {
      section = line.name;
      inSection = true;
    } else if (line.kind == ProfileLine::Kind::kKey && inSection &&
               keys.size() < kMostKeysCompared) {
      keys.emplace_back(section, line.name);
    }
  }
  return keys;
}

void Check(const std::string& text, ProfileEncoding encoding, const std::string& section,
           const std::string& key, const std::string& value) {
  (void)FindProfileValue(text, encoding, section, key);
  const std::vector<std::string_view> before = Contents(text, encoding);
  const std::string written = SetProfileValue(text, encoding, section, key, value);
  (void)Contents(written, encoding);
  const bool valid = IsName(section, encoding, true) && IsName(key, encoding, false) &&
                     value.find_first_of("\r\n") == std::string::npos;
  if (!valid) return;

  FUZZ_CHECK(FindProfileValue(written, encoding, section, key) == ReadBack(value));
  FUZZ_CHECK(OtherLinesKept(before, Contents(written, encoding)));
  FUZZ_CHECK(SetProfileValue(written, encoding, section, key, value) == written);

  if (encoding != ProfileEncoding::kShiftJis) return;
  for (const auto& [otherSection, otherKey] : KeysOf(text)) {
    if (SameTextAscii(otherSection, Trim(section)) && SameTextAscii(otherKey, Trim(key))) {
      continue;
    }
    FUZZ_CHECK(FindProfileValue(written, encoding, otherSection, otherKey) ==
               FindProfileValue(text, encoding, otherSection, otherKey));
  }
}

}  // namespace
}  // namespace favpage

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Section, key and value, then the profile text (which may hold NUL bytes).
  const auto fields = favpage::fuzz::Fields(data, size, 4);
  for (const auto encoding :
       {favpage::platform::ProfileEncoding::kShiftJis, favpage::platform::ProfileEncoding::kUtf8}) {
    favpage::Check(fields[3], encoding, fields[0], fields[1], fields[2]);
  }
  return 0;
}
