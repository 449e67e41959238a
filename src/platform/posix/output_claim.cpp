#include "platform/output_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/io_error.h"
#include "platform/host_path.h"
#include "platform/posix/error_codes.h"
#include "platform/posix/unique_fd.h"

namespace favpage::platform {
namespace {

// A page that is removed between another run's open and its lock is retried this often
// before the claim gives up as if it were held.
constexpr int kClaimAttempts = 64;

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// An open description of the page that only carries the lock: it neither empties nor
// writes the page. O_NONBLOCK keeps an open of a FIFO from waiting for a writer.
posix::UniqueFd OpenForClaim(const std::string& host, bool& created) {
  constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  created = false;
  int fd = open(host.c_str(), O_RDONLY | kFlags);
  // A page its owner may write but not read can still carry the lock.
  if (fd < 0 && errno == EACCES) fd = open(host.c_str(), O_WRONLY | kFlags);
  if (fd < 0 && errno == ENOENT) {
    fd = open(host.c_str(), O_RDONLY | O_CREAT | O_EXCL | kFlags, 0666);
    created = fd >= 0;
  }
  return posix::UniqueFd(fd);
}

}  // namespace

OutputClaim::~OutputClaim() { Release(); }

int OutputClaim::Claim(const std::string& path) {
  Release();
  const std::string host = ToHostPath(path);
  if (host.empty() || host.back() == '/' || host.find('\0') != std::string::npos) {
    return io_code::kPathNotFound;
  }
  for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
    bool created = false;
    posix::UniqueFd page = OpenForClaim(host, created);
    if (!page.Valid() && errno == EEXIST) continue;  // another run made it in between
    if (!page.Valid()) return posix::OpenErrorCode(errno, host);

    struct stat held {};
    if (fstat(page.Get(), &held) != 0 || !S_ISREG(held.st_mode)) {
      // Not a page file (a device, a folder): there is no page to share, and writing
      // to it reports its own error.
      return 0;
    }
    if (flock(page.Get(), LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EWOULDBLOCK) return io_code::kSharingViolation;
      // A file system without locks: publishing there must still work, unclaimed.
      if (error == ENOLCK || error == EINVAL || error == EOPNOTSUPP) return 0;
      return posix::TransferErrorCode(error);
    }
    // The holder before us may have removed an empty page it had made for its claim;
    // the lock then sits on a file that is no longer the page, so claim the page anew.
    struct stat now {};
    if (stat(host.c_str(), &now) != 0 || !SameFile(now, held)) continue;
    handle_ = page.Release();
    host_ = host;
    created_ = created;
    return 0;
  }
  return io_code::kSharingViolation;
}

void OutputClaim::Release() {
  if (!IsHeld()) return;
  posix::UniqueFd page(static_cast<int>(std::exchange(handle_, kNoHandle)));
  // A page the claim made and the run never wrote (no walk wrote a head) is not left
  // behind as an empty file. It goes while the lock is held, so no other run can be
  // writing it.
  struct stat held {};
  struct stat now {};
  if (created_ && fstat(page.Get(), &held) == 0 && held.st_size == 0 &&
      stat(host_.c_str(), &now) == 0 && SameFile(now, held)) {
    unlink(host_.c_str());
  }
  page.Reset();
  host_.clear();
  created_ = false;
}

}  // namespace favpage::platform
