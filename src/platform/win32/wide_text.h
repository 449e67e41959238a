// Conversions between the core's byte strings and the UTF-16 text of the wide Windows
// calls. Only the wide calls are used: the ANSI ones turn characters outside the ANSI
// code page into other, real names.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform::win32 {

// Shift_JIS to UTF-16. A byte sequence that is not code page 932 becomes one U+FFFD per
// character of the core (a lead byte and the byte after it count as one).
std::wstring SjisToWide(std::string_view sjis);
// UTF-16 to Shift_JIS; each character code page 932 cannot hold (a surrogate pair or a
// lone surrogate included) becomes one "?".
std::string WideToSjis(std::wstring_view wide);
// UTF-8 to UTF-16; a sequence that is not UTF-8 becomes one U+FFFD.
std::wstring Utf8ToWide(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

// UTF-16 as code points and back; a lone surrogate stays a code point of its own.
std::u32string CodePointsFromWide(std::wstring_view wide);
std::wstring WideFromCodePoints(std::u32string_view codePoints);

// The one place where a path of the core becomes a host path and a host name becomes a
// name of the core: through the reversible name mapping, so every name leads back to its
// own file.
std::wstring ToWidePath(std::string_view internalPath);
std::string FromWidePath(std::wstring_view hostPath);

}  // namespace favpage::platform::win32
