#include "preview/style_sheet.h"

namespace favpage {

std::string StyleSheetFileName(std::int32_t styleType) {
  return "mirelstyle" + std::to_string(static_cast<std::int64_t>(styleType) - 1) + ".css";
}

std::string StyleSheetLinkLine(std::int32_t styleType, PageFormat format) {
  return "<link href=\"" + StyleSheetFileName(styleType) +
         (format == PageFormat::kHtml5 ? "\" rel=\"stylesheet\">"
                                       : "\" rel=\"stylesheet\" type=\"text/css\">");
}

}  // namespace favpage
