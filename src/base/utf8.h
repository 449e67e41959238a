// UTF-8 as the bookmark files and the UTF-8 pages hold it. No host conversion is needed:
// only the code points are read and written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace favpage {

// One character of UTF-8 at a position: its code point, the bytes it takes and whether it
// is well formed. Every UTF-8 decoder of the program steps with this; each decides for
// itself what to make of what is not well formed.
struct Utf8Step {
  char32_t codePoint;  // 0 when not valid
  // The bytes the sequence takes: 1 for a byte that cannot begin one, or whose next byte
  // is no continuation; the bytes left for one cut off at the end; the whole sequence for
  // an overlong form, a surrogate or a value past U+10FFFF.
  std::size_t length;
  bool valid;
};

// The character that starts at `pos` (< text.size()).
Utf8Step DecodeUtf8Step(std::string_view text, std::size_t pos);

// A byte that is no part of a well-formed UTF-8 character (stray, overlong, a surrogate or
// past U+10FFFF) becomes kUtf8ByteBase + the byte, a lone surrogate that no real text holds.
inline constexpr char32_t kUtf8ByteBase = 0xDC00;

std::u32string Utf8ToCodePoints(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace favpage
