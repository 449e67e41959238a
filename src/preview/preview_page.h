// The style preview: a sample page assembled beside the executable for the chosen style
// and shown in the window's HTML view.
#pragma once

#include <cstdint>
#include <string>

#include "base/run_host.h"
#include "text/page_charset.h"

namespace favpage {

// Writes exeFolder + "sample.html" from "sample-top.html", the link line of `styleType`
// when it is greater than 0, and "sample-bottom.html", then asks `view` to show it.
// `exeFolder` ends in "\". A UTF-8 page converts the Shift_JIS templates and names its
// charset in their content-type line. Raises IoError after closing what it opened; the
// view is then not asked to navigate.
void BuildPreviewPage(std::int32_t styleType, const std::string& exeFolder, HtmlView& view,
                      PageCharset charset = PageCharset::kShiftJis);

}  // namespace favpage
