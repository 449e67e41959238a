// The profile (INI) text rules, on texts in memory: which lines are sections, keys and
// comments, where a value stands and how a write changes the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace favpage::platform {

// How the characters of a profile text are stepped: Shift_JIS, where "]" may be the
// second byte of a double-byte character, or UTF-8 (the form a UTF-16 file is edited in).
enum class ProfileEncoding { kShiftJis, kUtf8 };

struct ProfileLine {
  enum class Kind { kOther, kSection, kKey };
  Kind kind = Kind::kOther;
  std::size_t begin = 0;   // first byte of the line
  std::size_t end = 0;     // first byte of its line end (or of the text's end)
  std::size_t next = 0;    // first byte of the next line
  std::string_view name;   // a section's or key's name, blanks stripped
  std::string_view value;  // a key's value, blanks stripped, quotes kept
};

// The lines of `text`: CR LF, LF and CR end a line; a last line without an end counts.
std::vector<ProfileLine> SplitProfileLines(std::string_view text, ProfileEncoding encoding);

// The value of `key` in the first section named `section` (blanks around the names asked
// for ignored, ASCII letters compared without regard to case), with one matching pair of
// outer quotes removed; nothing when the section or the key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, ProfileEncoding encoding,
                                            std::string_view section, std::string_view key);

// `text` with `key`=`value` written into `section`: an existing key line is rewritten,
// a new key follows the last key line of its section, a missing section is appended at
// the end. Every other byte stays as it was; no blank line is added.
std::string SetProfileValue(std::string_view text, ProfileEncoding encoding,
                            std::string_view section, std::string_view key, std::string_view value);

}  // namespace favpage::platform
