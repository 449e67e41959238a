// The markup of the pages the system writes (link pages and the preview page).
#pragma once

namespace favpage {

// The classic format, or HTML5 pages that today's checkers pass and phones lay out at
// their own width. Both show the same names and links.
enum class PageFormat { kClassic, kHtml5 };

}  // namespace favpage
