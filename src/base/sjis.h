// Shift_JIS (code page 932) byte-string rules shared by every text the core handles.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace favpage {

// True for a byte that begins a double-byte Shift_JIS character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The length of the character that starts at `pos`: 2 for a lead byte followed by
// another byte, else 1. A lead byte at the very end stands alone.
inline std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// At most the first `limit` bytes of `text`, never half of a double-byte character: one
// that would straddle the limit is left out whole.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit);

// The text with the single-byte letters a-z turned into A-Z; second bytes of
// double-byte characters are left alone.
std::string UpperAscii(std::string_view text);

// Equality of two texts with single-byte letters compared without regard to case.
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace favpage
