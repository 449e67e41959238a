#include "platform/posix/profile_file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace favpage::platform::posix {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Writes the file where it stands, for a file the user may write in a folder the user may
// not: the replacement cannot be atomic there, but the write must not be refused.
bool RewriteInPlace(const std::string& host, std::string_view bytes) {
  const int fd = open(host.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  return close(fd) == 0 && written;
}

}  // namespace

ProfileRead ReadProfileBytes(const std::string& host, std::size_t limit, bool mustFit,
                             std::string& bytes) {
  bytes.clear();
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT ? ProfileRead::kMissing : ProfileRead::kRefused;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      (mustFit && static_cast<std::size_t>(info.st_size) > limit)) {
    close(fd);
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
    const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) failed = true;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  close(fd);
  if (failed || (mustFit && got > limit)) return ProfileRead::kRefused;
  bytes.resize(std::min(got, limit));
  return ProfileRead::kRead;
}

bool ReplaceProfileFile(const std::string& host, std::string_view bytes,
                        const struct stat* existing) {
  const std::size_t slash = host.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : host.substr(0, slash + 1);
  std::string temporary = folder + ".favpage-profile-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    const bool folderDenied = errno == EACCES || errno == EPERM;
    return existing != nullptr && folderDenied && RewriteInPlace(host, bytes);
  }
  const mode_t mode = existing != nullptr ? existing->st_mode & 07777 : NewFileMode();
  if (existing != nullptr && (existing->st_uid != geteuid() || existing->st_gid != getegid()) &&
      fchown(fd, existing->st_uid, existing->st_gid) != 0) {
    // Another user's file that this user may write: a replacement would take it over, so
    // it is written where it stands.
    close(fd);
    unlink(temporary.c_str());
    return RewriteInPlace(host, bytes);
  }
  bool written = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || rename(temporary.c_str(), host.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  SyncFolder(folder.empty() ? "." : folder);
  return true;
}

}  // namespace favpage::platform::posix
