// Whole-file reads of profile files, one implementation per host.
#pragma once

#include <cstddef>
#include <string>

namespace favpage::platform {

enum class ProfileRead {
  kRead,     // `bytes` holds the file's first bytes, at most the limit
  kMissing,  // there is no such file
  kRefused,  // not a regular file, not readable, or longer than the limit allows
};

// Reads a file on a disk (`path` in the core's dialect) without ever waiting on a FIFO,
// pipe or device; others may write it meanwhile, as the profile functions allow. With
// `mustFit`, a file longer than `limit` is refused; otherwise only its first `limit` bytes
// are read.
[[nodiscard]] ProfileRead ReadProfileBytes(const std::string& path, std::size_t limit, bool mustFit,
                                           std::string& bytes);

}  // namespace favpage::platform
