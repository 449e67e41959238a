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
// A host text (UTF-8), not a path, in the core's form: exactly what ToHostText gives back.
// "/" and "\" are characters here like any other.
std::string FromHostText(std::string_view hostText);

// A path the user typed (UTF-8, as a command line gives it), made absolute against the
// current folder and normalized, in the core's dialect without a closing "\" (a root
// keeps it). False when a relative path has no current folder to resolve it against.
[[nodiscard]] bool AbsoluteUserPath(std::string_view typedUtf8, std::string& internalPath);
// True when a path the user typed can only name a folder: it ends in a separator, "." or
// "..", so no file of its own is named.
[[nodiscard]] bool UserPathNamesFolder(std::string_view typedUtf8);
// True when a path the user typed names an existing regular file.
[[nodiscard]] bool UserPathIsFile(std::string_view typedUtf8);

}  // namespace favpage::platform
