// Whole-file reads and atomic replacement for profile files on the host.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace favpage::platform::posix {

enum class ProfileRead {
  kRead,     // `bytes` holds the file's first bytes, at most the limit
  kMissing,  // there is no such file
  kRefused,  // not a regular file, not readable, or longer than the limit allows
};

// Reads a regular file without ever waiting on a FIFO or device. With `mustFit`, a file
// longer than `limit` is refused; otherwise only its first `limit` bytes are read.
ProfileRead ReadProfileBytes(const std::string& host, std::size_t limit, bool mustFit,
                             std::string& bytes);

// Replaces the file `host` with `bytes` through a temporary file in the same folder, so
// that a crash leaves either the old or the new file. `existing` describes the file that
// is replaced (its permission bits and owner are kept), or is null for a new file.
bool ReplaceProfileFile(const std::string& host, std::string_view bytes,
                        const struct stat* existing);

}  // namespace favpage::platform::posix
