#include "platform/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/host_path.h"

namespace favpage::platform {
namespace {

// fsync of a file or a folder; a host that cannot do it still renames.
void SyncPath(const std::string& host, int flags) {
  const int fd = open(host.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFileAtomically(const std::string& to, const std::string& from) {
  const std::string hostFrom = ToHostPath(from);
  const std::string hostTo = ToHostPath(to);
  SyncPath(hostFrom, O_RDONLY);
  if (std::rename(hostFrom.c_str(), hostTo.c_str()) != 0) return false;
  // The rename itself lasts only once the folder's entry reaches the disk.
  const std::size_t slash = hostTo.rfind('/');
  SyncPath(slash == std::string::npos ? "." : hostTo.substr(0, slash + 1), O_RDONLY | O_DIRECTORY);
  return true;
}

void RemoveFileQuietly(const std::string& path) { unlink(ToHostPath(path).c_str()); }

}  // namespace favpage::platform
