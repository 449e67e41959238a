// The style preview: a sample page assembled beside the executable for the chosen style
// and shown in the window's HTML view.
#pragma once

#include <cstdint>
#include <string>

#include "base/run_host.h"
#include "text/page_charset.h"
#include "text/page_format.h"

namespace favpage {

// Writes exeFolder + "sample.html" from "sample-top.html", the link line of `styleType`
// when it is greater than 0, and "sample-bottom.html", then asks `view` to show it; an
// HTML5 page from "sample-html5-top.html" and "sample-html5-bottom.html".
// `exeFolder` ends in "\". A UTF-8 page converts the Shift_JIS templates and names its
// charset in their charset line. Raises IoError after closing what it opened; the
// view is then not asked to navigate.
void BuildPreviewPage(std::int32_t styleType, const std::string& exeFolder, HtmlView& view,
                      PageCharset charset = PageCharset::kShiftJis,
                      PageFormat format = PageFormat::kClassic);

}  // namespace favpage
