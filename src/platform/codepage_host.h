// What each host gives the character caches of codepage.cpp: one character converted,
// without a cache. Only the host layer includes this.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform {

// The code page 932 bytes of one code point of the basic multilingual plane; empty when
// CP932 cannot hold it.
std::string Cp932EncodeUncached(char32_t codePoint);
// The code point of one Shift_JIS character (a byte that is not ASCII, or a lead byte and
// the byte after it); kNotCp932 when CP932 assigns none.
char32_t Cp932DecodeUncached(std::string_view character);

}  // namespace favpage::platform
