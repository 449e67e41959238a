#include "platform/posix/open_file_registry.h"

#include <map>

namespace favpage::platform::posix {
namespace {

struct OpenFile {
  FileIdentity file;
  bool reads = false;
  bool writes = false;
  bool othersMayRead = false;
  bool othersMayWrite = false;
};

OpenFile Describe(FileIdentity file, FileAccess access, FileShare share) {
  OpenFile open;
  open.file = file;
  open.reads = access == FileAccess::kRead;
  open.writes = access != FileAccess::kRead;
  open.othersMayRead = share == FileShare::kRead;
  open.othersMayWrite = false;  // neither sharing mode of the text files lets others write
  return open;
}

std::map<unsigned long long, OpenFile>& OpenFiles() {
  static std::map<unsigned long long, OpenFile> files;
  return files;
}

}  // namespace

bool ConflictsWithOpenFiles(FileIdentity file, FileAccess access, FileShare share) {
  const OpenFile wanted = Describe(file, access, share);
  for (const auto& [registration, held] : OpenFiles()) {
    if (held.file.device != file.device || held.file.inode != file.inode) continue;
    // Both sides must allow what the other does, as the Windows sharing check demands.
    if ((wanted.reads && !held.othersMayRead) || (wanted.writes && !held.othersMayWrite) ||
        (held.reads && !wanted.othersMayRead) || (held.writes && !wanted.othersMayWrite)) {
      return true;
    }
  }
  return false;
}

unsigned long long RegisterOpenFile(FileIdentity file, FileAccess access, FileShare share) {
  static unsigned long long last = 0;
  OpenFiles()[++last] = Describe(file, access, share);
  return last;
}

void UnregisterOpenFile(unsigned long long registration) { OpenFiles().erase(registration); }

}  // namespace favpage::platform::posix
