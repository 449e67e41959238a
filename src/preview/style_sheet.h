// The style sheets "mirelstyle%1d.css" that lie beside the executable, and the link line
// that the pages and the preview page use to name one.
#pragma once

#include <cstdint>
#include <string>

namespace favpage {

// "mirelstyle<StyleType - 1>.css" (StyleType 1 gives "mirelstyle0.css").
std::string StyleSheetFileName(std::int32_t styleType);

// <link href="mirelstyle<StyleType - 1>.css" rel="stylesheet" type="text/css">
std::string StyleSheetLinkLine(std::int32_t styleType);

}  // namespace favpage
