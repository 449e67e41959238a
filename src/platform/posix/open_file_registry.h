// The files this process holds open through HostFile, with the access and sharing of
// each open, so that a conflicting open can be refused as Windows refuses it.
#pragma once

#include <sys/types.h>

#include "platform/host_file.h"

namespace favpage::platform::posix {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
};

// True when an open of `file` with `access` and `share` conflicts with an open held.
[[nodiscard]] bool ConflictsWithOpenFiles(FileIdentity file, FileAccess access, FileShare share);
// Records an open; the number returned identifies it for Unregister (never 0).
[[nodiscard]] unsigned long long RegisterOpenFile(FileIdentity file, FileAccess access,
                                                  FileShare share);
void UnregisterOpenFile(unsigned long long registration);

}  // namespace favpage::platform::posix
