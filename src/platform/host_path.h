// Translation between the core's path dialect and the host's. On POSIX every single-byte
// "\" is "/" on the host and names are UTF-8; inside they are Shift_JIS, through the one
// reversible name mapping (platform/name_mapping.h): a host name that Shift_JIS cannot
// spell is held with character references, so every name still leads back to its file.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform {

std::string ToHostPath(std::string_view internalPath);
std::string FromHostPath(std::string_view hostPath);

// A path as the user sees it in a message: the host's delimiters, but still Shift_JIS
// bytes like every other message text of the core (ToHostText shows it).
std::string DisplayPath(std::string_view internalPath);

// A message or any other text of the core as the host shows it: Shift_JIS turned into the
// host's encoding and the name mapping's references into their real characters.
std::string ToHostText(std::string_view internalText);

}  // namespace favpage::platform
