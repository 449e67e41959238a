// Whole-file reads of profile files on the host.
#pragma once

#include <cstddef>
#include <string>

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

}  // namespace favpage::platform::posix
