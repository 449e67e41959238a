// Whole-file saves of the host, for the files the user cares about (the settings file,
// the title file): a save either leaves the old file or puts the new one in its place,
// never half of it. Paths are in the core's dialect (Shift_JIS, "\" delimiters); every
// call answers with a code as HostFile does: 0 for success, else the code a Windows user
// would see (3 missing folder, 5 denied or read-only, 32 held open, 101 disk full, or the
// host's own).
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform {

// Whether ReplaceFileContents would be admitted for `path` without trying it: 0 for a
// missing file in an existing folder, or for a regular file that this user may write and that no
// opener of this process holds (any open conflicts, as a writer that shares nothing). A symbolic
// link is judged by the file it names.
[[nodiscard]] int CheckFileReplaceable(const std::string& path);

// Makes `bytes` the whole content of the file `path`, creating it when it is missing.
// The bytes go to a new file beside the file, which then takes its place in one step, so
// a crash or a full disk leaves the old file whole. The file keeps its permissions and
// owner; through a symbolic link the named file is replaced and the link stays. A file
// this user may write in a folder it may not, or another user's file, is written where it
// stands instead. Refused as CheckFileReplaceable refuses; a failed replacement changes
// nothing.
[[nodiscard]] int ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace favpage::platform
