// The style sheets "mirelstyle%1d.css" that lie beside the executable, and the link line
// that the pages and the preview page use to name one.
#pragma once

#include <cstdint>
#include <string>

#include "text/page_format.h"

namespace favpage {

// "mirelstyle<StyleType - 1>.css" (StyleType 1 gives "mirelstyle0.css").
std::string StyleSheetFileName(std::int32_t styleType);

// <link href="mirelstyle<StyleType - 1>.css" rel="stylesheet" type="text/css">; on an HTML5
// page <link href="mirelstyle<StyleType - 1>.css" rel="stylesheet">.
std::string StyleSheetLinkLine(std::int32_t styleType, PageFormat format = PageFormat::kClassic);

}  // namespace favpage
