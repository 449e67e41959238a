// How a browser reads a link's address on a page: whether following it would run a
// script, and which "&" in it would begin a character reference.
#pragma once

#include <string>
#include <string_view>

namespace favpage {

// True when a browser would take `address` for a javascript:, vbscript: or data: URL:
// the scheme in any letter case, after the leading blanks and control characters that a
// browser strips, and with the tabs and line breaks it removes from anywhere.
bool IsScriptAddress(std::string_view address);

// `href`, an attribute value as the page writes it, with every "&" that a browser would
// decode as the start of a character reference written "&amp;", so the address reaches
// the browser as stored: "&#" with a digit, "&#x" with a hexadecimal digit, "&" with a
// name and ";", and the names a browser also decodes without ";" (such as "&copy") where
// neither "=" nor a letter or digit follows. Every other "&" stays, so ordinary query
// strings ("?a=1&b=2") keep their bytes.
std::string EscapeReferenceAmpersands(std::string_view href);

}  // namespace favpage
