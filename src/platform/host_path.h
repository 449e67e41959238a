// Translation between the core's path dialect and the host's. On POSIX every single-byte
// "\" is "/" on the host and names are UTF-8; inside they are Shift_JIS. A host name with
// a character that code page 932 cannot hold gets "?" in that character's place.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform {

std::string ToHostPath(std::string_view internalPath);
std::string FromHostPath(std::string_view hostPath);

// A path as the user sees it in a message: the host's delimiters, but still Shift_JIS
// bytes like every other message text of the core.
std::string DisplayPath(std::string_view internalPath);

// A path the user typed (UTF-8, as a command line gives it), made absolute against the
// current folder and normalized, in the core's dialect without a closing "\" (a root
// keeps it). False when a relative path has no current folder to resolve it against.
bool AbsoluteUserPath(std::string_view typedUtf8, std::string& internalPath);
// True when a path the user typed names an existing regular file.
bool UserPathIsFile(std::string_view typedUtf8);

}  // namespace favpage::platform
