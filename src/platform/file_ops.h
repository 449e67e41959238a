// Whole-file operations of the host, for the saves that replace a file the user cares
// about: the new text goes to a temporary file beside it and is moved into place.
#pragma once

#include <string>

namespace favpage::platform {

// Flushes `from` to the disk and moves it over `to` in one step (both in one folder), so
// a crash leaves either the old file or the new one. False when refused.
bool ReplaceFileAtomically(const std::string& to, const std::string& from);

// Removes the file `path`, ignoring any failure.
void RemoveFileQuietly(const std::string& path);

}  // namespace favpage::platform
