// Path rules of the core's path dialect: Shift_JIS byte strings whose delimiters are
// "\" and ":". The second byte of a double-byte character is never a delimiter or a dot.
#pragma once

#include <string>
#include <string_view>

namespace favpage {

// Everything after the last delimiter; the whole text when there is none.
std::string ExtractFileName(std::string_view path);

// Everything up to and including the last delimiter; empty when there is none.
// "C:\web\links.html" gives "C:\web\".
std::string ExtractFilePath(std::string_view path);

// The folder part: the leading path without its closing "\", except where that "\"
// is a root ("C:\links.html" gives "C:\", "C:links.html" gives "C:", "\\server\share\a"
// gives "\\server\share", a bare name gives "").
std::string ExtractFileDir(std::string_view path);

// The text from the last "." to the end when no delimiter follows that "."; else empty.
std::string ExtractFileExt(std::string_view path);

// The text without its extension, followed by `ext` ("C:\web\links" with "_0.html"
// gives "C:\web\links_0.html").
std::string ChangeFileExt(std::string_view path, std::string_view ext);

// The text without its extension ("Weather.url" gives "Weather", ".url" gives "").
std::string RemoveFileExt(std::string_view path);

// "C:" for a path whose second byte is ":", "\\server\share" for a path that begins
// with "\\"; otherwise empty.
std::string ExtractFileDrive(std::string_view path);

// The path of `dest` relative to the folder `base` (both ending in "\" when they name
// folders); ASCII letters compare without regard to case. Different drives give `dest`.
std::string ExtractRelativePath(std::string_view base, std::string_view dest);

// `path` with one "\" appended unless it already ends in a single-byte "\".
std::string IncludeTrailingBackslash(std::string_view path);

}  // namespace favpage
