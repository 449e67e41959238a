// The form in which the Windows host layer hands every path to the system. A path given
// as it is goes through Win32's own normalization, which takes a name like CON.url or
// nul.txt for a device and drops a name's closing dots and blanks ("trail." becomes
// "trail"). The "\\?\" form passes each name to the file system as it is, so names that
// come from other systems, copies and archives are files and folders like any other.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform::win32 {

// `path` made absolute against `base` (an absolute folder: the current folder, or for a
// drive-relative path like "D:x" the current folder of that drive), "/" read as "\",
// "." and ".." resolved by the names alone; every other name kept as written, closing
// dots and blanks included. A closing "\" stays; a root keeps its own ("C:\", "\\s\sh\").
// A path already in "\\?\" or "\\.\" form is its own answer.
std::wstring ResolvePath(std::wstring_view path, std::wstring_view base);

// The path absolute (against this process's current folders) and normalized, without
// any prefix: what a user sees. Empty for a relative path when there is no current
// folder to take it against.
std::wstring AbsolutePath(std::wstring_view path);

// Whether an absolute path (as AbsolutePath gives it) is a root: "C:\", "\\server\share\".
bool IsRoot(std::wstring_view absolute);

// The path as the system calls get it: absolute, normalized, after "\\?\" (a UNC path as
// "\\?\UNC\server\share\...").
std::wstring SystemPath(std::wstring_view path);
// The same for a path of the core (through the name mapping, as ToWidePath).
std::wstring ToSystemPath(std::string_view internalPath);

}  // namespace favpage::platform::win32
