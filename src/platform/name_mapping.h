// The one reversible mapping between host names and the core's Shift_JIS dialect, on code
// points, so that every host layer shares it whatever its own encoding of names.
//
// A character keeps its code page 932 bytes when CP932 holds it and reading those bytes
// back gives the same character. Everything else becomes an HTML numeric character
// reference ("&#x1F600;": upper-case hex, no leading zeros): characters CP932 lacks or maps
// one way only (U+301C, U+2212, U+00A5, ...), control characters, and "\" ":" "<" ">" '"',
// which mean something inside the core or on a page. A literal "&#" is written "&#x26;#".
// A host byte that is no character travels as kRawByteBase + byte; lone surrogates never
// come from a valid host name, so its reference cannot be mistaken for a real character.
// Pages show the references and browsers display the real characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace favpage::platform {

inline constexpr char32_t kRawByteBase = 0xDC00;

// The internal form of a host text given as code points. `hostDelimiter` becomes the
// internal "\"; 0 when the text is a single name or not a path. `colonDelimits`: the host
// itself reads ":" as a drive or stream delimiter (Windows), so no name can hold one and
// it stays the core's own ":" delimiter.
std::string InternalFromCodePoints(std::u32string_view host, char32_t hostDelimiter,
                                   bool colonDelimits = false);

// The code points an internal text stands for: exactly undoes InternalFromCodePoints.
// The internal "\" becomes `hostDelimiter` (0 keeps it); a byte sequence that is no CP932
// character becomes U+FFFD.
std::u32string CodePointsFromInternal(std::string_view internal, char32_t hostDelimiter);

// The reference written for `codePoint`: "&#x" upper-case hex without leading zeros ";".
std::string NameReference(char32_t codePoint);

// The length of the reference the mapping writes that starts at `pos`, with its code
// point; 0 when none starts there.
[[nodiscard]] std::size_t ParseNameReference(std::string_view internal, std::size_t pos,
                                             char32_t& codePoint);

}  // namespace favpage::platform
