// The address of a link to a page named after a file: the tree's sub-page and back links.
#pragma once

#include <string>
#include <string_view>

namespace favpage {

// `byte` as a URL writes it escaped: "%" and two upper-case hex digits.
void AppendPercent(std::string& out, unsigned char byte);

// A link to a page named after a file: the browser must reach that very file. It would
// read a "\" as "/", drop tabs and line ends, take "a:b_0.html" for a URL scheme and
// "%", "#", "?" (or "&" beginning an entity) as URL or HTML syntax, so those are
// percent-encoded, whether plain or held as a reference; a raw-byte reference becomes
// that byte. Every other character stays, and the browser resolves it as the file's name.
std::string NameHref(std::string_view name);

}  // namespace favpage
