#include "preview/style_sheet.h"

namespace favpage {

std::string StyleSheetFileName(std::int32_t styleType) {
  return "mirelstyle" + std::to_string(static_cast<std::int64_t>(styleType) - 1) + ".css";
}

std::string StyleSheetLinkLine(std::int32_t styleType) {
  return "<link href=\"" + StyleSheetFileName(styleType) +
         "\" rel=\"stylesheet\" type=\"text/css\">";
}

}  // namespace favpage
