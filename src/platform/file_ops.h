// Whole-file saves of the host, for the files the user cares about (the settings file,
// the title file, the published pages): a save either leaves the old file or puts the new
// one in its place, never half of it. Paths are in the core's dialect (Shift_JIS, "\" delimiters);
// every call answers with a code as HostFile does: 0 for success, else the code a Windows user
// would see (3 missing folder, 5 denied or read-only, 32 held open, 101 disk full, or the
// host's own).
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The same save in two steps, for content written piece by piece: first a staging file,
// then its move into place.
//
// Creates a new, empty staging file for the file `path` will name: in the folder of the
// file that the save changes (a symbolic link followed), named `namePrefix` (a name in the
// core's dialect, no delimiter) followed by kStagingSuffixLength random letters and digits,
// created only if the name is new, and open to this user alone until it is put in place.
// `staged` receives its path in the core's dialect.
inline constexpr std::size_t kStagingSuffixLength = 6;
int CreateStagingFile(const std::string& path, const std::string& namePrefix, std::string& staged);

// Brings the data of the written staging files `staged` to the disk, so that a crash of
// the host after their moves leaves each file old or new, never empty. One flush of each
// file system they lie on where the host has one (Linux), else one per file: a run
// publishing a thousand pages pays for one flush, not a thousand.
int FlushStagedFiles(const std::vector<std::string>& staged);

// Puts the staging file `staged` (made by CreateStagingFile for `path`, flushed by
// FlushStagedFiles) in the place of the file `path` in one step: the file keeps its
// permissions and owner (a new one gets the user's default permissions), a symbolic link
// stays and the file it names is replaced; another user's file is written where it
// stands, as ReplaceFileContents does. Refused as CheckFileReplaceable refuses, the
// staging file kept. On success the staging file is gone.
int PutStagedFile(const std::string& staged, const std::string& path);

// Removes the file `path`: only a regular file that is not read-only and that no opener
// of this process holds; a symbolic link, a folder or anything else is refused with 5
// (a link is never followed), a missing file answers 2.
int RemoveFile(const std::string& path);

}  // namespace favpage::platform
