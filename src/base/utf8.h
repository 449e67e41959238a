// UTF-8 as the bookmark files and the UTF-8 pages hold it. No host conversion is needed:
// only the code points are read and written.
#pragma once

#include <string>
#include <string_view>

namespace favpage {

// A byte that is no part of a well-formed UTF-8 character (stray, overlong, a surrogate or
// past U+10FFFF) becomes kUtf8ByteBase + the byte, a lone surrogate that no real text holds.
inline constexpr char32_t kUtf8ByteBase = 0xDC00;

std::u32string Utf8ToCodePoints(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace favpage
