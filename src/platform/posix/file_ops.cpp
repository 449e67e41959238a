#include "platform/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/io_error.h"
#include "platform/host_file.h"
#include "platform/host_path.h"
#include "platform/posix/error_codes.h"
#include "platform/posix/open_file_registry.h"
#include "platform/posix/unique_fd.h"

namespace favpage::platform {
namespace {

using posix::OpenErrorCode;
using posix::TransferErrorCode;

// As many links as the host's own path lookup follows before it gives up with ELOOP.
constexpr int kLinkLimit = 40;

bool ValidHostPath(const std::string& host) {
  return !host.empty() && host.back() != '/' && host.find('\0') == std::string::npos;
}

// The folder part with its closing "/", or empty for a name in the current folder.
std::string FolderOf(const std::string& host) {
  const std::size_t slash = host.rfind('/');
  return slash == std::string::npos ? std::string() : host.substr(0, slash + 1);
}

// Follows a chain of symbolic links to the file that a save must change, also when the
// last link names a file that does not exist yet: replacing the link itself would cut it
// from the file it shares.
int ResolveLinks(std::string& host) {
  for (int followed = 0; followed < kLinkLimit; ++followed) {
    struct stat info {};
    if (lstat(host.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    ssize_t length = 0;
    while ((length = readlink(host.c_str(), target.data(), target.size())) >= 0 &&
           static_cast<std::size_t>(length) == target.size()) {
      target.resize(target.size() * 2);  // the link grew since lstat
    }
    if (length <= 0) return length == 0 ? io_code::kPathNotFound : OpenErrorCode(errno, host);
    target.resize(static_cast<std::size_t>(length));
    host = target.front() == '/' ? target : FolderOf(host) + target;
  }
  return io_code::kPathNotFound;
}

// The admission of a save to `target` (links resolved); `info` describes the file when
// `exists`.
int CheckTarget(const std::string& target, bool& exists, struct stat& info) {
  exists = false;
  if (stat(target.c_str(), &info) != 0) {
    // A missing file is created; a missing folder is not.
    const int code = OpenErrorCode(errno, target);
    return code == io_code::kFileNotFound ? 0 : code;
  }
  exists = true;
  if (!S_ISREG(info.st_mode)) return io_code::kAccessDenied;
  // Without its owner's write bit the file is read-only, for root too; renaming over it
  // would bypass that, and the permission check of a later open.
  if ((info.st_mode & S_IWUSR) == 0 || faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return io_code::kAccessDenied;
  }
  // A rename also bypasses the sharing of the files this process holds open.
  if (posix::ConflictsWithOpenFiles({info.st_dev, info.st_ino}, FileAccess::kCreate,
                                    FileShare::kNone)) {
    return io_code::kSharingViolation;
  }
  return 0;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return TransferErrorCode(errno);
    if (n == 0) return io_code::kDiskFull;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// Writes, flushes to the disk and closes `file`, whatever fails first.
int WriteAndClose(posix::UniqueFd file, std::string_view bytes) {
  int code = WriteAll(file.Get(), bytes);
  if (code == 0 && fsync(file.Get()) != 0) code = TransferErrorCode(errno);
  const int closeError = file.Close();
  if (closeError != 0 && code == 0) code = TransferErrorCode(closeError);
  return code;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const posix::UniqueFd opened(
      open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (opened.Valid()) fsync(opened.Get());
}

// For a file the user may write where a replacement cannot take its place (a folder the
// user may not write, another user's file): not atomic, but the save is not refused.
int RewriteInPlace(const std::string& target, std::string_view bytes) {
  posix::UniqueFd file(
      open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!file.Valid()) return OpenErrorCode(errno, target);
  return WriteAndClose(std::move(file), bytes);
}

}  // namespace

int CheckFileReplaceable(const std::string& path) {
  std::string target = ToHostPath(path);
  if (!ValidHostPath(target)) return io_code::kPathNotFound;
  if (const int code = ResolveLinks(target); code != 0) return code;
  bool exists = false;
  struct stat info {};
  return CheckTarget(target, exists, info);
}

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  std::string target = ToHostPath(path);
  if (!ValidHostPath(target)) return io_code::kPathNotFound;
  if (const int code = ResolveLinks(target); code != 0) return code;
  bool exists = false;
  struct stat info {};
  if (const int code = CheckTarget(target, exists, info); code != 0) return code;

  // An unpredictable name, created only if it is new: no other user can slip a link or a
  // file of their own in its place.
  const std::string folder = FolderOf(target);
  std::string temporary = folder + ".favpage-XXXXXX";
  posix::UniqueFd file(mkostemp(temporary.data(), O_CLOEXEC));
  if (!file.Valid()) {
    const int error = errno;
    if (exists && (error == EACCES || error == EPERM)) return RewriteInPlace(target, bytes);
    return OpenErrorCode(error, target);
  }
  struct stat created {};
  if (exists && fstat(file.Get(), &created) == 0 &&
      (created.st_uid != info.st_uid || created.st_gid != info.st_gid) &&
      fchown(file.Get(), info.st_uid, info.st_gid) != 0) {
    // Another user's file that this user may write: a replacement would take it over.
    file.Reset();
    unlink(temporary.c_str());
    return RewriteInPlace(target, bytes);
  }
  // After fchown, which clears the set-id bits.
  int code = fchmod(file.Get(), exists ? info.st_mode & 07777 : NewFileMode()) == 0
                 ? 0
                 : TransferErrorCode(errno);
  if (code == 0) {
    code = WriteAndClose(std::move(file), bytes);
  } else {
    file.Reset();
  }
  if (code == 0 && rename(temporary.c_str(), target.c_str()) != 0) {
    code = OpenErrorCode(errno, target);
  }
  if (code != 0) {
    unlink(temporary.c_str());
    return code;
  }
  // The new entry lasts only once the folder reaches the disk.
  SyncFolder(folder);
  return 0;
}

}  // namespace favpage::platform
