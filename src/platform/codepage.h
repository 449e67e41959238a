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

}  // namespace favpage::platform
