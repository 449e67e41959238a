#include "platform/profile_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/host_path.h"
#include "platform/posix/unique_fd.h"

namespace favpage::platform {

ProfileRead ReadProfileBytes(const std::string& path, std::size_t limit, bool mustFit,
                             std::string& bytes) {
  bytes.clear();
  const std::string host = ToHostPath(path);
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const posix::UniqueFd file(open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.Valid()) return errno == ENOENT ? ProfileRead::kMissing : ProfileRead::kRefused;
  struct stat info {};
  if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      (mustFit && static_cast<std::size_t>(info.st_size) > limit)) {
    return ProfileRead::kRefused;
  }
  // The size is a first guess: the file may grow while it is read. Reading goes on to its
  // end or to one byte past the limit, which tells a file that does not fit.
  bytes.resize(std::min(limit, static_cast<std::size_t>(info.st_size)) + 1);
  std::size_t got = 0;
  bool failed = false;
  for (;;) {
    if (got == bytes.size()) {
      if (got > limit) break;
      bytes.resize(std::min(limit + 1, got * 2));
    }
    const ssize_t n = read(file.Get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) failed = true;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (failed || (mustFit && got > limit)) return ProfileRead::kRefused;
  bytes.resize(std::min(got, limit));
  return ProfileRead::kRead;
}

}  // namespace favpage::platform
