// Character references as an HTML parser decodes them: named references from a table of
// the HTML 4 names and the common HTML names beyond them, the legacy names a browser also
// reads without their ";", and numeric references with the replacements browsers make.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace favpage::html {

// Named references are names with the ";" where one is part of the name: "amp;" and the
// legacy "amp" are two names, "hellip" without ";" is none. Case matters: "Auml;" and
// "auml;" are different characters.

// The character the reference named exactly `name` stands for; 0 when there is none.
char32_t NamedReferenceCodePoint(std::string_view name);

// Reads a reference's name one character at a time, keeping the names it may still
// become, so the longest name can be found without looking back.
class NamedReferenceMatcher {
 public:
  NamedReferenceMatcher() { Reset(); }
  void Reset();
  // Adds `c` to what was read; false, changing nothing, when no name begins with that.
  bool Add(char c);
  // The character of what was read when it is a whole name; 0 otherwise.
  char32_t CodePoint() const;
  std::size_t length() const { return length_; }

 private:
  std::size_t first_ = 0;  // the names beginning with what was read: [first_, last_)
  std::size_t last_ = 0;
  std::size_t length_ = 0;
};

// The character a numeric reference stands for: U+FFFD for zero, surrogates and values
// past U+10FFFF; the characters of windows-1252 for 0x80-0x9F, as browsers read them.
// `value` is saturated by the caller at anything above 0x10FFFF.
char32_t NumericReferenceCodePoint(std::uint32_t value);

}  // namespace favpage::html
