// Text conversion between the encodings the POSIX host layer meets, through iconv.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform::posix {

enum class Encoding { kCp932, kUtf8, kUtf16Le };

// Converts `text`; never fails. A character the target cannot hold becomes "?" in
// code page 932, and a byte sequence that is not valid in the source becomes U+FFFD in
// UTF-8 or UTF-16 ("?" in code page 932). A Shift_JIS lead byte and the byte after it
// count as one character, as everywhere in the core.
std::string Convert(std::string_view text, Encoding from, Encoding to);

}  // namespace favpage::platform::posix
