// The encoding of the pages the system writes (link pages and the preview page).
#pragma once

namespace favpage {

// Shift_JIS is the pages' own; UTF-8 shows every character of a name as itself instead
// of as a reference.
enum class PageCharset { kShiftJis, kUtf8 };

}  // namespace favpage
