// Code page 932 (Shift_JIS) conversion, the only encoding conversion of the system.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform {

// UTF-8 to Shift_JIS; a character that CP932 cannot hold becomes "?".
std::string Utf8ToSjis(std::string_view utf8);
// Shift_JIS to UTF-8; a byte sequence that is not CP932 becomes U+FFFD.
std::string SjisToUtf8(std::string_view sjis);
// UTF-16LE bytes (no byte-order mark) to Shift_JIS; "?" for what CP932 cannot hold.
std::string Utf16LeToSjis(std::string_view utf16le);
// UTF-16LE bytes (no byte-order mark) and UTF-8, both ways; what is not a character of the
// source becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view utf16le);
std::string Utf8ToUtf16Le(std::string_view utf8);

// What the name mapping asks of the host, one character at a time (answers are cached,
// since every name of every folder passes through here).
// The code page 932 bytes of one code point; empty when CP932 cannot hold it.
std::string Cp932Encode(char32_t codePoint);
// The code point of one Shift_JIS character (one byte, or a lead byte and the byte after
// it); kNotCp932 when CP932 assigns none.
inline constexpr char32_t kNotCp932 = 0xFFFFFFFF;
char32_t Cp932Decode(std::string_view character);

}  // namespace favpage::platform
