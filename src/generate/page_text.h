// The texts of a page in the page's charset. Inside, fixed texts, title lines and
// captions are Shift_JIS and names are in the internal form (Shift_JIS with references);
// a Shift_JIS page takes them byte for byte, a UTF-8 page converts them.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_state.h"

namespace favpage {

// A fixed text, a title line or a caption (Shift_JIS).
std::string PageFixedText(std::string_view sjis, PageCharset charset);

// A name in the internal form. On a UTF-8 page each character is written as itself,
// except those kept as references because they would mean something on the page or stand
// for no character: controls, "\" ":" "<" ">" '"' "&" and raw bytes.
std::string PageNameText(std::string_view internal, PageCharset charset);

// A link's address as an attribute value. No valid URL holds a '"', and one would end
// the attribute and let the rest write markup: it becomes %22. `url` is Shift_JIS bytes,
// or UTF-8 when `utf8`; from UTF-8, line ends and other controls become %XX too, and on a
// Shift_JIS page a character CP932 cannot hold is percent-encoded as UTF-8, so the link
// still leads where it did.
std::string PageUrlText(std::string_view url, bool utf8, PageCharset charset);

}  // namespace favpage
